#pragma once

#include "platform/Timer.h"
#include "ui/OptionalTreeEntries.h"

#include <QIcon>
#include <QString>
#include <QTreeWidget>
#include <array>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <string_view>
#include <vector>

class ICellBehaviour;
class IDefinitionSource;
class cmcCellObj;

// The navigation tree: one node per line of the overlay's tree body (key K: K + "_BasicCell" and
// K + "_Body"), each node a cell whose display text, image and argument (the sheet it opens) come from
// its definition. Nodes carry a Warning or Caution mark from the warning check; optional nodes are
// deleted by flag and inserted again from the body.
//
// Owns the node cells and its basic cell; borrows the definitions, the timer source and the image list,
// which must outlive it; the parent panel owns the tree (it goes with the panel). Definition errors are the overlay's
// fatal faults.
class cuiTree final : public QTreeWidget, public ui::ITreeEntries {
public:
    enum MarkKind { kNoMark = -1, kWarning = 0, kCaution = 1 };
    // Pictures of the image list that mark a node.
    static constexpr int kWarningImage = 5;
    static constexpr int kCautionImage = 4;

    cuiTree(QWidget* parent,
            IDefinitionSource& definitions,
            platform::ITimerSource& timers,
            std::string key,
            const std::vector<QIcon>& images);
    ~cuiTree() override;

    // Builds every node from the body (after a previous build: from scratch) and expands the first.
    void Build();

    // The first node, in tree order, whose cell's argument equals `argument`; nullptr when none does.
    QTreeWidgetItem* FindNodeByArgument(std::string_view argument) const;
    // The cell of a node (nullptr for none) and of the selected node.
    static cmcCellObj* CellOf(const QTreeWidgetItem* item);
    cmcCellObj* SelectedCell() const;
    // Nodes in tree order (depth first, parents before children).
    std::vector<QTreeWidgetItem*> NodesInOrder() const;
    // The position of `item` in tree order, -1 when it is not in the tree.
    int PositionOf(const QTreeWidgetItem* item) const;

    // Removes the marks of `item` and its descendants.
    void ClearMarks(QTreeWidgetItem* item);
    // How many nodes of the subtree of `item` have their argument in `arguments`; the node gets `mark`
    // when its own argument is listed, or when it is collapsed and something inside it is.
    int Mark(QTreeWidgetItem* item, const std::set<std::string>& arguments, MarkKind mark);
    // The mark a node shows.
    static int MarkOf(const QTreeWidgetItem* item);

    // Deletes every node (with its subtree) whose cell has flag `flag` set; returns the nodes left.
    int DeleteByFlag(int flag) override;
    // Inserts the body line whose cell argument is exactly `argument`, with the lines nested under it,
    // before the node at tree position `position` as its sibling (at the end of the first node's
    // children when the position is past the end). Nothing when a node with that argument exists or
    // no line has it; returns whether nodes were inserted.
    bool InsertFromBody(std::string_view argument, int position) override;
    // The tree position just after the node of `argument`; 0 when no node has it.
    int PositionAfter(std::string_view argument) override;

    // The marks of a warning check: the sheets (node arguments) in error and those with a caution, and
    // for a marked node the texts of its checks that failed, one a line.
    struct CheckMarks {
        std::set<std::string> warnings;
        std::set<std::string> cautions;
        std::map<std::string, std::string> reasons;
    };
    // The nodes marked: listed ones, and collapsed ones with a listed node inside.
    struct CheckCounts {
        int warnings = 0;
        int cautions = 0;
    };
    // Clears every mark and marks the nodes of `marks`: Warning wins over Caution. A marked node's tool
    // tip adds its reasons. The counts are of the listed nodes the tree has.
    CheckCounts ShowMarks(CheckMarks marks);

    // Called, after the change delay ("GI_Sys_TreeChangeDelay" milliseconds), with the selected
    // node's cell once the selection has stopped changing.
    void OnSelectionSettled(std::function<void(cmcCellObj&)> handler) { m_settled = std::move(handler); }

    // The selected node's cell asks to open its sheet (command 13) unless it names no sheet or names
    // the sheet already open (`openArgument`). Returns whether the command was sent.
    static bool ActivateCell(cmcCellObj& cell, ICellBehaviour& behaviour, std::string_view openArgument);

private:
    QTreeWidgetItem* AddNode(const std::string& definition, QTreeWidgetItem* parent);
    void ShowMark(QTreeWidgetItem* item, int mark);
    void SelectionChanged();

    IDefinitionSource& m_definitions;
    std::string m_key;
    const std::vector<QIcon>& m_images;
    std::unique_ptr<cmcCellObj> m_basic;
    std::map<std::string, std::string> m_markReasons; // node argument → texts of its failed checks
    std::vector<std::unique_ptr<cmcCellObj>> m_cells;
    std::unique_ptr<platform::ITimer> m_changeTimer;
    int m_changeDelayMs = 0;
    std::array<QString, 2> m_markTips; // the tool tips of a Warning and a Caution mark
    std::function<void(cmcCellObj&)> m_settled;
};
