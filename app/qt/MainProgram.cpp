#include "app/qt/MainProgram.h"

#include "app/PortText.h"
#include "overlay/OverlayMessages.h"
#include "overlay/cmcGTex.h"
#include "ui/CloneProgressWindow.h"
#include "ui/cuiMenu.h"

MainProgram::MainProgram(const Platform& platform, const std::vector<std::string>& arguments)
    : m_app(cuiMain::Services{platform.overlay,
                              platform.messageBox,
                              platform.fileDialogs,
                              platform.settings,
                              platform.events,
                              platform.dataDirectory}),
      m_cellDocument(m_app, platform.events), m_cloneDocument(m_app, platform.events) {
    m_form = std::make_unique<MainWindow>(MainWindow::Parts{m_app,
                                                            platform.events,
                                                            platform.timers,
                                                            platform.clock,
                                                            platform.messageBox,
                                                            platform.sheets,
                                                            platform.listPorts,
                                                            platform.dataDirectory});
    m_behaviour = std::make_unique<indActiveCell>(m_cellDocument, m_app, *m_form);
    m_link = std::make_unique<WindowCloneLink>(
        m_app.Messages(), m_cloneDocument, platform.timers, platform.clock, &m_form->Progress(), platform.listPorts);
    // What the radio said about itself is what the information sheet and the channel sheets show.
    m_link->Commands().OnFinished([this](int code) {
        m_app.SetCloneIdentityBytes(m_link->Commands().Identity().bytes);
        m_form->Menu().Refresh();
        const CloneCommands::Outcome& outcome = m_link->Commands().LastOutcome();
        if (const std::string result =
                porttext::CloneResult(m_app.Definitions(), outcome, m_link->LastPort(), m_app.LastReadBackedUp());
            !result.empty()) {
            m_form->ShowResult(result);
        }
        if (outcome.op == clonelink::kRead && code == clonecode::kSuccess) {
            m_form->ShowFirstSheetUnlessOneIsChosen();
        }
    });
    m_cloneDocument.SetInfoWindow([this] { m_form->ShowCloneInformation(); });
    // A failure that a wrong port causes offers the port window.
    m_link->Manager().SetPortFix(m_app.Overlay().GetText("GI_Mess_CloneErr_ChoosePort"),
                                 [this] { m_form->ShowPortNotice(); });
    platform.sheets.Attach(m_app, *m_behaviour);
    m_form->BuildWindow(*m_behaviour, *m_link);
    m_app.ScanMakerSwitch(arguments);
}

// The link goes first (it may still close its progress display on the form), then the behaviour
// object, then the form.
MainProgram::~MainProgram() = default;
