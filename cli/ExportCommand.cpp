// vqn58-cli export FILE: prints every channel row of a clone file as comma-separated text.

#include "CliCommand.h"

#include "image/CloneFileOpen.h"
#include "model/ChannelExport.h"
#include "model/ModelRules.h"
#include "overlay/Messages.h"
#include "overlay/cmcGTex.h"
#include "platform/MessageBox.h"

#include <cstdio>

namespace cli {

int RunExport(CliContext& context) {
    if (context.args.size() != 1) {
        std::fprintf(stderr, "vqn58-cli: export needs exactly one FILE\nTry 'vqn58-cli --help'.\n");
        return kExitUsage;
    }
    // The file is opened as the desktop program opens it, so a file it would refuse exports nothing.
    CloneFileProfile profile;
    profile.modelCode = model::kModelCode;
    profile.extraCode = model::kExtraCode;
    profile.mapRevision = model::kMapRevision;
    profile.imageSize = model::kImageSize;
    profile.coveredRanges = model::kCloneFileRanges;
    profile.rejectImage = &model::RejectImage;
    profile.isNewerImage = &model::IsNewerImage;

    cmcGTex overlay;
    overlay.SetSourceFile(context.overlayPath.string());
    platform::StreamMessageBox box;
    cmcMessages messages(overlay, box);
    cmcEeprom scratch;
    const std::uint8_t result = ReadCloneFileAsOpen(context.args[0], profile, messages, scratch);
    if (result != qcf::kOk) {
        return kExitCloneFileBase + result;
    }
    const std::string text = model::ExportChannels(scratch);
    std::fwrite(text.data(), 1, text.size(), stdout);
    return std::fflush(stdout) == 0 && !std::ferror(stdout) ? kExitOk : kExitFault;
}

} // namespace cli
