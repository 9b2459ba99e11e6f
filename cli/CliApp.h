#pragma once

#include "CliCommand.h"
#include "TerminalMessageBox.h"
#include "app/indEnviron.h"
#include "app/indMain.h"
#include "events/cmcEvMan.h"
#include "overlay/cmcGTex.h"
#include "platform/Clock.h"
#include "platform/FileDialogs.h"
#include "platform/MessageBox.h"
#include "platform/Timer.h"

namespace cli {

// The desktop program's application object on console doubles: messages go to standard error and
// questions are asked on the terminal (TerminalMessageBox), file dialogs are never shown, the settings take their
// defaults and are never read nor written (the user's settings stay untouched), and the initial files come from the
// program data directory.
class CliApp {
public:
    explicit CliApp(const CliContext& context);
    ~CliApp();
    CliApp(const CliApp&) = delete;
    CliApp& operator=(const CliApp&) = delete;

    indMain& App() { return m_app; }
    indEnviron& Settings() { return m_settings; }
    cmcEvMan& Events() { return m_events; }

    // Names `file` in every message from now on (see TerminalMessageBox); the command's file, or in turn
    // each file a command reads.
    void About(const std::string& file) { m_box.SetSubject(file); }
    // What a message of the command starts with: the program's name and the file it is about.
    std::string MessagePrefix() const { return m_box.Prefix(); }

    // The exit status of a file command's result: 0, or 10 + the clone-file code.
    static int ExitStatus(int result);

private:
    indEnviron m_settings{ScreenSize{}};
    cmcGTex m_overlay;
    platform::SteadyClock m_clock;
    platform::ManualTimerSource m_timers{m_clock};
    cmcEvMan m_events{m_timers};
    TerminalMessageBox m_box;
    platform::NoFileDialogs m_dialogs;
    indMain m_app;
};

} // namespace cli
