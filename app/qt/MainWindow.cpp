#include "app/qt/MainWindow.h"

#include "app/AppCloneDocument.h"
#include "app/PortText.h"
#include "app/WindowCloneLink.h"
#include "app/indEnviron.h"
#include "app/indMain.h"
#include "app/qt/MainStatusBar.h"
#include "app/qt/PrintCommands.h"
#include "app/qt/WindowPlacement.h"
#include "events/EventNumbers.h"
#include "events/cmcEvMan.h"
#include "overlay/cmcGTex.h"
#include "platform/MessageBox.h"
#include "platform/qt/QtFont.h"
#include "sheets/cmcCellObj.h"
#include "ui/AboutWindow.h"
#include "ui/BodyLines.h"
#include "ui/CloneProgressWindow.h"
#include "ui/IconSet.h"
#include "ui/StartPanel.h"
#include "ui/cuiInformation.h"
#include "ui/cuiMenu.h"
#include "ui/cuiToolBar.h"
#include "ui/cuiTree.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>
#include <QSplitter>
#include <QToolBar>
#include <QVBoxLayout>

namespace {

QWidget* Panel(QWidget* parent, const char* name) {
    auto* panel = new QFrame(parent);
    panel->setObjectName(QString::fromLatin1(name));
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setLineWidth(2);
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(2, 2, 2, 2);
    return panel;
}

} // namespace

MainWindow::MainWindow(const Parts& parts) : m_parts(parts) {
    setObjectName(QStringLiteral("vqn58"));
    cmcGTex& overlay = m_parts.app.Overlay();
    const QString title = QString::fromStdString(overlay.GetText("GI_Sys_AppTitle"));
    setWindowTitle(title);
    QGuiApplication::setApplicationDisplayName(QString());
    cmcCellObj form;
    form.Parse(overlay.GetText("GI_Form_Main_BasicCell"), nullptr, nullptr, m_parts.app.Definitions());
    if (form.Font() != nullptr) {
        setFont(platform::ToQFont(*form.Font()));
    }
    const std::filesystem::path icons = m_parts.dataDirectory / "icons";
    m_treeImages = ui::LoadIcons(icons, ui::TreeIconNames());
    m_toolBarImages = ui::LoadIcons(icons, ui::ToolBarIconNames());
    m_appIcon = ui::LoadIcons(icons, {ui::kAppIconName}).front();
    setWindowIcon(m_appIcon);
    setMinimumSize(400, 200);
    setAcceptDrops(true);
    m_progress = std::make_unique<CloneProgressWindow>(this, overlay.GetText("GI_Clone_Progress_Caption"));
    m_progress->SetFocusRestorer([this](QWidget* before) { RestoreFocusAfterClone(before); });
    m_printing = std::make_unique<PrintCommands>(PrintCommands::Parts{
        *this, m_parts.app.Definitions(), m_parts.app.Messages(), m_parts.app.FileDialogs(), m_parts.sheets});
    m_parts.events.Register(&MainWindow::EventHandler, this);
}

MainWindow::~MainWindow() {
    m_parts.events.Unregister(&MainWindow::EventHandler, this);
    if (m_mainTask) {
        m_mainTask->Stop();
    }
    m_printing.reset();
    m_sheet.reset();
    m_parts.app.SetView(nullptr);
}

