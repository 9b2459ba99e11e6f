#include "sheets/ChannelSheetLayout.h"

#include "overlay/DefinitionSource.h"
#include "sheets/CellNames.h"
#include "sheets/FontDefinition.h"
#include "sheets/ReadDecimal.h"

#include <algorithm>
#include <array>
#include <utility>

namespace {

using sheets::StartsWith;
using sheets::ValueOf;

// Option bits of the radio's information reply: the options a model has fitted.
constexpr std::uint8_t kOptionWett = 0x08;
constexpr std::uint8_t kOptionVolt = 0x10;
constexpr std::uint8_t kOptionTemp = 0x06;

// Each directive skips its count of following lines when its condition on the model is met.
enum class Condition { NoWett, NoVolt, NoTemp, NotUsa, NotEur };

constexpr std::array<std::pair<std::string_view, Condition>, 5> kSkipDirectives = {{
    {"OnlyWett", Condition::NoWett},
    {"OnlyVolt", Condition::NoVolt},
    {"OnlyTemp", Condition::NoTemp},
    {"Only_UsaModel", Condition::NotUsa},
    {"Only_EurModel", Condition::NotEur},
}};

} // namespace

ChannelSheetLayout::ChannelSheetLayout(IDefinitionSource& source,
                                       std::string key,
                                       platform::IFontMetrics& metrics,
                                       const ChannelSheetState& state)
    : SheetLayout(source, std::move(key), metrics), m_state(state) {}

void ChannelSheetLayout::ApplyStyleProperty(std::string_view property) {
    if (!StartsWith(property, "WithUsable")) {
        SheetLayout::ApplyStyleProperty(property);
        return;
    }
    if (!m_state.usableOnly) {
        return;
    }
    const std::string title = TitleString().value_or("") + " " + Source().GetLine("GI_AppInd_chSheet_Usable_Title", 0);
    SetTitleString(title);
    auto font = std::make_unique<platform::FontDesc>();
    sheets::ApplyFont(Source().GetLine("GI_AppInd_chSheet_Usable_Font", 0), *font);
    SetTitleFont(std::move(font));
}

void ChannelSheetLayout::ApplyDirective(std::string_view directive, std::int32_t line) {
    if (directive == "LoopFrom") {
        OpenLoop(line, std::max<std::int32_t>(1, UsableChannelCount()));
        return;
    }
    for (const auto& [name, condition] : kSkipDirectives) {
        if (!StartsWith(directive, name)) {
            continue;
        }
        const std::size_t blank = directive.find_first_of(" \t");
        if (blank == std::string_view::npos || sheets::SkipBlanks(directive.substr(blank + 1)).empty()) {
            return; // no count: the skip count stays
        }
        const std::uint8_t bits = m_state.optionBits;
        bool skip = false;
        switch (condition) {
        case Condition::NoWett:
            skip = (bits & kOptionWett) == 0;
            break;
        case Condition::NoVolt:
            skip = (bits & kOptionVolt) == 0;
            break;
        case Condition::NoTemp:
            skip = (bits & kOptionTemp) == 0;
            break;
        case Condition::NotUsa:
            skip = m_state.modelVariant != 0;
            break;
        case Condition::NotEur:
            skip = m_state.modelVariant == 0;
            break;
        }
        if (skip) {
            SetSkipCount(sheets::ReadDecimal(directive.substr(blank + 1)));
        }
        return;
    }
    SheetLayout::ApplyDirective(directive, line);
}

void ChannelSheetLayout::CellDone(cmcCellObj& cell) {
    // Only channel cells step: a cell without a kind (a column heading, a plain text) shows no channel.
    if (!StepsOverUnusable() || !cell.HasKind()) {
        return;
    }
    const int plan = sheets::ChannelPlanOf(BasicCell().Category());
    std::int32_t index = std::max<std::int32_t>(cell.Index(), 0);
    while (index < kChannelCount && !IsUsable(plan, index)) {
        ++index;
    }
    cell.SetIndex(std::min(index, kChannelCount));
    if (index >= kChannelCount) {
        // No channel left to show (a plan without a usable channel): an empty row that cannot be
        // selected, not a row of a channel the plan does not have.
        cell.SetKind(cmcCellObj::kNoKind);
        cell.SetSelectable(false);
        cell.SetDisplayText(std::string());
    }
}

bool ChannelSheetLayout::IsUsable(int plan, int channel) const {
    return !m_state.isUsable || m_state.isUsable(plan, channel);
}

std::int32_t ChannelSheetLayout::UsableChannelCount() const {
    if (!m_state.usableOnly) {
        return kChannelCount;
    }
    const int plan = sheets::ChannelPlanOf(BasicCell().Category());
    std::int32_t count = 0;
    for (int channel = 0; channel < kChannelCount; ++channel) {
        count += IsUsable(plan, channel) ? 1 : 0;
    }
    return count;
}

bool ChannelSheetLayout::StepsOverUnusable() const {
    const std::string& key = Key();
    return m_state.usableOnly && (StartsWith(key, "GI_Sheet_IntCh") || StartsWith(key, "GI_Sheet_UsaCh") ||
                                  StartsWith(key, "GI_Sheet_CanCh"));
}
