// Where the main window shows an edit: the place an undo step remembers, and after Undo or Redo the
// sheet where the change was made opens again with its cursor on the changed cell.

#include "app/indMain.h"
#include "app/qt/MainWindow.h"
#include "ui/cuiTree.h"

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
