// The cell painter on an image: colours, the bottom line, text alignment at scales 1 and 2, icons and
// joined cells; and the grid's highlight on a real sheet.
#include "sheets/qt/CellPainter.h"

#include "SheetHarness.h"
#include "platform/qt/QtFont.h"
#include "sheets/qt/ImageList.h"

#include <QImage>
#include <QPainter>
#include <QScreen>
#include <gtest/gtest.h>

namespace {

using sheetstest::Sheet;
using sheetstest::SheetText;

const QColor kBackdrop(1, 2, 3);

bool Dark(const QColor& colour) {
    return colour.lightness() < 100 && colour != kBackdrop;
}

bool Red(const QColor& colour) {
    return colour.red() > 120 && colour.green() < 90 && colour.blue() < 90;
}

struct PaintFixture : ::testing::Test {
    // Paints cell (column, row) of `sheet` into a 200 × 40 image at `rect`, on the backdrop colour.
    QImage Paint(SheetLayout& layout, GridPos pos, QRect rect, bool highlighted, bool printing = false, int scale = 1) {
        QImage image(200, 40, QImage::Format_RGB32);
        image.fill(kBackdrop);
        QPainter painter(&image);
        cmcCellCapsule capsule;
        const CellPaintContext context{painter,
                                       layout,
                                       behaviour,
                                       capsule,
                                       &images,
                                       palette,
                                       scale,
                                       printing,
                                       true,
                                       false,
                                       [highlighted](GridPos) { return highlighted; }};
        CellPainter(context).Draw(pos, rect);
        return image;
    }

    // The leftmost and rightmost columns of `rect` holding a pixel that `ink` accepts.
    template <typename Ink> static std::pair<int, int> InkColumns(const QImage& image, QRect rect, Ink ink) {
        int first = -1;
        int last = -1;
        for (int x = rect.left(); x <= rect.right(); ++x) {
            for (int y = rect.top(); y <= rect.bottom(); ++y) {
                if (ink(image.pixelColor(x, y))) {
                    first = first < 0 ? x : first;
                    last = x;
                    break;
                }
            }
        }
        return {first, last};
    }

