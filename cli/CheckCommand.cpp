// vqn58-cli check FILE: reads a clone file exactly as the desktop program's Open does.

#include "CliCommand.h"

#include "image/CloneFileOpen.h"
#include "model/ModelRules.h"
#include "overlay/Messages.h"
#include "overlay/cmcGTex.h"
#include "platform/MessageBox.h"

#include <cstdio>
#include <vector>

namespace cli {
namespace {

// The model's acceptance test of an opened image (model::RejectImage: byte 0x60B must be 1), kept here
// until the model library that owns it is linked into the tool.
bool RejectImage(const cmcEeprom& image) {
    return image.GetByte(0x60B) != 1;
}

} // namespace

int RunCheck(CliContext& context) {
    if (context.args.size() != 1) {
        std::fprintf(stderr, "vqn58-cli: check needs exactly one FILE\nTry 'vqn58-cli --help'.\n");
        return kExitUsage;
    }
    std::vector<cmcQcfRange> ranges;
    for (const auto& range : model::kCoveredRanges) {
        ranges.push_back({range.first, range.last});
    }
    CloneFileProfile profile;
    profile.modelCode = model::kModelCode;
    profile.extraCode = model::kExtraCode;
    profile.mapRevision = model::kMapRevision;
    profile.imageSize = model::kImageSize;
    profile.coveredRanges = ranges;
    profile.rejectImage = &RejectImage; // this model never reports newer data

    cmcGTex overlay;
    overlay.SetSourceFile(context.overlayPath.string());
    platform::StreamMessageBox box;
    cmcMessages messages(overlay, box);
    cmcEeprom scratch;
    const std::uint8_t result = ReadCloneFileAsOpen(context.args[0], profile, messages, scratch);
    return result == qcf::kOk ? kExitOk : kExitCloneFileBase + result;
}

} // namespace cli
