// F1 opens the user manual from anywhere in the window, also while a sheet's grid has the keyboard focus
// (the grid takes the function keys as cell commands, so the menu's shortcut must come first), and the
// manual opened is the one shipped beside the program.

#include "app/indEnviron.h"
#include "app/qt/MainProgram.h"
#include "events/cmcEvMan.h"
#include "overlay/DefinitionSource.h"
#include "overlay/cmcGTex.h"
#include "support/FakeClock.h"
#include "support/FakeInstanceLock.h"
#include "support/MemorySettingsStore.h"
#include "support/ScriptedFileDialogs.h"
#include "support/ScriptedMessageBox.h"
#ifdef VQN58_SHEET_WIDGETS
#include "app/qt/WidgetSheetFactory.h"
#include "platform/FontMetrics.h"
#else
#include "app/qt/TitleSheetFactory.h"
#endif

#include <QApplication>
#include <QDesktopServices>
#include <QTest>
#include <QUrl>
#include <gtest/gtest.h>

namespace {

QApplication& Application() {
    static int argc = 1;
    static char name[] = "app_help_tests";
    static char* argv[] = {name, nullptr};
    static auto* application = new QApplication(argc, argv);
    return *application;
}

// Stands in for the desktop's browser: records the files it is asked to show.
class UrlRecorder : public QObject {
    Q_OBJECT
public:
    std::vector<QUrl> opened;
public slots:
    void Open(const QUrl& url) { opened.push_back(url); }
};

class HelpKeyTest : public ::testing::Test {
protected:
    HelpKeyTest() {
        overlay.SetSourceFile(VQN58_BIN_DIR "/VQN58.OVL");
        QDesktopServices::setUrlHandler(QStringLiteral("file"), &browser, "Open");
        program =
            std::make_unique<MainProgram>(MainProgram::Platform{overlay,
                                                                events,
                                                                settings,
                                                                box,
                                                                dialogs,
                                                                time.Timers(),
                                                                time.Clock(),
                                                                sheets,
                                                                [] { return std::vector<platform::SerialPortEntry>{}; },
                                                                VQN58_BIN_DIR},
                                          std::vector<std::string>{"vqn58"});
        program->Form().show();
        QApplication::setActiveWindow(&program->Form());
    }
    ~HelpKeyTest() override { QDesktopServices::unsetUrlHandler(QStringLiteral("file")); }

    void OpenSheet(const char* key) {
        auto& form = program->Form();
        form.Tree()->setCurrentItem(form.Tree()->FindNodeByArgument(key));
        for (int i = 0; i < 500 && form.CurrentSheet() == nullptr; ++i) {
            time.Advance(1);
        }
    }

    QApplication& application = Application();
    UrlRecorder browser;
    testsupport::ScriptedMessageBox box;
    testsupport::ScriptedFileDialogs dialogs;
    testsupport::FakeTime time;
    bool held = false;
    testsupport::FakeInstanceLock lock{held};
    testsupport::MemorySettingsStore store;
    indEnviron settings{lock, store, ScreenSize{}};
    cmcGTex overlay;
    cmcEvMan events{time.Timers()};
    GTexDefinitionSource definitions{overlay};
#ifdef VQN58_SHEET_WIDGETS
    platform::FixedFontMetrics metrics;
    WidgetSheetFactory sheets{definitions, events, metrics};
#else
    TitleSheetFactory sheets{definitions};
#endif
    std::unique_ptr<MainProgram> program;
};

TEST_F(HelpKeyTest, F1OnASheetOpensTheShippedManual) {
    OpenSheet("GI_Sheet_IntCh");
    auto* sheet = program->Form().CurrentSheet();
    ASSERT_NE(sheet, nullptr);
    ASSERT_TRUE(sheet->FocusGrid());
    QWidget* focus = QApplication::focusWidget();
    ASSERT_NE(focus, nullptr);
    QTest::keyClick(focus, Qt::Key_F1);
    ASSERT_EQ(browser.opened.size(), 1u);
    EXPECT_EQ(browser.opened[0], QUrl::fromLocalFile(QStringLiteral(VQN58_BIN_DIR "/vqn58-help.html")));
    EXPECT_EQ(box.Count(), 0u); // the manual is there: no "could not be shown"
}

} // namespace

#include "HelpKeyTest.moc"
