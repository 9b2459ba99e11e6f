#pragma once

#include "overlay/DefinitionSource.h"
#include "sheets/cmcCellCapsule.h"
#include "sheets/cmcCellObj.h"

#include <QApplication>
#include <functional>
#include <string>
#include <vector>

namespace uitest {

// The one application object of a widget test executable (offscreen platform).
inline QApplication& Application() {
    static int argc = 1;
    static char name[] = "ui_widgets_tests";
    static char* argv[] = {name, nullptr};
    // Never destroyed: key clicks leave Qt devices whose own clean-up at exit must find the
    // application still there.
    static auto* application = new QApplication(argc, argv);
    return *application;
}

// A behaviour double: records every request (kind, index, command) and lets a test decide the answer
// of a cell through `answer`.
class RecordingBehaviour final : public ICellBehaviour {
public:
    struct Request {
        std::int32_t kind;
        std::int32_t index;
        std::int32_t command;
        std::string argument;
        std::int32_t parentKind; // the kind of the parent capsule's cell, -1 without one
    };

    int Answer(cmcCellCapsule& capsule, int /*mode*/) override {
        const cmcCellObj& cell = *capsule.Cell;
        const std::int32_t parentKind =
            capsule.Parent != nullptr && capsule.Parent->Cell != nullptr ? capsule.Parent->Cell->Kind() : -1;
        requests.push_back({cell.Kind(), cell.Index(), capsule.Command, cell.Argument().value_or(""), parentKind});
        if (answer) {
            answer(capsule);
        }
        return 0;
    }

    std::vector<Request> requests;
    std::function<void(cmcCellCapsule&)> answer;
};

} // namespace uitest
