// Feeds arbitrary bytes to the channel-list import as the text of a channel file, over the factory image.
// A refused file must leave the image exactly as it was and give a message; an accepted one must export
// to a file that imports again without a change.

#include "model/ChannelExport.h"
#include "model/ChannelImport.h"
#include "overlay/DefinitionSource.h"
#include "tools/mkinitial/FactoryImage.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>

namespace {

void Check(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "channel list fuzz: %s\n", what);
        std::abort();
    }
}

// The import's texts as the shipped overlay words them.
std::string ReadTexts() {
    std::ifstream in(VQN58_CSV_TEXTS, std::ios::binary);
    Check(in.good(), "cannot read the channel list texts");
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const cmcEeprom start = mkinitial::BuildFactoryImage(mkinitial::Variants()[2]);
    static TextDefinitionSource texts(ReadTexts());
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    cmcEeprom image = start;
    const model::ChannelImportResult result = model::ImportChannels(image, text);
    if (!result.Ok()) {
        Check(image.Equals(start), "a refused file changed the image");
        Check(!model::ChannelCsvMessage(texts, result.problem).empty(), "a refusal without a message");
        return 0;
    }
    Check(image.Equals(start) || result.changed > 0, "the image changed without a change counted");
    Check(!model::ChannelImportSummary(texts, result, true).empty(), "an import without a summary");

    // What was taken must export and import again unchanged.
    const std::string exported = model::ExportChannels(image);
    cmcEeprom again = image;
    const model::ChannelImportResult second = model::ImportChannels(again, exported);
    Check(second.Ok(), "the export of an imported image is refused");
    Check(second.changed == 0, "the export of an imported image changes it");
    Check(again.Equals(image), "the export of an imported image reads back differently");
    return 0;
}
