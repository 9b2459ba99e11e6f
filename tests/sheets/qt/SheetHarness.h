#pragma once

#include "../SheetFixture.h"
#include "events/EventNumbers.h"
#include "events/cmcEvMan.h"
#include "overlay/DefinitionSource.h"
#include "platform/FontMetrics.h"
#include "sheets/qt/SheetEnv.h"
#include "sheets/qt/cuiGrid.h"
#include "sheets/qt/cuiSheet.h"
#include "support/FakeClock.h"
#include "support/RecordingBehaviour.h"

#include <QApplication>
#include <QImage>
#include <QScreen>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace sheetsqt {

// Ends the application object after the last test, before the program's exit handlers run (Qt's own
// globals are gone by then, so a static application object would crash on its way out).
class AppEnvironment final : public ::testing::Environment {
public:
    static QApplication*& Instance() {
        static QApplication* application = nullptr;
        return application;
    }
    void TearDown() override {
        delete Instance();
        Instance() = nullptr;
    }
};

// The one application object of the widget tests (offscreen platform).
inline QApplication& App() {
    static int argc = 1;
    static char name[] = "sheets_qt_tests";
    static char* argv[] = {name, nullptr};
    if (AppEnvironment::Instance() == nullptr) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
        }
        AppEnvironment::Instance() = new QApplication(argc, argv);
        ::testing::AddGlobalTestEnvironment(new AppEnvironment);
    }
    return *AppEnvironment::Instance();
}

// Whether the window shows (in its backing store) what a fresh paint of the whole window gives: no
// cell was left unpainted after a change.
inline bool ShowsWhatItPaints(QWidget& widget) {
    QApplication::processEvents();
    QWidget* window = widget.window();
    const QImage shown = window->screen()->grabWindow(window->winId()).toImage().convertToFormat(QImage::Format_RGB32);
    const QImage painted = window->grab().toImage().convertToFormat(QImage::Format_RGB32);
    return shown.size() == painted.size() && shown == painted;
}

// A channel-like sheet "S": a header row that is not selectable, then `rows` rows of a row number
// (not selectable) and three selectable cells of kinds CL_ChList_No, _Atr and _Tag with Index 0, 1, ...
// Column 0 and row 0 are fixed; multi-selection by lines.
inline std::string ChannelSheet(int rows = 20,
                                const std::string& style = "(FixedCols=1)(FixedRows=1)(MultiSelect=Line)",
                                const std::string& more = "") {
    return sheetstest::SheetText(style,
                                 "{<-(%CT_IntCh.)}",
                                 {":(SelectOFF)",
                                  "{WH}No.|{WH}A|{WH}B|{WH}C",
                                  ":(SelectON)(LoopFrom " + std::to_string(rows) + ")",
                                  "{WH(%CL_Misc_ChNo_1Base[0])}000|{SWH(%CL_ChList_No[0])}AAAA|{SWH(%CL_ChList_Atr[0])}"
                                  "BBBB|{SWH(%CL_ChList_Tag[0])}CCCC",
                                  ":(LoopTo)"},
                                 more);
}

// A sheet on the offscreen platform with a recording behaviour, fake time and its own event manager.
struct Harness {
    explicit Harness(const std::string& overlay)
        : source((App(), overlay)), events(time.Timers()), env{source, events, metrics} {
        env.behaviour = &behaviour;
        env.pause = [this](int ms) {
            pauses.push_back(ms);
            time.Clock().Advance(static_cast<std::uint32_t>(ms));
        };
        new QVBoxLayout(&area);
        area.layout()->setContentsMargins(0, 0, 0, 0);
        area.resize(420, 300);
    }

    // Builds sheet "S" (`prepare` runs before Build), shows it and gives its grid the focus.
    cuiSheet& Build(const std::function<void(cuiSheet&)>& prepare = {}, std::int32_t kind = 0, std::int32_t index = 0) {
        sheet = new cuiSheet(env, &area, nullptr, kind, index, "S");
        if (prepare) {
            prepare(*sheet);
        }
        sheet->Build();
        area.show();
        area.activateWindow();
        sheet->Grid().setFocus();
        QApplication::processEvents();
        return *sheet;
    }

    QWidget* Focused() { return QApplication::focusWidget() != nullptr ? QApplication::focusWidget() : &Grid(); }
    void Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(Focused(), static_cast<Qt::Key>(key), modifiers);
    }
    cuiGrid& Grid() { return sheet->Grid(); }
    // The centre of a cell in the grid's viewport.
    QPoint Centre(GridPos pos) { return Grid().CellRect(pos).center(); }
    void Click(GridPos pos, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mouseClick(Grid().viewport(), button, Qt::NoModifier, Centre(pos));
    }
    // The commands recorded so far, and forgets them.
    std::vector<testsupport::RecordingBehaviour::Call> TakeCalls() {
        auto calls = std::move(behaviour.calls);
        behaviour.calls.clear();
        return calls;
    }

    testsupport::FakeTime time;
    TextDefinitionSource source;
    platform::FixedFontMetrics metrics;
    cmcEvMan events;
    testsupport::RecordingBehaviour behaviour;
    std::vector<int> pauses;
    SheetEnv env;
    QWidget area;
    cuiSheet* sheet = nullptr;
};

} // namespace sheetsqt
