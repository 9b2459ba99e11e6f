#include "CloneFiles.h"

#include "image/cmcQcfFile.h"
#include "model/ModelRules.h"
#include "overlay/OverlayMessages.h"
#include "overlay/cmcGTex.h"
#include "support/ScriptedMessageBox.h"
#include "support/TempDir.h"

namespace testmodel {

namespace {

// The texts and box behind every clone-file operation of these tests.
struct MessageSetup {
    MessageSetup() : messages(gtex, box) {
        gtex.SetSourceFile(testsupport::TestDataPath("model/messages.ovl").string());
    }
    cmcGTex gtex;
    testsupport::ScriptedMessageBox box;
    OverlayMessages messages;
};

MessageSetup& Setup() {
    static MessageSetup setup;
    return setup;
}

} // namespace

std::filesystem::path ShippedInitialFile(int modelType) {
    return std::filesystem::path(VQN58_SOURCE_DATA) / "initial" / ("VQN58_" + std::to_string(modelType) + ".qcf");
}

std::filesystem::path ShippedOverlaySource(const std::string& name) {
    return std::filesystem::path(VQN58_SOURCE_DATA) / "overlay" / name;
}

std::uint8_t ReadInitialFile(const std::filesystem::path& path, cmcEeprom& image) {
    image.SetSize(model::kImageSize);
    cmcQcfFile file(Setup().messages);
    file.AttachImage(image);
    file.SetModelCodes(model::kModelCode, model::kExtraCode);
    file.SetMapRevisionTest([](std::int32_t revision) { return revision == model::kMapRevision; });
    return file.Read(path, model::kCloneFileRanges);
}

std::uint8_t WriteCloneFile(const std::filesystem::path& path, cmcEeprom& image) {
    cmcQcfFile file(Setup().messages);
    file.AttachImage(image);
    file.SetModelCodes(model::kModelCode, model::kExtraCode);
    file.SetComment(model::CloneFileComment(image));
    file.SetMapRevision(model::kMapRevision);
    return file.Write(path, model::kCloneFileRanges);
}

cmcEeprom PatternImage(std::uint32_t seed) {
    cmcEeprom image;
    image.SetSize(model::kImageSize);
    std::uint32_t state = seed * 2654435761U + 1;
    for (std::int32_t a = 0; a < image.GetSize(); ++a) {
        state = state * 1664525U + 1013904223U;
        image.SetByte(a, static_cast<std::uint8_t>(state >> 24));
    }
    return image;
}

} // namespace testmodel
