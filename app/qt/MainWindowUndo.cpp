// The main window's Undo and Redo: the document steps back or forth, and the sheet where the change was
// made opens again with its cursor on the changed cell.

#include "app/indMain.h"
#include "app/qt/MainWindow.h"
#include "events/EventNumbers.h"
#include "events/cmcEvMan.h"
#include "ui/cuiTree.h"

bool MainWindow::CanUndo() {
    return m_parts.app.CanUndo();
}

bool MainWindow::CanRedo() {
    return m_parts.app.CanRedo();
}

void MainWindow::Undo() {
    // Text still in an editor is a change of its own: it is what Undo takes back first.
    m_parts.events.Send(kEvCommitInput);
    m_parts.app.Undo();
    m_parts.events.Send(kEvRefreshMenu);
    m_parts.events.Send(kEvRefreshToolBar);
}

void MainWindow::Redo() {
    m_parts.events.Send(kEvCommitInput);
    m_parts.app.Redo();
    m_parts.events.Send(kEvRefreshMenu);
    m_parts.events.Send(kEvRefreshToolBar);
}

EditLocation MainWindow::CurrentLocation() {
    if (!m_sheet) {
        return {};
    }
    return {m_sheet->SourceArgument(), m_sheet->Position()};
}

void MainWindow::ShowLocation(const EditLocation& where) {
    if (where.sheet.empty() || m_tree == nullptr) {
        return;
    }
    // A sheet the image no longer has (a plan switched off since) is not opened.
    QTreeWidgetItem* node = m_tree->FindNodeByArgument(where.sheet);
    if (node == nullptr) {
        return;
    }
    CloseCurrentSheet();
    RememberPosition(ParseSheetReference(where.sheet).key, where.position);
    m_tree->setCurrentItem(node);
    OpenSheetByArgument(where.sheet);
}
