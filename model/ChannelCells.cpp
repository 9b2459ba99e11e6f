// The channel list cells and their edit commands plug in here; until they are built, the channel
// kinds answer as declared kinds without behaviour and the edit commands do nothing.

#include "model/CellKinds.h"
#include "model/KindHandlers.h"

namespace model {

bool AnswerChannelKind(CellAnswer& /*answer*/) {
    return false;
}

bool EditableRowRange(int plan, std::int32_t& first, std::int32_t& last) {
    first = 0;
    switch (plan) {
    case kPlanInt:
    case kPlanUsa:
    case kPlanCan:
        last = 233; // rows 234 to 303 mirror the free channels, which own them
        return true;
    case kPlanWx:
        last = 9;
        return true;
    case kPlanFree:
        last = 69;
        return true;
    default:
        last = -1;
        return false;
    }
}

void RunEditCommand(CellAnswer& /*answer*/, std::int32_t /*command*/) {}

} // namespace model
