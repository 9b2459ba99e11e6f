#pragma once

#include "model/CellAnswer.h"
#include "model/CellKinds.h"

// The handlers of the kind families. Each answers the kinds of its family and returns true, or returns
// false for a kind it does not know (the behaviour object then shows "%d *Yet*").
namespace model {

// Selection items, indicators, the free byte, main-window commands, clone information, pop-up menu
// items and drawing helpers (kinds 0 to 111 that have a behaviour).
bool AnswerCommandKind(CellAnswer& answer);
// Channel list and free-channel columns and the warning probes over whole plans.
bool AnswerChannelKind(CellAnswer& answer);
// Common, ATIS, tone, timer, function-enable and factory settings (kinds 122 to 148 and 200 to 253).
bool AnswerSettingKind(CellAnswer& answer);

// The rows of `plan` that the channel edit commands may work on; false when the plan has none.
bool EditableRowRange(int plan, std::int32_t& first, std::int32_t& last);
// Runs channel edit command `command` (60 to 66) on the answer's row.
void RunEditCommand(CellAnswer& answer, std::int32_t command);

} // namespace model
