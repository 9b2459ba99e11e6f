#include "OpenCloneFile.h"

#include "model/ModelProfile.h"
#include "overlay/Messages.h"
#include "overlay/cmcGTex.h"
#include "platform/MessageBox.h"

namespace cli {

std::uint8_t OpenCloneFile(const CliContext& context, const std::filesystem::path& path, cmcEeprom& scratch) {
    cmcGTex overlay;
    overlay.SetSourceFile(context.overlayPath.string());
    platform::StreamMessageBox box;
    cmcMessages messages(overlay, box);
    return ReadCloneFileAsOpen(path, model::OpenProfile(), messages, scratch);
}

} // namespace cli
