// vqn58-mkinitial: writes the initial clone files of model types 0 to 4 (the factory data) into a
// directory, and prints the overlay lines that name them. The files in data/initial are its output.

#include "FactoryImage.h"
#include "image/cmcQcfFile.h"
#include "model/ModelRules.h"
#include "overlay/OverlayMessages.h"
#include "overlay/cmcGTex.h"
#include "platform/MessageBox.h"
#include "platform/ProgramPaths.h"

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>

namespace {

// The factory data must be a fixed point of the merge, or every new document would differ from it.
bool IsOwnMerge(const cmcEeprom& factory, int modelType) {
    for (const bool forWrite : {false, true}) {
        cmcEeprom merged(factory);
        model::MergeImage(merged, factory, modelType, forWrite, nullptr);
        if (merged.Differs(factory)) {
            return false;
        }
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    std::filesystem::path overlay = platform::ProgramDataDir() / "VQN58.OVL";
    int i = 1;
    if (i + 1 < argc && std::strcmp(argv[i], "--overlay") == 0) {
        overlay = argv[i + 1];
        i += 2;
    }
    if (i + 1 != argc) {
        std::fprintf(stderr, "Usage: vqn58-mkinitial [--overlay FILE] DIRECTORY\n");
        return 2;
    }
    const std::filesystem::path directory = argv[i];
    cmcGTex gtex;
    gtex.SetSourceFile(overlay.string());
    platform::StreamMessageBox box;
    OverlayMessages messages(gtex, box);

    std::string initialFiles = "#GI_App_InitialFile\n";
    std::string modelNames = "#GI_AppInd_Model\n";
    for (const auto& variant : mkinitial::Variants()) {
        cmcEeprom image = mkinitial::BuildFactoryImage(variant);
        if (!IsOwnMerge(image, variant.modelType)) {
            std::fprintf(stderr, "vqn58-mkinitial: model type %d changes when merged with itself\n", variant.modelType);
            return 1;
        }
        cmcQcfFile file(messages);
        file.AttachImage(image);
        file.SetModelCodes(model::kModelCode, model::kExtraCode);
        file.SetComment(model::CloneFileComment(image));
        file.SetMapRevision(model::kMapRevision);
        if (file.Write(directory / variant.fileName, model::kCloneFileRanges) != qcf::kOk) {
            return 1;
        }
        initialFiles += variant.fileName + "\n";
        modelNames += variant.modelName + "\n";
    }
    std::printf("%s%s", initialFiles.c_str(), modelNames.c_str());
    return 0;
}
