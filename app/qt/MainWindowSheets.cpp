// The main window's sheets and tree: opening and closing sheets with their remembered positions, the
// tree build with its optional entries and warning marks, and the 50 ms main task.

#include "app/UsableChannels.h"
#include "app/indEnviron.h"
#include "app/indMain.h"
#include "app/qt/MainWindow.h"
#include "app/qt/PrintCommands.h"
#include "events/EventNumbers.h"
#include "events/cmcEvMan.h"
#include "model/CellKinds.h"
#include "model/ModelRules.h"
#include "overlay/cmcGTex.h"
#include "platform/Clock.h"
#include "sheets/cmcCellObj.h"
#include "ui/OptionalTreeEntries.h"
#include "ui/cuiTree.h"

#include <QApplication>
#include <QLayout>

void MainWindow::CloseCurrentSheet() {
    if (!m_sheet) {
        return;
    }
    if (m_sheet->Widget() != nullptr && m_sheet->Widget()->isVisible()) {
        RememberPosition(m_sheet->Key(), m_sheet->Position());
    }
    m_focusOutsideTree = m_tree == nullptr || !m_tree->hasFocus();
    m_sheet.reset();
}

void MainWindow::RememberPosition(const std::string& key, const SheetPosition& position) {
    std::erase_if(m_positions, [&](const Remembered& r) { return r.key == key; });
    m_positions.push_front({key, position});
}

void MainWindow::OpenSheetByArgument(const std::string& argument) {
    // The user moves on to another sheet: the text of an open editor is kept, as leaving it by the
    // mouse keeps it. (Closing a sheet because its image was replaced drops the text instead.)
    if (m_sheet) {
        m_parts.events.Send(kEvCommitInput);
    }
    CloseCurrentSheet();
    const SheetReference reference = ParseSheetReference(argument);
    const SheetPosition* position = nullptr;
    for (const Remembered& remembered : m_positions) {
        if (remembered.key == reference.key) {
            position = &remembered.position;
            break;
        }
    }
    m_sheet = m_parts.sheets.Open(m_sheetPanel, reference.key, reference.parameter, argument, position);
    if (m_sheet && m_sheet->Widget() != nullptr) {
        m_sheetPanel->layout()->addWidget(m_sheet->Widget());
        m_sheet->Widget()->show();
        if (m_tree != nullptr) {
            setTabOrder(m_tree, m_sheet->Widget());
        }
        if (m_focusOutsideTree && !m_sheet->FocusGrid() && m_tree != nullptr) {
            m_tree->setFocus();
        }
    }
    m_parts.events.Send(kEvRefreshMenu);
    UpdateStartPanel();
}

void MainWindow::BuildTree(const std::string& rootSuffix) {
    if (m_treePanel == nullptr) {
        return;
    }
    CloseCurrentSheet();
    delete m_tree.data();
    m_tree =
        new cuiTree(m_treePanel, m_parts.app.Definitions(), m_parts.timers, std::string(kMainTreeKey), m_treeImages);
    m_tree->setAccessibleName(QString::fromStdString(m_parts.app.Overlay().GetLine("GI_Access_Names", 0)));
    m_tree->hide();
    m_tree->Build();
    if (QTreeWidgetItem* root = m_tree->topLevelItem(0); root != nullptr) {
        root->setText(0, root->text(0) + QString::fromStdString(rootSuffix));
    }
    m_treePanel->layout()->addWidget(m_tree);
    connect(m_tree, &QTreeWidget::itemExpanded, this, [this] { RunWarningCheck(); });
    connect(m_tree, &QTreeWidget::itemCollapsed, this, [this] { RunWarningCheck(); });
    m_tree->OnSelectionSettled([this](cmcCellObj& /*cell*/) { TreeSelectionSettled(); });
    RunWarningCheck();
    m_tree->show();
    m_parts.events.Send(kEvImageChanged);
    if (m_tree->topLevelItem(0) != nullptr) {
        m_tree->setCurrentItem(m_tree->topLevelItem(0));
    }
}

void MainWindow::AdjustOptionalEntries() {
    if (m_tree == nullptr) {
        return;
    }
    ui::AdjustOptionalTreeEntries(*m_tree, m_parts.app.TreeVariant());
    // The sheet on show may be one the image no longer has.
    if (m_sheet && m_tree->FindNodeByArgument(m_sheet->SourceArgument()) == nullptr) {
        CloseCurrentSheet();
    }
}

void MainWindow::UsableChannelsToggled() {
    if (!m_sheet) {
        return;
    }
    // The cursor stays on its column, at the nearest channel the other view shows.
    const std::optional<CellIdentity> cell = m_sheet->CurrentCell();
    const std::string argument = m_sheet->SourceArgument();
    OpenSheetByArgument(argument);
    if (cell && m_sheet) {
        const int plan = model::PlanOfCategory(cell->category);
        CellIdentity target = *cell;
        if (plan >= 1 && plan <= 3) { // the three channel plans with a usable-only view
            target.index = NearestUsableChannel(m_parts.app.MainImage(), plan, cell->index);
        }
        m_sheet->JumpToCell(target);
    }
}

int MainWindow::RunWarningCheck() {
    return m_parts.app.RunWarningCheck().errors;
}

void MainWindow::ShowWarningCheck(const WarningCheckResult& result) {
    m_cellsInError = result.errors;
    if (m_tree == nullptr) {
        return;
    }
    cuiTree::CheckMarks marks;
    for (const FailedCheck& check : result.failed) {
        (check.error ? marks.warnings : marks.cautions).insert(check.sheet);
        // The check's own text says what is wrong; the node's tool tip lists it.
        if (!check.text.empty()) {
            std::string& reasons = marks.reasons[check.sheet];
            reasons += (reasons.empty() ? "" : "\n") + check.text;
        }
    }
    m_tree->ShowMarks(std::move(marks));
}

void MainWindow::TreeSelectionSettled() {
    cmcCellObj* cell = m_tree != nullptr ? m_tree->SelectedCell() : nullptr;
    if (cell != nullptr && m_behaviour != nullptr) {
        cuiTree::ActivateCell(*cell, *m_behaviour, m_sheet ? m_sheet->SourceArgument() : std::string());
    }
}

void MainWindow::MainTask() {
    if (!m_sheet && isVisible()) {
        if (m_tree != nullptr) {
            // Only an entry that names a sheet opens one; a folder asks nothing.
            if (cmcCellObj* cell = m_tree->SelectedCell(); cell != nullptr && m_behaviour != nullptr) {
                cuiTree::ActivateCell(*cell, *m_behaviour, std::string());
            }
        } else if (!m_positions.empty()) {
            OpenSheetByArgument(m_positions.front().key);
        }
    }
    const std::uint32_t now = m_parts.clock.NowMs();
    if (m_parts.app.TakeWarningCheckRequest()) {
        m_warningDue = now + kWarningDelayMs;
    }
    if (m_warningDue && static_cast<std::int32_t>(now - *m_warningDue) >= 0) {
        m_warningDue.reset();
        RunWarningCheck();
    }
    m_printing->Tick();
    UpdateStartPanel();
}
