#include "sheets/qt/iuiSheet.h"

std::unique_ptr<cmcSheetLayout> iuiSheet::CreateLayout() {
    return std::make_unique<iuiSheetLayout>(Env().source, Key(), Metrics(), m_state);
}