void MainWindow::BuildWindow(ICellBehaviour& behaviour, WindowCloneLink& link) {
    m_behaviour = &behaviour;
    m_link = &link;
    m_parts.app.SetView(this);
    PlaceFromSettings();
    m_parts.app.BuildDocument();

    IDefinitionSource& definitions = m_parts.app.Definitions();
    m_menu = std::make_unique<cuiMenu>(menuBar(), definitions, m_parts.events, behaviour, "GI_Menu_Main");
    m_menu->Build();
    m_menu->SetBeforeShow([this] { ListPorts(); });
    m_progress->SetDescriber(
        [this](int op) {
            // The device the operation's information exchange opened; before any, the port's.
            const clonelink::PortInUse port =
                m_link->LastPort().port != 0 ? m_link->LastPort() : m_link->PortFor(Port(), m_ports);
            return CloneProgressWindow::Texts{
                m_parts.app.Overlay().GetLine("GI_Clone_Progress_Caption", port.Simulated() ? 1 : 0),
                porttext::Doing(m_parts.app.Definitions(), op, port)};
        },
        [this](const clonelink::CloneProgress& progress) {
            return porttext::Detail(m_parts.app.Definitions(), progress);
        });
    m_toolBar =
        std::make_unique<cuiToolBar>(this, definitions, m_parts.events, behaviour, "GI_ToolBar_Main", m_toolBarImages);
    m_toolBar->Build();
    m_toolBar->SetVisible(m_parts.app.Environ().toolbarVisible);
    m_parts.events.Send(kEvMainWindowBuilt);

    m_splitter = new QSplitter(Qt::Horizontal, this);
    m_splitter->setChildrenCollapsible(false);
    m_splitter->setOpaqueResize(true);
    m_splitter->setHandleWidth(3);
    m_treePanel = Panel(m_splitter, "TreePanel");
    m_sheetPanel = Panel(m_splitter, "SheetPanel");
    m_treePanel->setMinimumWidth(8);
    m_sheetPanel->setAccessibleName(QString::fromStdString(m_parts.app.Overlay().GetLine("GI_Access_Names", 1)));
    m_splitter->addWidget(m_treePanel);
    m_splitter->addWidget(m_sheetPanel);
    m_startPanel = new StartPanel(m_sheetPanel, m_parts.app.Definitions(), behaviour);
    m_sheetPanel->layout()->addWidget(m_startPanel);
    m_startPanel->hide(); // until the main task finds no sheet to open
    m_splitter->setStretchFactor(1, 1);
    setCentralWidget(m_splitter);
    m_parts.app.BuildTree();
    const int splitter = m_parts.app.Environ().splitterV;
    m_splitter->setSizes({splitter > 8 ? splitter : 8, std::max(width() - splitter, 100)});

    m_status = new MainStatusBar(this);
    setStatusBar(m_status);
    if (!m_parts.app.Environ().LoadedFromStore()) {
        FitFirstWindow();
    }

    m_mainTask = m_parts.timers.CreateTimer([this] { MainTask(); });
    m_mainTask->Start(kMainTaskMs);
}

void MainWindow::PlaceFromSettings() {
    const indEnviron& settings = m_parts.app.Environ();
    QRect frame(settings.left, settings.top, std::max(settings.width, 400), std::max(settings.height, 200));
    // The screen the window was on, where it is still there; else the primary one.
    const QScreen* screen = QGuiApplication::screenAt(frame.center());
    if (screen == nullptr) {
        screen = QGuiApplication::primaryScreen();
    }
    if (screen != nullptr) {
        frame = KeepReachable(frame, screen->availableGeometry());
    }
    setGeometry(frame);
    if (settings.maximized) {
        setWindowState(windowState() | Qt::WindowMaximized);
    }
}

void MainWindow::FitFirstWindow() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr || isMaximized()) {
        return;
    }
    QSize needed;
    for (const std::string& key : ui::ReadBodyLines(m_parts.app.Definitions(), "GI_Sys_FirstWindowSheets")) {
        QWidget host;
        const std::unique_ptr<IOpenSheet> sheet = m_parts.sheets.Open(&host, key, std::string(), key, nullptr);
        if (sheet) {
            needed = needed.expandedTo(sheet->NeededSize());
        }
    }
    if (needed.isEmpty()) {
        return;
    }
    const int width = m_parts.app.Environ().splitterV + m_splitter->handleWidth() + needed.width();
    int height = needed.height() + menuBar()->sizeHint().height() + m_status->sizeHint().height();
    if (m_parts.app.Environ().toolbarVisible) {
        for (const QPointer<QToolBar>& row : m_toolBar->Rows()) {
            height += row != nullptr ? row->sizeHint().height() : 0;
        }
    }
    setGeometry(FirstWindowFrame({width, height}, geometry().size(), screen->availableGeometry()));
}

void MainWindow::StoreGeometry() {
    indEnviron& settings = m_parts.app.Environ();
    const QRect normal = isMaximized() || isMinimized() ? normalGeometry() : geometry();
    settings.maximized = isMaximized();
    settings.left = normal.x();
    settings.top = normal.y();
    settings.width = normal.width();
    settings.height = normal.height();
    if (m_treePanel != nullptr) {
        settings.splitterV = m_treePanel->width();
    }
}

void MainWindow::CaptionChanged(const std::string& caption) {
    setWindowTitle(QString::fromStdString(caption));
}

void MainWindow::showEvent(QShowEvent* event) {
    CaptionChanged(m_parts.app.Caption());
    QMainWindow::showEvent(event);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // A window waiting for an operation (clone, printing) is not closed under it.
    if (!isEnabled() || m_progress->IsBusy()) {
        event->ignore();
        return;
    }
    m_parts.events.Send(kEvCommitInput);
    if (m_parts.app.AskToSave(false) == cuiMain::Answer::Cancel) {
        event->ignore();
        return;
    }
    StoreGeometry();
    m_mainTask->Stop();
    m_sheet.reset();
    event->accept();
}

