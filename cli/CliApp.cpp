#include "CliApp.h"

#include "platform/ProgramPaths.h"

namespace cli {

CliApp::CliApp(const CliContext& context)
    : m_box(m_overlay, context.assumeYes),
      m_app(cuiMain::Services{m_overlay, m_box, m_dialogs, m_settings, m_events, platform::ProgramDataDir()}) {
    m_overlay.SetSourceFile(context.overlayPath.string());
}

CliApp::~CliApp() = default;

int CliApp::ExitStatus(int result) {
    if (result == 0) {
        return kExitOk;
    }
    return (result >= 1 && result <= 9) ? kExitCloneFileBase + result : kExitUsage;
}

} // namespace cli
