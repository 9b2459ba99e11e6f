#pragma once

#include "model/CellColours.h"
#include "model/ICellDocument.h"
#include "model/IDocumentCommands.h"
#include "model/IViewCommands.h"
#include "model/ValueEditors.h"
#include "model/datCh.h"
#include "sheets/CellRelations.h"
#include "sheets/cmcCellCapsule.h"

#include <cstdint>
#include <string>

// The working state of one answer of the behaviour object, handed to the handlers of each kind
// family. Lives for one call of indActiveCell::Answer.
namespace model {

struct CellAnswer {
    CellAnswer(cmcCellCapsule& c, ICellDocument& d, IDocumentCommands& dc, IViewCommands& v)
        : capsule(c), document(d), documentCommands(dc), view(v),
          record(d.CellImage()), editors{d.Texts(), d.CellTables(), v, kEditorDone, {}} {}

    cmcCellCapsule& capsule;
    ICellDocument& document;
    IDocumentCommands& documentCommands;
    IViewCommands& view;
    datCh record;          // the channel row of the cell, when it belongs to a channel list
    EditorContext editors; // result and refusal of the value editors
    std::int32_t category = 0;
    std::int32_t kind = 0;
    std::int32_t index = 0;
    int plan = 0;
    int scope = kScopeCell;
    bool restricted = false; // raised when the restricted rule cancelled a key

    cmcEeprom& Image() { return document.CellImage(); }
    // True only for Enter (also a double click and the Edit item of a pop-up menu).
    bool OnEnter() const { return capsule.Command == cmcCellCapsule::kCommandEnter; }

    // The restricted rule: the text drawn in olive; a typed key, Enter included, is cancelled and
    // explained by the restricted status text.
    void Restrict() {
        capsule.TextColor = kColourOlive;
        if (capsule.Command > cmcCellCapsule::kCommandNone && capsule.Command <= cmcCellCapsule::kCommandLastTyped) {
            capsule.Command = cmcCellCapsule::kCommandNone;
            restricted = true;
        }
    }
    // A value that cannot be changed, with the status text that says why: keys and commits alike.
    void Refuse(std::string why) {
        const bool asked =
            capsule.Command != cmcCellCapsule::kCommandNone || capsule.EditState != cmcCellCapsule::kEditNone;
        Restrict();
        if (asked) {
            editors.refusal = std::move(why);
        }
    }
};

} // namespace model
