// The Qt file dialogs under the offscreen platform: what the user picks comes back, Cancel gives nothing.

#include "platform/qt/QtFileDialogs.h"

#include "support/TempDir.h"

#include <QApplication>
#include <QFileDialog>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace {

QApplication& Application() {
    // Also when the test runs outside ctest, which sets the platform itself.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    // The window's tests in the same executable may have made the one application object already.
    if (auto* existing = qobject_cast<QApplication*>(QCoreApplication::instance())) {
        return *existing;
    }
    static int argc = 1;
    static char name[] = "app_window_tests";
    static char* argv[] = {name, nullptr};
    // Never destroyed, like the window tests' own: widgets of other tests may outlive this one.
    static auto* application = new QApplication(argc, argv);
    return *application;
}

// Runs `act` on the dialog as soon as it is shown.
void WhenShown(std::function<void(QFileDialog&)> act) {
    QTimer::singleShot(0, [act] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        act(*dialog);
    });
}

TEST(QtFileDialogs, ChosenFilesComeBackAndCancelGivesNothing) {
    Application();
    testsupport::TempDir dir;
    const auto existing = dir.Write("radio.qcf", "x");
    platform::QtFileDialogs dialogs;
    platform::FileDialogSetup setup{"qcf", "Clone files (*.qcf);;All files (*)", dir.Path(), ""};

    std::string shownDirectory;
    WhenShown([&](QFileDialog& dialog) {
        shownDirectory = dialog.directory().absolutePath().toStdString();
        dialog.selectFile(QStringLiteral("radio.qcf"));
        static_cast<QDialog&>(dialog).accept(); // the dialog's own checks run as for the OK button
    });
    EXPECT_EQ(dialogs.GetOpenFileName(setup), existing);
    EXPECT_EQ(shownDirectory, dir.Path().string());

    WhenShown([](QFileDialog& dialog) { dialog.reject(); });
    EXPECT_FALSE(dialogs.GetOpenFileName(setup).has_value());

    // A name typed without its extension gets the default one.
    setup.fileName = "Untitled";
    WhenShown([](QFileDialog& dialog) {
        dialog.selectFile(QStringLiteral("copy"));
        static_cast<QDialog&>(dialog).accept(); // the dialog's own checks run as for the OK button
    });
    EXPECT_EQ(dialogs.GetSaveFileName(setup), dir / "copy.qcf");
}

} // namespace
