#include "platform/qt/QtFont.h"

#include "platform/qt/QtFontMetrics.h"

#include <QGuiApplication>
#include <gtest/gtest.h>

namespace {

TEST(QtFont, ColoursAndSystemColours) {
    EXPECT_EQ(platform::ToQColor(0x0080FF), QColor(255, 128, 0));
    QPalette palette;
    palette.setColor(QPalette::Active, QPalette::Base, QColor(1, 2, 3));
    palette.setColor(QPalette::Active, QPalette::Text, QColor(4, 5, 6));
    palette.setColor(QPalette::Active, QPalette::Button, QColor(7, 8, 9));
    EXPECT_EQ(platform::ToQColor(0x80000005, palette), QColor(1, 2, 3)); // window
    EXPECT_EQ(platform::ToQColor(0x80000008, palette), QColor(4, 5, 6)); // window text
    EXPECT_EQ(platform::ToQColor(0x8000000F, palette), QColor(7, 8, 9)); // button face
    EXPECT_EQ(platform::ToQColor(0x80000099, palette), QColor(1, 2, 3)); // unknown index
}

TEST(QtFont, FontFieldsAndMetrics) {
    int argc = 1;
    char name[] = "platform_qt_tests";
    char* argv[] = {name, nullptr};
    // The test environment should already ask for it; without a display nothing else works.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication application(argc, argv);

    platform::FontDesc font;
    font.height = -20;
    font.style = platform::FontDesc::kBold | platform::FontDesc::kItalic;
    font.pitch = platform::FontDesc::kPitchFixed;
    const QFont qfont = platform::ToQFont(font);
    EXPECT_EQ(qfont.pixelSize(), 20);
    EXPECT_TRUE(qfont.bold());
    EXPECT_TRUE(qfont.italic());
    EXPECT_FALSE(qfont.underline());
    EXPECT_TRUE(qfont.fixedPitch());

    platform::QtFontMetrics metrics;
    EXPECT_GT(metrics.LineWidth(font, "WWWW"), metrics.LineWidth(font, "W"));
    EXPECT_EQ(metrics.LineWidth(font, ""), 0);
    font.height = -40;
    const int big = metrics.LineHeight(font);
    font.height = -10;
    EXPECT_GT(big, metrics.LineHeight(font));
}

} // namespace
