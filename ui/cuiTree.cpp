#include "ui/cuiTree.h"

#include "overlay/DefinitionSource.h"
#include "platform/qt/QtFont.h"
#include "sheets/ReadDecimal.h"
#include "sheets/cmcCellCapsule.h"
#include "sheets/cmcCellObj.h"
#include "ui/BodyLines.h"

#include <QPainter>

namespace {

constexpr int kCellRole = Qt::UserRole;
constexpr int kMarkRole = Qt::UserRole + 1;

const std::string& ArgumentOf(const cmcCellObj* cell) {
    static const std::string none;
    return (cell != nullptr && cell->Argument()) ? *cell->Argument() : none;
}

// `base` with `mark` painted over its lower right quarter, at the sizes a tree draws at 1x and 2x.
QIcon MarkedIcon(const QIcon& base, const QIcon& mark) {
    QIcon result;
    for (const int size : {16, 20, 32, 40, 64}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        base.paint(&painter, QRect(0, 0, size, size));
        mark.paint(&painter, QRect(size / 2 - size / 8, size / 2 - size / 8, size * 5 / 8, size * 5 / 8));
        painter.end();
        result.addPixmap(pixmap);
    }
    return result;
}

} // namespace

cuiTree::cuiTree(QWidget* parent,
                 IDefinitionSource& definitions,
                 platform::ITimerSource& timers,
                 std::string key,
                 const std::vector<QIcon>& images)
    : QTreeWidget(parent), m_definitions(definitions), m_key(std::move(key)), m_images(images) {
    setHeaderHidden(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setObjectName(QStringLiteral("cuiTree"));
    m_changeDelayMs = sheets::ReadDecimal(m_definitions.GetLine("GI_Sys_TreeChangeDelay", 0));
    m_markTips = {QString::fromStdString(m_definitions.GetLine("GI_Tree_MarkTips", 0)),
                  QString::fromStdString(m_definitions.GetLine("GI_Tree_MarkTips", 1))};
    m_changeTimer = timers.CreateTimer([this] {
        m_changeTimer->Stop();
        if (cmcCellObj* cell = SelectedCell(); cell != nullptr && m_settled) {
            m_settled(*cell);
        }
    });
    connect(this, &QTreeWidget::itemSelectionChanged, this, [this] { SelectionChanged(); });
}

cuiTree::~cuiTree() = default;

void cuiTree::Build() {
    clear();
    m_cells.clear();
    m_basic = std::make_unique<cmcCellObj>();
    m_basic->Parse(m_definitions.GetLine(m_key + "_BasicCell", 0), nullptr, nullptr, m_definitions);
    setFont(platform::ToQFont(m_basic->EffectiveFont(*m_basic)));
    QPalette colours = palette();
    colours.setColor(QPalette::Base, platform::ToQColor(m_basic->Color(), colours));
    setPalette(colours);

    const std::vector<ui::BodyNode> nodes = ui::NestBody(ui::ReadBodyLines(m_definitions, m_key + "_Body"));
    std::vector<QTreeWidgetItem*> items;
    items.reserve(nodes.size());
    for (const ui::BodyNode& node : nodes) {
        items.push_back(AddNode(node.line.definition, node.parent < 0 ? nullptr : items[node.parent]));
    }
    if (topLevelItemCount() > 0) {
        topLevelItem(0)->setExpanded(true);
    }
}

QTreeWidgetItem* cuiTree::AddNode(const std::string& definition, QTreeWidgetItem* parent) {
    auto cell = std::make_unique<cmcCellObj>();
    cell->Parse(definition, m_basic.get(), nullptr, m_definitions);
    auto* item = parent != nullptr ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(this);
    item->setText(0, QString::fromStdString(std::string(cell->DisplayText())));
    item->setData(0, kCellRole, QVariant::fromValue(reinterpret_cast<quintptr>(cell.get())));
    item->setData(0, kMarkRole, kNoMark);
    m_cells.push_back(std::move(cell));
    ShowMark(item, kNoMark);
    return item;
}

cmcCellObj* cuiTree::CellOf(const QTreeWidgetItem* item) {
    if (item == nullptr) {
        return nullptr;
    }
    return reinterpret_cast<cmcCellObj*>(item->data(0, kCellRole).value<quintptr>());
}

cmcCellObj* cuiTree::SelectedCell() const {
    const QList<QTreeWidgetItem*> selected = selectedItems();
    return selected.isEmpty() ? nullptr : CellOf(selected.front());
}

std::vector<QTreeWidgetItem*> cuiTree::NodesInOrder() const {
    std::vector<QTreeWidgetItem*> nodes;
    for (QTreeWidgetItemIterator it(const_cast<cuiTree*>(this)); *it != nullptr; ++it) {
        nodes.push_back(*it);
    }
    return nodes;
}

int cuiTree::PositionOf(const QTreeWidgetItem* item) const {
    const std::vector<QTreeWidgetItem*> nodes = NodesInOrder();
    for (std::size_t i = 0; i < nodes.size(); ++i) {
        if (nodes[i] == item) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

QTreeWidgetItem* cuiTree::FindNodeByArgument(std::string_view argument) const {
    for (QTreeWidgetItem* item : NodesInOrder()) {
        const cmcCellObj* cell = CellOf(item);
        if (cell != nullptr && cell->Argument() && *cell->Argument() == argument) {
            return item;
        }
    }
    return nullptr;
}

int cuiTree::MarkOf(const QTreeWidgetItem* item) {
    return item->data(0, kMarkRole).toInt();
}

void cuiTree::ShowMark(QTreeWidgetItem* item, int mark) {
    item->setData(0, kMarkRole, mark);
    QString tip = mark == kWarning ? m_markTips[0] : mark == kCaution ? m_markTips[1] : QString();
    if (const auto reasons = m_markReasons.find(ArgumentOf(CellOf(item)));
        mark != kNoMark && reasons != m_markReasons.end()) {
        tip += QLatin1Char('\n') + QString::fromStdString(reasons->second);
    }
    item->setToolTip(0, tip);
    const cmcCellObj* cell = CellOf(item);
    const int image = cell != nullptr ? cell->ImageIndex() : -1;
    if (image < 0 || image >= static_cast<int>(m_images.size())) {
        item->setIcon(0, QIcon());
        return;
    }
    const int markImage = mark == kWarning ? kWarningImage : kCautionImage;
    if (mark == kNoMark || markImage >= static_cast<int>(m_images.size())) {
        item->setIcon(0, m_images[static_cast<std::size_t>(image)]);
    } else {
        item->setIcon(
            0, MarkedIcon(m_images[static_cast<std::size_t>(image)], m_images[static_cast<std::size_t>(markImage)]));
    }
}

void cuiTree::ClearMarks(QTreeWidgetItem* item) {
    if (item == nullptr) {
        return;
    }
    if (MarkOf(item) != kNoMark) {
        ShowMark(item, kNoMark);
    }
    for (int i = 0; i < item->childCount(); ++i) {
        ClearMarks(item->child(i));
    }
}

int cuiTree::Mark(QTreeWidgetItem* item, const std::set<std::string>& arguments, MarkKind mark) {
    const bool listed = arguments.contains(ArgumentOf(CellOf(item)));
    int count = listed ? 1 : 0;
    for (int i = 0; i < item->childCount(); ++i) {
        count += Mark(item->child(i), arguments, mark);
    }
    if (listed || (count > 0 && !item->isExpanded())) {
        ShowMark(item, mark);
    }
    return count;
}

int cuiTree::DeleteByFlag(int flag) {
    for (;;) {
        QTreeWidgetItem* found = nullptr;
        for (QTreeWidgetItem* item : NodesInOrder()) {
            if (const cmcCellObj* cell = CellOf(item); cell != nullptr && cell->Flag(flag)) {
                found = item;
                break;
            }
        }
        if (found == nullptr) {
            return static_cast<int>(NodesInOrder().size());
        }
        delete found;
    }
}

bool cuiTree::InsertFromBody(std::string_view argument, int position) {
    if (topLevelItemCount() == 0 || FindNodeByArgument(argument) != nullptr) {
        return false;
    }
    const std::vector<ui::BodyNode> nodes = ui::NestBody(ui::ReadBodyLines(m_definitions, m_key + "_Body"));
    // The line is found by its parsed argument, so a name that is part of another name never matches.
    std::size_t first = nodes.size();
    for (std::size_t i = 0; i < nodes.size() && first == nodes.size(); ++i) {
        cmcCellObj probe;
        probe.Parse(nodes[i].line.definition, nullptr, nullptr, m_definitions);
        if (probe.Argument() && *probe.Argument() == argument) {
            first = i;
        }
    }
    if (first == nodes.size()) {
        return false;
    }
    const std::vector<QTreeWidgetItem*> before = NodesInOrder();
    QTreeWidgetItem* anchor = position >= 0 && position < static_cast<int>(before.size())
                                  ? before[static_cast<std::size_t>(position)]
                                  : nullptr;
    QTreeWidgetItem* top = AddNode(nodes[first].line.definition, topLevelItem(0));
    // The subtree: the nodes that descend from the line, which follow it in the body.
    std::vector<QTreeWidgetItem*> made(nodes.size(), nullptr);
    made[first] = top;
    for (std::size_t i = first + 1; i < nodes.size(); ++i) {
        const int parent = nodes[i].parent;
        if (parent < 0 || made[static_cast<std::size_t>(parent)] == nullptr) {
            break;
        }
        made[i] = AddNode(nodes[i].line.definition, made[static_cast<std::size_t>(parent)]);
    }
    if (anchor != nullptr) {
        top->parent()->removeChild(top);
        if (QTreeWidgetItem* parent = anchor->parent(); parent != nullptr) {
            parent->insertChild(parent->indexOfChild(anchor), top);
        } else {
            insertTopLevelItem(indexOfTopLevelItem(anchor), top);
        }
    }
    return true;
}

cuiTree::CheckCounts cuiTree::ShowMarks(CheckMarks marks) {
    m_markReasons = std::move(marks.reasons);
    CheckCounts counts;
    if (topLevelItemCount() == 0) {
        return counts;
    }
    for (int i = topLevelItemCount() - 1; i >= 0; --i) {
        ClearMarks(topLevelItem(i));
        counts.cautions += Mark(topLevelItem(i), marks.cautions, kCaution);
        counts.warnings += Mark(topLevelItem(i), marks.warnings, kWarning);
    }
    return counts;
}

void cuiTree::SelectionChanged() {
    m_changeTimer->Stop();
    if (m_changeDelayMs <= 0) {
        if (cmcCellObj* cell = SelectedCell(); cell != nullptr && m_settled) {
            m_settled(*cell);
        }
        return;
    }
    m_changeTimer->Start(m_changeDelayMs);
}

bool cuiTree::ActivateCell(cmcCellObj& cell, ICellBehaviour& behaviour, std::string_view openArgument) {
    if (!cell.Argument() || cell.Argument()->empty() || *cell.Argument() == openArgument) {
        return false;
    }
    cmcCellCapsule capsule;
    capsule.Cell = &cell;
    capsule.Command = cmcCellCapsule::kCommandEnter;
    behaviour.Answer(capsule, ICellBehaviour::kDraw);
    return true;
}

int cuiTree::PositionAfter(std::string_view argument) {
    const QTreeWidgetItem* item = FindNodeByArgument(argument);
    return item != nullptr ? PositionOf(item) + 1 : 0;
}
