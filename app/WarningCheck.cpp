#include "app/WarningCheck.h"

#include "overlay/DefinitionSource.h"
#include "platform/FontMetrics.h"
#include "sheets/ChannelSheetLayout.h"
#include "sheets/cmcCellCapsule.h"
#include "sheets/cmcCellObj.h"
#include "ui/BodyLines.h"

#include <algorithm>
#include <array>

namespace {

// The tree's entries without widgets, in tree order: enough of the navigation tree to know which
// sheets it shows once its optional entries are adjusted.
class TreeEntryList final : public ui::ITreeEntries {
public:
    TreeEntryList(IDefinitionSource& definitions, std::string_view key) {
        const std::string basicKey = std::string(key) + "_BasicCell";
        m_basic.Parse(definitions.GetLine(basicKey, 0), nullptr, nullptr, definitions);
        const std::vector<ui::BodyNode> nodes =
            ui::NestBody(ui::ReadBodyLines(definitions, std::string(key) + "_Body"));
        for (const ui::BodyNode& node : nodes) {
            cmcCellObj cell;
            cell.Parse(node.line.definition, &m_basic, nullptr, definitions);
            const int parent = node.parent;
            Entry entry{
                cell.Argument().value_or(""), {}, parent < 0 ? 0 : m_body[static_cast<std::size_t>(parent)].level + 1};
            for (int flag = 0; flag < 8; ++flag) {
                entry.flags[static_cast<std::size_t>(flag)] = cell.Flag(flag);
            }
            m_body.push_back(std::move(entry));
        }
        m_entries = m_body;
    }

    int PositionAfter(std::string_view argument) override {
        const auto at = Find(m_entries, argument);
        return at == m_entries.end() ? 0 : static_cast<int>(at - m_entries.begin()) + 1;
    }

    bool InsertFromBody(std::string_view argument, int position) override {
        const auto line = Find(m_body, argument);
        if (m_entries.empty() || Find(m_entries, argument) != m_entries.end() || line == m_body.end()) {
            return false;
        }
        // Before the entry at `position` as its sibling; past the end, among the first entry's children.
        const bool inside = position >= 0 && position < static_cast<int>(m_entries.size());
        const auto anchor = inside ? m_entries.begin() + position : m_entries.end();
        const int level = inside ? anchor->level : m_entries.front().level + 1;
        std::vector<Entry> subtree(line, SubtreeEnd(m_body, line));
        const int shift = level - line->level;
        for (Entry& entry : subtree) {
            entry.level += shift;
        }
        m_entries.insert(anchor, subtree.begin(), subtree.end());
        return true;
    }

    int DeleteByFlag(int flag) override {
        for (;;) {
            const auto found = std::find_if(m_entries.begin(), m_entries.end(), [flag](const Entry& entry) {
                return entry.flags[static_cast<std::size_t>(flag)];
            });
            if (found == m_entries.end()) {
                return static_cast<int>(m_entries.size());
            }
            m_entries.erase(found, SubtreeEnd(m_entries, found));
        }
    }

    std::set<std::string> Sheets() const {
        std::set<std::string> sheets;
        for (const Entry& entry : m_entries) {
            if (!entry.argument.empty()) {
                sheets.insert(entry.argument);
            }
        }
        return sheets;
    }

private:
    struct Entry {
        std::string argument;
        std::array<bool, 8> flags;
        int level = 0; // 0 for a top-level entry
    };
    using Entries = std::vector<Entry>;

    static Entries::iterator Find(Entries& entries, std::string_view argument) {
        return std::find_if(
            entries.begin(), entries.end(), [argument](const Entry& entry) { return entry.argument == argument; });
    }
    // Just past the entries nested under `entry`, which follow it in tree order.
    static Entries::iterator SubtreeEnd(Entries& entries, Entries::iterator entry) {
        return std::find_if(std::next(entry), entries.end(), [&](const Entry& e) { return e.level <= entry->level; });
    }

    cmcCellObj m_basic;
    Entries m_body;    // every line of the body
    Entries m_entries; // the tree as it stands
};

} // namespace

std::set<std::string>
TreeSheets(IDefinitionSource& definitions, std::string_view treeKey, const ui::TreeVariant& variant) {
    TreeEntryList tree(definitions, treeKey);
    ui::AdjustOptionalTreeEntries(tree, variant);
    return tree.Sheets();
}

std::vector<FailedCheck> FailedChecks(IDefinitionSource& definitions, ICellBehaviour& behaviour) {
    std::vector<FailedCheck> failed;
    for (const std::string& line : ui::ReadBodyLines(definitions, "GI_WarningCheckList")) {
        cmcCellObj cell;
        cell.Parse(line, nullptr, nullptr, definitions);
        cmcCellCapsule capsule;
        capsule.Cell = &cell;
        behaviour.Answer(capsule, ICellBehaviour::kDraw);
        if (capsule.Warning() || capsule.Caution()) {
            failed.push_back({cell.Argument().value_or(""), std::string(cell.DisplayText()), capsule.Warning()});
        }
    }
    return failed;
}

WarningCheckResult CountOnSheets(std::vector<FailedCheck> failed, const std::set<std::string>& sheets) {
    std::erase_if(failed, [&](const FailedCheck& check) { return !sheets.contains(check.sheet); });
    std::set<std::string> errors;
    std::set<std::string> cautions;
    for (const FailedCheck& check : failed) {
        (check.error ? errors : cautions).insert(check.sheet);
    }
    return {std::move(failed), static_cast<int>(errors.size()), static_cast<int>(cautions.size())};
}

std::vector<CellInError> CellsInError(IDefinitionSource& definitions,
                                      ICellBehaviour& behaviour,
                                      const std::string& sheet,
                                      const ChannelSheetState& state) {
    platform::FixedFontMetrics metrics;
    ChannelSheetLayout layout(definitions, sheet, metrics, state);
    layout.Build();
    std::vector<CellInError> cells;
    for (std::int32_t row = 0; row < layout.RowCount(); ++row) {
        for (std::int32_t column = 0; column < layout.ColumnCount(); ++column) {
            cmcCellObj& cell = layout.Slot(column, row).Cell();
            if (!cell.HasKind()) {
                continue;
            }
            cmcCellCapsule capsule;
            capsule.Cell = &cell;
            behaviour.Answer(capsule, ICellBehaviour::kDraw);
            if (capsule.Warning()) {
                cells.push_back({row, column});
            }
        }
    }
    return cells;
}
