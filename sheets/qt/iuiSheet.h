#pragma once

#include "sheets/ChannelSheetLayout.h"
#include "sheets/qt/cuiSheet.h"

// The sheet the radio's model opens: a cuiSheet laid out by ChannelSheetLayout, so its definition may drop
// lines for model variants and options and its channel lists may show the usable channels only.
class iuiSheet : public cuiSheet {
public:
    // `state` must outlive Build.
    iuiSheet(SheetEnv& env,
             QWidget* parentArea,
             const cmcCellCapsule* context,
             std::int32_t initialKind,
             std::int32_t initialIndex,
             std::string key,
             const ChannelSheetState& state)
        : cuiSheet(env, parentArea, context, initialKind, initialIndex, std::move(key)), m_state(state) {}

protected:
    std::unique_ptr<SheetLayout> CreateLayout() override;

private:
    const ChannelSheetState& m_state;
};
