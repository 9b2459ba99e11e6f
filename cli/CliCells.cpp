#include "CliCells.h"

#include "model/CellAnswer.h"
#include "model/CellKinds.h"
#include "model/CellRange.h"
#include "overlay/cmcHash2.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdio>

namespace cli {
namespace {

// A grid that is never drawn: keys from the command line count as keys typed in a grid.
cuiGrid* CommandLineGrid() {
    static int grid = 0;
    return reinterpret_cast<cuiGrid*>(&grid);
}

std::optional<std::int32_t> NumberOf(std::string_view text) {
    std::int32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

// The table number of `name` (names are compared exactly, as the overlay's are).
template <typename NameOf> std::optional<std::int32_t> Lookup(std::string_view name, int count, NameOf nameOf) {
    for (std::int32_t n = 0; n < count; ++n) {
        if (nameOf(n) == name) {
            return n;
        }
    }
    return std::nullopt;
}

std::string Lower(std::string_view text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return std::tolower(c); });
    return lower;
}

} // namespace

std::optional<CellIdentity> ParseCellName(std::string_view name) {
    CellIdentity id;
    if (const auto dot = name.find('.'); dot != std::string_view::npos) {
        const auto category = Lookup(name.substr(0, dot), model::kCategoryCount, model::CategoryName);
        if (!category) {
            return std::nullopt;
        }
        id.category = *category;
        name.remove_prefix(dot + 1);
    }
    id.index = 0;
    if (const auto colon = name.find(':'); colon != std::string_view::npos) {
        const auto index = NumberOf(name.substr(colon + 1));
        if (!index) {
            return std::nullopt;
        }
        id.index = *index;
        name = name.substr(0, colon);
    }
    const auto kind = Lookup(name, model::kKindCount, model::KindName);
    if (!kind) {
        return std::nullopt;
    }
    id.kind = *kind;
    return id;
}

std::string CellRangeProblem(const CellIdentity& id) {
    const model::CellRange range = model::RangeOfKind(id.kind);
    if (range.Takes(id.category, id.index)) {
        return {};
    }
    const std::string kind(model::KindName(id.kind));
    std::string categories;
    for (std::int32_t category = 0; category <= model::kNoCategory; ++category) {
        if (range.TakesCategory(category)) {
            const std::string name =
                category == model::kNoCategory ? "no category" : std::string(model::CategoryName(category));
            categories += (categories.empty() ? "" : ", ") + name;
        }
    }
    if (!range.TakesCategory(id.category)) {
        return kind + " takes the categories " + categories;
    }
    return kind + " takes the indices " + std::to_string(range.first) + " to " + std::to_string(range.last);
}

std::optional<CellIdentity> CommandLineCell(std::string_view name) {
    const auto id = ParseCellName(name);
    const std::string text(name);
    if (!id) {
        std::fprintf(stderr, "vqn58-cli: '%s' is no cell name\nTry 'vqn58-cli --help'.\n", text.c_str());
        return std::nullopt;
    }
    if (const std::string problem = CellRangeProblem(*id); !problem.empty()) {
        std::fprintf(stderr, "vqn58-cli: there is no cell '%s': %s\n", text.c_str(), problem.c_str());
        return std::nullopt;
    }
    return id;
}

void CliCells::Commands::OpenSelectionList(cmcCellCapsule& /*capsule*/,
                                           std::string_view list,
                                           int /*itemKind*/,
                                           int /*value*/) {
    openedList = list;
}

void CliCells::Commands::RefusedSelectionList(std::string_view list, int /*value*/) {
    refusedList = list;
}

CliCells::CliCells(const CliContext& context)
    : m_cli(context), m_document(m_cli.App(), m_cli.Events()), m_behaviour(m_document, m_documentCommands, m_commands) {
    m_cli.App().BuildDocument();
}

int CliCells::Open(const std::string& file) {
    m_cli.About(file);
    return CliApp::ExitStatus(m_cli.App().OpenFile(file));
}