void MainWindow::MakerModeSwitchedOn(const std::string& statusText) {
    if (m_status != nullptr) {
        m_status->ShowMakerPanel(statusText);
    }
}

void MainWindow::UpdateStartPanel() {
    if (m_startPanel == nullptr) {
        return;
    }
    const bool show = !m_sheet;
    if (show && m_startPanel->isHidden()) {
        ListPorts(); // a cable plugged in since shows
        m_startPanel->SetPort(PortName(Port()));
    }
    m_startPanel->setVisible(show);
}

void MainWindow::ShowResult(const std::string& text) {
    if (m_status != nullptr) {
        m_status->ShowResult(text);
    }
}

void MainWindow::ShowFirstSheetUnlessOneIsChosen() {
    if (m_tree == nullptr) {
        return;
    }
    const cmcCellObj* selected = m_tree->SelectedCell();
    if (selected != nullptr && selected->Argument() && !selected->Argument()->empty()) {
        return;
    }
    for (QTreeWidgetItem* node : m_tree->NodesInOrder()) {
        const cmcCellObj* cell = cuiTree::CellOf(node);
        if (cell != nullptr && cell->Argument() && !cell->Argument()->empty()) {
            m_tree->setCurrentItem(node);
            return;
        }
    }
}

void MainWindow::SetBusy(bool busy) {
    if (busy) {
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    } else {
        QGuiApplication::restoreOverrideCursor();
    }
}

void MainWindow::RestoreFocusAfterClone(QWidget* before) {
    // The focus left with the window's disabling, so the sheet a read closed could not tell where it
    // was: a sheet the main task opens again takes it unless the tree had it.
    m_focusOutsideTree = before != m_tree;
    if (before != nullptr) {
        before->setFocus(Qt::OtherFocusReason);
    } else if ((!m_sheet || !m_sheet->FocusGrid()) && m_tree != nullptr) {
        m_tree->setFocus(Qt::OtherFocusReason);
    }
}

void MainWindow::ShowAbout() {
    auto* about =
        new AboutWindow(this, m_parts.app.Definitions(), m_appIcon, [this](char c) { m_parts.app.AboutKeyTyped(c); });
    about->Open();
}

void MainWindow::ShowCloneInformation() {
    QWidget* holder = new QWidget;
    auto* layout = new QVBoxLayout(holder);
    layout->setContentsMargins(0, 0, 0, 0);
    // The sheet lives as long as the window: the holder owns its widget.
    std::shared_ptr<IOpenSheet> sheet = m_parts.sheets.Open(holder, "GI_Sheet_CloneInfo", "", "", nullptr);
    if (sheet && sheet->Widget() != nullptr) {
        layout->addWidget(sheet->Widget());
        holder->setMinimumSize(sheet->Widget()->sizeHint());
    }
    auto* info =
        new cuiInformation(this, m_parts.app.Overlay().GetText("GI_Sys_AppTitle"), m_parts.app.Definitions(), holder);
    QObject::connect(info, &QObject::destroyed, [sheet]() mutable { sheet.reset(); });
    info->Open();
}

void MainWindow::EventHandler(void* context, const Event& event) {
    auto* self = static_cast<MainWindow*>(context);
    switch (event.type) {
    case kEvMainWindowBuilt: // also after the port changed
        self->m_parts.events.Send(kEvRefreshMenu);
        self->m_parts.events.Send(kEvRefreshToolBar);
        if (self->m_startPanel != nullptr && self->m_startPanel->isVisible() && self->m_link != nullptr) {
            self->m_startPanel->SetPort(self->PortName(self->Port()));
        }
        break;
    case kEvShowAbout:
        self->ShowAbout();
        break;
    case kEvStatusText:
        if (self->m_status != nullptr) {
            self->m_status->ShowMessage(event.Text(),
                                        platform::ToQColor(static_cast<std::uint32_t>(event.first)),
                                        platform::ToQColor(static_cast<std::uint32_t>(event.second)));
        }
        break;
    case kEvImageChanged:
        self->AdjustOptionalEntries();
        // A document opened, made new or imported while the start panel says nothing is open yet: its
        // first sheet shows what is open instead, as after a read.
        if (self->m_startPanel != nullptr && !self->m_startPanel->isHidden()) {
            self->ShowFirstSheetUnlessOneIsChosen();
        }
        break;
    default:
        break;
    }
}