    QApplication& app = sheetsqt::App(); // before the images
    testsupport::RecordingBehaviour behaviour;
    ImageList images = ImageList::WithCellMarks(8);
    QPalette palette;
};

TEST_F(PaintFixture, BackgroundsAndBottomLine) {
    palette.setColor(QPalette::Active, QPalette::Base, Qt::white);
    palette.setColor(QPalette::Active, QPalette::Highlight, QColor(0, 0, 200));
    Sheet<> sheet(SheetText("", "{<-}", {"{SB(Color=clWindow)}|{S(Color=clRed)}"}));
    SheetLayout& layout = sheet.Build();
    const QRect rect(10, 5, 60, 20);
    // On screen a white cell is filled too (no stale highlight remains); its bottom line is grey.
    QImage plain = Paint(layout, {0, 0}, rect, false);
    EXPECT_EQ(plain.pixelColor(11, 6), QColor(Qt::white));
    EXPECT_EQ(plain.pixelColor(30, rect.bottom()), QColor(128, 128, 128));
    EXPECT_EQ(plain.pixelColor(5, 5), kBackdrop); // nothing outside the cell
    // Highlighted: the highlight colour.
    EXPECT_EQ(Paint(layout, {0, 0}, rect, true).pixelColor(11, 6), QColor(0, 0, 200));
    // Printing leaves white unfilled and draws coloured cells grey; the bottom line is black.
    QImage printed = Paint(layout, {0, 0}, rect, false, true);
    EXPECT_EQ(printed.pixelColor(11, 6), kBackdrop);
    EXPECT_EQ(printed.pixelColor(30, rect.bottom()), QColor(Qt::black));
    EXPECT_EQ(Paint(layout, {1, 0}, rect, false, true).pixelColor(11, 6), QColor(0x60, 0x60, 0x60));
}

TEST_F(PaintFixture, TextAlignmentWithTheScale) {
    Sheet<> sheet(SheetText("", "{~(Font=,,clBlack,,,,)}", {"{<}IIII|{>}IIII|{^}IIII"}));
    SheetLayout& layout = sheet.Build();
    const QRect rect(20, 2, 120, 30);
    for (int scale : {1, 2}) {
        const auto [leftFirst, leftLast] = InkColumns(Paint(layout, {0, 0}, rect, false, false, scale), rect, Dark);
        EXPECT_GE(leftFirst, rect.left() + 4 * scale) << scale;
        EXPECT_LE(leftFirst, rect.left() + 4 * scale + 2) << scale;
        const auto [rightFirst, rightLast] = InkColumns(Paint(layout, {1, 0}, rect, false, false, scale), rect, Dark);
        EXPECT_LE(rightLast, rect.right() - 4 * scale + 1) << scale;
        EXPECT_GE(rightLast, rect.right() - 4 * scale - 2) << scale;
        const auto [centreFirst, centreLast] = InkColumns(Paint(layout, {2, 0}, rect, false, false, scale), rect, Dark);
        EXPECT_NEAR((centreFirst + centreLast) / 2.0, rect.center().x(), 2.0) << scale;
    }
}

TEST_F(PaintFixture, WarningMarkPlaces) {
    Sheet<> sheet(SheetText("", "{<(%CT_IntCh.)}", {"{S(%CL_ChList_No[0])}|{S>(%CL_ChList_No[1])}"}));
    SheetLayout& layout = sheet.Build();
    const QRect rect(10, 5, 100, 24);
    int place = cmcCellCapsule::kIconRightEdge;
    behaviour.draw = [&place](cmcCellCapsule& capsule) {
        capsule.OutText = "";
        capsule.SetState(cmcCellCapsule::kWarning, true);
        capsule.IconPlace = static_cast<std::uint8_t>(place);
    };
    auto redColumns = [&](GridPos pos) { return InkColumns(Paint(layout, pos, rect, false), rect, Red); };
    // Right edge: the image ends one pixel inside the right edge.
    EXPECT_NEAR(redColumns({0, 0}).second, rect.right() - 1 - 1, 1);
    // Left: one eighth of the image width in from the left edge.
    place = cmcCellCapsule::kIconLeft;
    EXPECT_NEAR(redColumns({0, 0}).first, rect.left() + 1, 1);
    // Default on a right-aligned cell: left.
    place = cmcCellCapsule::kIconDefault;
    EXPECT_NEAR(redColumns({1, 0}).first, rect.left() + 1, 1);
    // Printed: a black vector cross half the cell's height, at the right edge.
    place = cmcCellCapsule::kIconRightEdge;
    const QImage printed = Paint(layout, {0, 0}, rect, false, true);
    const auto [first, last] = InkColumns(printed, rect, Dark);
    EXPECT_NEAR(last, rect.right() - 1 - 1, 1);
    EXPECT_NEAR(last - first + 1, rect.height() / 2 - 1, 1); // the tips at x = 0 and W − 1 cover no pixel
    EXPECT_EQ(InkColumns(printed, rect, Red).first, -1);
}

TEST_F(PaintFixture, JoinedCellShowsItsOwner) {
    Sheet<> sheet(SheetText("", "{<(%CT_IntCh.)}", {"{S(%CL_ChList_No[3])}|{+(%CL_ChList_Atr[9])}"}));
    SheetLayout& layout = sheet.Build();
    std::vector<CellIdentity> asked;
    behaviour.draw = [&asked](cmcCellCapsule& capsule) {
        asked.push_back(capsule.Cell->Identity());
        capsule.OutText = "owner";
    };
    Paint(layout, {1, 0}, QRect(50, 0, 40, 20), false);
    ASSERT_EQ(asked.size(), 1U);
    EXPECT_EQ(asked[0].index, 3);
    // A JoinLeft cell in column 0 has no owner on its left: it draws itself.
    Sheet<> edge(SheetText("", "{<(%CT_IntCh.)}", {"{+(%CL_ChList_No[4])}"}));
    asked.clear();
    Paint(edge.Build(), {0, 0}, QRect(0, 0, 40, 20), false);
    ASSERT_EQ(asked.size(), 1U);
    EXPECT_EQ(asked[0].index, 4);
}

TEST(SheetPaint, CurrentCellHighlightFollowsTheFocus) {
    sheetsqt::Harness h(sheetsqt::ChannelSheet());
    cuiSheet& sheet = h.Build();
    const QRect rect = h.Grid().CellRect(sheet.Current());
    const QPoint probe = h.Grid().viewport()->mapTo(&h.Grid(), rect.topLeft() + QPoint(1, 1));
    const QPalette palette = h.Grid().palette();
    ASSERT_TRUE(h.Grid().hasFocus());
    EXPECT_EQ(h.Grid().grab().toImage().pixelColor(probe), platform::ToQColor(0x8000000D, palette));
    h.Grid().clearFocus();
    QApplication::processEvents();
    EXPECT_EQ(h.Grid().grab().toImage().pixelColor(probe), platform::ToQColor(0x8000000F, palette));
    EXPECT_TRUE(sheetsqt::ShowsWhatItPaints(h.Grid()));
}

TEST(SheetPaint, JoinedAndFollowingCellsRepaintWithTheirOwner) {
    sheetsqt::Harness h(sheetstest::SheetText(
        "",
        "{<-(%CT_IntCh.)}",
        {":(LoopFrom 5)", "{SWH(%CL_ChList_No[0])}AAAA|{+W}xxxx|{SWH(%CL_ChList_Atr[0])}BBBB|{TW}yyyy", ":(LoopTo)"}));
    cuiSheet& sheet = h.Build();
    const QColor highlight = platform::ToQColor(0x8000000D, h.Grid().palette());
    auto colourAt = [&](GridPos pos) {
        const QPoint probe = h.Grid().viewport()->mapTo(&h.Grid(), h.Grid().CellRect(pos).topLeft() + QPoint(1, 1));
        return h.Grid().grab().toImage().pixelColor(probe);
    };
    EXPECT_EQ(colourAt({1, 0}), highlight); // the joined cell is drawn as its owner
    EXPECT_TRUE(sheetsqt::ShowsWhatItPaints(h.Grid()));
    h.Key(Qt::Key_Right);
    ASSERT_EQ(sheet.Current(), (GridPos{2, 0}));
    EXPECT_NE(colourAt({1, 0}), highlight);
    EXPECT_EQ(colourAt({3, 0}), highlight); // the following cell takes its owner's highlight
    EXPECT_TRUE(sheetsqt::ShowsWhatItPaints(h.Grid()));
    h.Key(Qt::Key_Down);
    EXPECT_NE(colourAt({3, 0}), highlight);
    EXPECT_TRUE(sheetsqt::ShowsWhatItPaints(h.Grid()));
}

// A command that changes other cells than its own (a mark that moves to another row) names them in
// its answer's RefreshScope; the sheet repaints them.
TEST(SheetPaint, TheCellsAnAnswerNamesAreRepainted) {
    constexpr int kSameKind = 1 << 2; // scope bit: every cell of the asking cell's kind
    sheetsqt::Harness h(sheetsqt::ChannelSheet());
    std::string mark = "-";
    std::int32_t markedKind = -1;
    h.behaviour.draw = [&](cmcCellCapsule& capsule) {
        capsule.OutText = capsule.Cell->Kind() == markedKind ? mark : "x";
    };
    h.behaviour.command = [&](cmcCellCapsule& capsule) {
        mark = "P";
        capsule.RefreshScope = kSameKind;
        return 0;
    };
    cuiSheet& sheet = h.Build();
    markedKind = sheet.Layout().Slot(2, 1).Cell().Kind();
    sheet.Grid().viewport()->update();
    sheet.SetCurrentCell({2, 3}, 1);
    ASSERT_TRUE(sheetsqt::ShowsWhatItPaints(h.Grid()));
    h.Key(Qt::Key_Return);
    ASSERT_EQ(h.TakeCalls().size(), 1U);
    EXPECT_TRUE(sheetsqt::ShowsWhatItPaints(h.Grid()));
}

TEST(SheetPaint, ScrollingMovesPixelsToTheSamePicture) {
    sheetsqt::Harness h(sheetsqt::ChannelSheet(120));
    cuiSheet& sheet = h.Build();
    QApplication::processEvents();
    for (int step = 0; step < 40; ++step) {
        sheet.MoveCursor(0, 1);
        QApplication::processEvents();
    }
    sheet.MoveCursor(0, -25);
    QApplication::processEvents();
    ASSERT_GT(h.Grid().TopRow(), 1);
    EXPECT_TRUE(sheetsqt::ShowsWhatItPaints(h.Grid()));
}

} // namespace