int CliCells::Save() {
    return CliApp::ExitStatus(m_cli.App().Save());
}

CliCells::Drawn CliCells::Draw(cmcCellObj& cell) {
    if (!cell.HasKind()) {
        return {std::string(cell.DisplayText()), false, false};
    }
    cmcCellCapsule capsule;
    capsule.Cell = &cell;
    m_behaviour.Answer(capsule, ICellBehaviour::kDraw);
    const bool grey = capsule.TextColor == model::kColourSilver || capsule.TextColor == model::kColourOlive;
    return {capsule.OutText, grey, capsule.Warning()};
}

std::string CliCells::Set(const CellIdentity& id, const std::string& text) {
    cmcCellObj cell;
    cell.SetCategory(id.category);
    cell.SetKind(id.kind);
    cell.SetIndex(id.index);
    // Enter first, as a user would: it tells a list from a text and shows a cell that cannot change.
    m_commands.openedList.clear();
    m_commands.refusedList.clear();
    cmcCellCapsule enter;
    enter.Cell = &cell;
    enter.Grid = CommandLineGrid();
    enter.Command = cmcCellCapsule::kCommandEnter;
    const int result = m_behaviour.Answer(enter, ICellBehaviour::kCommand);
    if (!m_behaviour.LastRefusal().empty()) {
        // A setting the model fixes still takes its own value, as no change.
        return m_commands.refusedList.empty() ? m_behaviour.LastRefusal() : Choose(cell, m_commands.refusedList, text);
    }
    if (!m_commands.openedList.empty()) {
        return Choose(cell, m_commands.openedList, text);
    }
    if (enter.JumpTo != 0 && enter.JumpKind != id.kind) {
        // The window would move to another cell of the row first (a row without a receive frequency).
        return "give this row its " + std::string(model::KindName(enter.JumpKind)) + " first";
    }
    if (result != ICellBehaviour::kOpenEditor) {
        return "this cell takes no entry";
    }
    cmcCellCapsule commit;
    commit.Cell = &cell;
    commit.Grid = CommandLineGrid();
    commit.EditState = cmcCellCapsule::kEditTyped;
    commit.InputText = text;
    m_behaviour.Answer(commit, ICellBehaviour::kCommand);
    return m_behaviour.LastRefusal();
}

std::string CliCells::Choose(cmcCellObj& cell, const std::string& list, const std::string& text) {
    cmcHash2& tables = m_cli.App().CellTables();
    const cmcHash2::CellTable* table = tables.Find(list, 1);
    if (table == nullptr) {
        return "its selection list has no items";
    }
    std::optional<std::int32_t> value;
    if (text.starts_with("#")) {
        value = NumberOf(std::string_view(text).substr(1));
        const bool isItem = value && std::any_of(table->byNumber.begin(),
                                                 table->byNumber.end(),
                                                 [&](const auto& entry) { return entry.number == *value; });
        if (!isItem) {
            value.reset();
        }
    } else {
        for (const bool exact : {true, false}) {
            for (const auto& entry : table->byPosition) {
                if (!value && (exact ? entry.name == text : Lower(entry.name) == Lower(text))) {
                    value = entry.number;
                }
            }
        }
    }
    if (!value) {
        std::string items;
        for (const auto& entry : table->byPosition) {
            items += (items.empty() ? "'" : ", '") + entry.name + "' (#" + std::to_string(entry.number) + ")";
        }
        return "'" + text + "' is none of its items: " + items;
    }
    cmcCellObj item;
    item.SetKind(model::Flex0);
    item.SetIndex(*value);
    cmcCellCapsule chosen;
    chosen.Cell = &item;
    cmcCellCapsule answer;
    answer.Cell = &cell;
    answer.Parent = &chosen;
    answer.EditState = cmcCellCapsule::kEditChoice;
    m_behaviour.Answer(answer, ICellBehaviour::kCommand);
    return m_behaviour.LastRefusal();
}

} // namespace cli
