#pragma once

#include "app/AppCellDocument.h"
#include "app/AppCloneDocument.h"
#include "app/WindowCloneLink.h"
#include "app/indMain.h"
#include "app/qt/MainWindow.h"
#include "model/indActiveCell.h"

#include <filesystem>
#include <memory>

class cmcGTex;
class cmcEvMan;
class indEnviron;
namespace platform {
class IFileDialogs;
}

// The desktop program's objects after the process-wide ones: the application object, the behaviour
// object on its document, the main form and the clone link, made and wired in their order. The
// process-wide objects (settings, overlay, event manager) and the platform pieces come in, so tests
// run the same assembly on their doubles.
class MainProgram {
public:
    struct Platform {
        cmcGTex& overlay;
        cmcEvMan& events;
        indEnviron& settings;
        platform::IMessageBox& messageBox;
        platform::IFileDialogs& fileDialogs;
        platform::ITimerSource& timers;
        const platform::IClock& clock;
        ISheetFactory& sheets;
        std::function<std::vector<platform::SerialPortEntry>()> listPorts;
        std::filesystem::path dataDirectory;
    };

    // Builds the window (not shown); `arguments` from the program path on (the maker switch).
    MainProgram(const Platform& platform, const std::vector<std::string>& arguments);
    ~MainProgram();
    MainProgram(const MainProgram&) = delete;
    MainProgram& operator=(const MainProgram&) = delete;

    indMain& App() { return m_app; }
    MainWindow& Form() { return *m_form; }
    indActiveCell& Behaviour() { return *m_behaviour; }
    WindowCloneLink& Link() { return *m_link; }

private:
    indMain m_app;
    AppCellDocument m_cellDocument;
    AppCloneDocument m_cloneDocument;
    std::unique_ptr<MainWindow> m_form;
    std::unique_ptr<indActiveCell> m_behaviour;
    std::unique_ptr<WindowCloneLink> m_link;
};
