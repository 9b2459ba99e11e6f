#pragma once

// The window with the real sheets on the walk-through doubles: started as the active window, so the
// keyboard focus is real, with helpers to open sheets from the tree and type into cells.

#include "WindowFixture.h"
#include "app/qt/WidgetSheetFactory.h"
#include "model/ChannelExport.h"
#include "platform/qt/QtFontMetrics.h"
#include "sheets/qt/InPlaceEditor.h"
#include "sheets/qt/cuiGrid.h"
#include "sheets/qt/cuiSheet.h"

#include <QApplication>

namespace testsupport {

class WindowWalkThrough : public WindowFixture {
protected:
    WindowWalkThrough() { factory = &widgetSheets; }
    ~WindowWalkThrough() override { program.reset(); } // before the sheets' factory

    // Starts the window on COM2, which is the simulated radio.
    void StartWithSimulatedRadio() {
        settings.comPort = 2;
        store.WriteString("Ports", "COM2", "sim");
        StartActive();
        App().Environ().SetConfiguredPortPath(2, "sim");
    }
    // Starts the window as the active one, so that the keyboard focus is real.
    void StartActive() {
        Start();
        Form().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&Form()));
    }
    // Selects the tree entry of `key` and lets the main task open its sheet.
    cuiSheet& OpenFromTree(const char* key) {
        Form().Tree()->setCurrentItem(Form().Tree()->FindNodeByArgument(key));
        Run(400);
        EXPECT_NE(Form().CurrentSheet(), nullptr);
        EXPECT_EQ(Form().CurrentSheet()->Key(), key);
        return Sheet();
    }
    cuiSheet& Sheet() { return *dynamic_cast<cuiSheet*>(Form().CurrentSheet()->Widget()); }
    void Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QWidget* target = QApplication::focusWidget();
        ASSERT_NE(target, nullptr);
        QTest::keyClick(target, static_cast<Qt::Key>(key), modifiers);
    }
    // Puts the cursor on `column` of free channel row `row` (counted from 0) and types `text` into the
    // editor Enter opens, leaving it open.
    void TypeIntoFreeChannel(int row, int column, const char* text) {
        cuiSheet& sheet = Sheet();
        sheet.SetCurrentCell({column, row + 1}, 1);
        sheet.Grid().setFocus();
        Key(Qt::Key_Return);
        ASSERT_TRUE(sheet.EditorShown());
        sheet.Editor()->selectAll();
        QTest::keyClicks(sheet.Editor(), QString::fromLatin1(text));
    }
    std::string FreeRow(const cmcEeprom& image, int row) {
        constexpr std::uint8_t kFreePlan = 5;
        return model::ChannelCsvRow(const_cast<cmcEeprom&>(image), kFreePlan, row);
    }

    platform::QtFontMetrics metrics;
    WidgetSheetFactory widgetSheets{definitions, events, metrics};
};

} // namespace testsupport
