// The commands the behaviour object asks of the main window (menu items, tool buttons, tree entries).

#include "app/PortText.h"
#include "app/WindowCloneLink.h"
#include "app/indEnviron.h"
#include "app/indMain.h"
#include "app/qt/MainWindow.h"
#include "app/qt/PrintCommands.h"
#include "events/EventNumbers.h"
#include "events/cmcEvMan.h"
#include "model/CellKinds.h"
#include "overlay/OverlayMessages.h"
#include "overlay/cmcGTex.h"
#include "sheets/cmcCellObj.h"
#include "ui/PortDialog.h"
#include "ui/cuiMenu.h"
#include "ui/cuiToolBar.h"

#include <QDesktopServices>
#include <QUrl>

bool MainWindow::CanPrintCurrent() {
    return m_sheet && m_sheet->Printable();
}

void MainWindow::PrintCurrent() {
    m_parts.events.Send(kEvCommitInput);
    if (CanPrintCurrent()) {
        m_printing->Print({m_sheet->SourceArgument()});
    }
}

void MainWindow::PrintAll() {
    m_parts.events.Send(kEvCommitInput);
    if (!m_sheet || m_tree == nullptr) {
        return;
    }
    // Every tree node in tree order; a node that names no sheet prints nothing.
    std::vector<std::string> arguments;
    for (const QTreeWidgetItem* item : m_tree->NodesInOrder()) {
        const cmcCellObj* cell = cuiTree::CellOf(item);
        arguments.push_back(cell != nullptr && cell->Argument() ? *cell->Argument() : std::string());
    }
    m_printing->Print(std::move(arguments));
}

void MainWindow::Exit() {
    close();
}

bool MainWindow::HasMenuItem(int kind) {
    return m_menu && m_menu->HasKind(kind);
}

int MainWindow::PopupMenuItemCount() {
    // The current cell's pop-up menu is copied under the Edit menu's item (events 10 and 11); the
    // placeholder stands there alone while no cell offers a menu.
    return m_menu ? m_menu->EventItemCount(model::CL_Menu_Edit_Top) : 0;
}

int MainWindow::FontSize() {
    return m_parts.app.Environ().fontSizePercentage;
}

void MainWindow::SetFontSize(int percentage) {
    m_parts.app.Environ().fontSizePercentage = percentage;
    if (m_sheet) {
        const std::string argument = m_sheet->SourceArgument();
        OpenSheetByArgument(argument);
    }
}

bool MainWindow::ToolBarVisible() {
    return m_parts.app.Environ().toolbarVisible;
}

void MainWindow::ToggleToolBar() {
    indEnviron& settings = m_parts.app.Environ();
    settings.toolbarVisible = !settings.toolbarVisible;
    if (m_toolBar) {
        m_toolBar->SetVisible(settings.toolbarVisible);
    }
}

int MainWindow::Port() {
    return m_parts.app.Environ().comPort;
}

void MainWindow::ListPorts() {
    m_ports = m_parts.listPorts ? m_parts.listPorts() : std::vector<platform::SerialPortEntry>{};
}

std::string MainWindow::PortName(int port) {
    if (m_link == nullptr) {
        return {};
    }
    return porttext::PortName(m_parts.app.Definitions(), m_link->PortFor(port, m_ports));
}

bool MainWindow::CheckAfterWrite() {
    return m_parts.app.Environ().checkAfterWrite;
}

void MainWindow::ToggleCheckAfterWrite() {
    m_parts.app.Environ().checkAfterWrite = !m_parts.app.Environ().checkAfterWrite;
}

void MainWindow::SetPort(int port) {
    indEnviron& settings = m_parts.app.Environ();
    if (!settings.portChosen && port == settings.comPort && m_link != nullptr) {
        // The ticked item named the device chosen for the user: choosing that item keeps the device.
        const clonelink::PortInUse inUse = m_link->PortFor(port, m_ports);
        if (inUse.automatic) {
            settings.SetConfiguredPortPath(port, inUse.path);
        }
    }
    settings.comPort = port;
    settings.portChosen = true;
}

void MainWindow::ShowPortNotice() {
    ListPorts();
    PortDialog dialog(this, m_parts.app.Definitions(), m_parts.messageBox, Port(), m_ports);
    dialog.SetInUse(PortName(Port()));
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    if (!dialog.Device().empty()) {
        m_parts.app.Environ().SetConfiguredPortPath(dialog.Port(), dialog.Device());
    }
    m_parts.app.Environ().comPort = dialog.Port();
    m_parts.app.Environ().portChosen = true;
    m_parts.events.Send(kEvMainWindowBuilt);
}

void MainWindow::CloneRead() {
    if (m_link != nullptr) {
        m_link->Commands().CloneRead();
    }
}

void MainWindow::CloneWrite() {
    if (m_link != nullptr) {
        m_link->Commands().CloneWrite();
    }
}

void MainWindow::CloneInfo() {
    if (m_link != nullptr) {
        m_link->Commands().CloneInfo();
    }
}

void MainWindow::OpenHelpContents(std::string_view fileName) {
    const std::filesystem::path help = m_parts.dataDirectory / std::string(fileName);
    std::error_code error;
    if (!std::filesystem::exists(help, error) ||
        !QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(help.string())))) {
        std::string text = m_parts.app.Overlay().GetLongText("GI_Mess_NoHelp");
        if (const std::size_t at = text.find("%s"); at != std::string::npos) {
            text.replace(at, 2, help.string());
        }
        m_parts.app.Messages().Show(text, OverlayMessages::Icon::Error, OverlayMessages::Buttons::Ok);
    }
}

void MainWindow::OpenSheet(std::string_view sheet) {
    OpenSheetByArgument(std::string(sheet));
}

void MainWindow::OpenSelectionList(cmcCellCapsule& capsule, std::string_view listName, int itemKind, int value) {
    m_parts.sheets.OpenSelectionList(capsule, listName, itemKind, value);
}
