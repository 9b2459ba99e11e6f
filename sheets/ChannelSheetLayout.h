#pragma once

#include "sheets/SheetLayout.h"

#include <cstdint>
#include <functional>

// What a channel sheet's layout depends on beyond its definition: the usable-channels-only view, the
// model variant, the option bits of the radio's last information reply, and which channels are usable.
struct ChannelSheetState {
    bool usableOnly = false;
    int modelVariant = 0;        // 0: the USA variant
    std::uint8_t optionBits = 0; // byte 19 of the identity bytes
    // Whether channel `channel` (0 to 303) of plan `plan` is usable (not inhibited, or marked P or C).
    // Asked only while the usable-only view is on; when unset every channel is usable.
    std::function<bool(int plan, int channel)> isUsable;
};

// The layout of the sheets the radio's model opens: the plain layout plus the directives that drop
// definition lines for model variants and options ("OnlyWett", "OnlyVolt", "OnlyTemp",
// "Only_UsaModel", "Only_EurModel" n), "LoopFrom" without a count (one row per channel to show), the
// style property "WithUsable", and, in the usable-only view, channel rows that step over the channels
// that are not usable.
class ChannelSheetLayout : public SheetLayout {
public:
    static constexpr std::int32_t kChannelCount = 304;

    // `state` is read during Build and must outlive it.
    ChannelSheetLayout(IDefinitionSource& source,
                       std::string key,
                       platform::IFontMetrics& metrics,
                       const ChannelSheetState& state);
    // The state is kept by reference: a temporary would be gone before Build reads it.
    ChannelSheetLayout(IDefinitionSource& source,
                       std::string key,
                       platform::IFontMetrics& metrics,
                       const ChannelSheetState&& state) = delete;

protected:
    void ApplyStyleProperty(std::string_view property) override;
    void ApplyDirective(std::string_view directive, std::int32_t line) override;
    void CellDone(cmcCellObj& cell) override;

private:
    bool IsUsable(int plan, int channel) const;
    std::int32_t UsableChannelCount() const;
    bool StepsOverUnusable() const;

    const ChannelSheetState& m_state;
};
