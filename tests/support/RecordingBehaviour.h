#pragma once

#include "sheets/cmcCellCapsule.h"
#include "sheets/cmcCellObj.h"

#include <functional>
#include <string>
#include <vector>

namespace testsupport {

// A behaviour double for sheets: draws every cell with a kind as "<kind>:<index>" (or what `draw`
// answers), records every command it is sent, and answers commands through `command` when set.
class RecordingBehaviour final : public ICellBehaviour {
public:
    // One command as the sheet sent it.
    struct Call {
        CellIdentity cell;
        int command = 0;
        int param = 0;
        int editState = 0;
        std::string inputText;
        bool rangeSet = false;
        int rangeFirst = 0;
        int rangeLast = 0;
        bool isCurrent = false;
        CellIdentity chosen; // with editState 2: the chosen list item (the capsule's Parent cell)
    };

    // Drawing: fills OutText, Warning, Caution, IconPlace; default "<kind>:<index>".
    std::function<void(cmcCellCapsule&)> draw;
    // Commands: fills the answer and returns the result (0 nothing, 1 drop, 2 open editor).
    std::function<int(cmcCellCapsule&)> command;

    std::vector<Call> calls;
    int drawn = 0;

    int Answer(cmcCellCapsule& capsule, int mode) override {
        if (mode == kDraw) {
            ++drawn;
            if (draw) {
                draw(capsule);
            } else {
                capsule.OutText = std::to_string(capsule.Cell->Kind()) + ":" + std::to_string(capsule.Cell->Index());
            }
            return kNothing;
        }
        Call call;
        call.cell = capsule.Cell->Identity();
        call.command = capsule.Command;
        call.param = capsule.Param;
        call.editState = capsule.EditState;
        call.inputText = capsule.InputText;
        call.rangeSet = capsule.RangeSet();
        call.rangeFirst = capsule.RangeFirst;
        call.rangeLast = capsule.RangeLast;
        call.isCurrent = capsule.IsCurrent();
        if (capsule.EditState == cmcCellCapsule::kEditChoice && capsule.Parent != nullptr &&
            capsule.Parent->Cell != nullptr) {
            call.chosen = capsule.Parent->Cell->Identity();
        }
        calls.push_back(call);
        return command ? command(capsule) : kNothing;
    }
};

} // namespace testsupport
