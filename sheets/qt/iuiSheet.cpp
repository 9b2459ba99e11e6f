#include "sheets/qt/iuiSheet.h"

std::unique_ptr<SheetLayout> iuiSheet::CreateLayout() {
    return std::make_unique<ChannelSheetLayout>(Env().source, Key(), Metrics(), m_state);
}
