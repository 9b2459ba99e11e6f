// Pop-up selection lists: opening beside the cell, wrap, choosing with Enter and with the mouse,
// Escape, size limits and closing with the opener.
#include "SheetHarness.h"
#include "sheets/qt/cuiFlector.h"

#include <QPointer>
#include <QScreen>
#include <gtest/gtest.h>

namespace {

using sheetsqt::Harness;

// A list "L" of `items` selectable rows of kind Flex0 with Index 0, 1, ...
std::string ListSection(int items) {
    std::string text = "#L_Style\n(NoPrint)\n#L_BasicCell\n{<-}\n#L_Cells\n";
    for (int i = 0; i < items; ++i) {
        text += "{SWH(%Flex0[" + std::to_string(i) + "])}Item " + std::to_string(i) + "\n";
    }
    return text + "#\n";
}

// A channel sheet whose cells answer Enter by opening list "L" on item 1.
struct FlectorFixture : ::testing::Test {
    explicit FlectorFixture(int items = 3)
        : h(sheetsqt::ChannelSheet(20, "(FixedCols=1)(FixedRows=1)", ListSection(items))) {
        h.Build();
        h.behaviour.command = [this](cmcCellCapsule& capsule) {
            if (capsule.Command == 13 && capsule.EditState == cmcCellCapsule::kEditNone) {
                flector = cuiFlector::Create(h.env, capsule, 1, 1, "L");
                window = flector->Window();
            }
            return 0;
        };
    }

    // A list still open closes with its opener here, and its window goes before the opener's world.
    ~FlectorFixture() override {
        delete h.sheet;
        h.sheet = nullptr;
        Closed();
    }

    void Open() {
        h.Key(Qt::Key_Return);
        ASSERT_NE(flector, nullptr);
        h.TakeCalls();
    }
    cuiGrid& List() { return flector->Sheet()->Grid(); }
    bool Closed() {
        QApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return window.isNull();
    }
    std::vector<testsupport::RecordingBehaviour::Call> Choices() {
        std::vector<testsupport::RecordingBehaviour::Call> choices;
        for (const auto& call : h.TakeCalls()) {
            if (call.editState == cmcCellCapsule::kEditChoice) {
                choices.push_back(call);
            }
        }
        return choices;
    }

    Harness h;
    cuiFlector* flector = nullptr;
    QPointer<QWidget> window;
};

TEST_F(FlectorFixture, OpensBelowTheCellAndWraps) {
    Open();
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(flector->Sheet()->Current(), (GridPos{0, 1}));
    EXPECT_FALSE(List().HasScrollBars());
    const QRect cell = h.Grid().CellRect(h.sheet->Current());
    const QPoint cellBottomLeft = h.Grid().viewport()->mapToGlobal(cell.bottomLeft() + QPoint(0, 1));
    EXPECT_EQ(window->pos(), cellBottomLeft + QPoint(8, 0));
    QTest::keyClick(&List(), Qt::Key_Down);
    QTest::keyClick(&List(), Qt::Key_Down);
    EXPECT_EQ(flector->Sheet()->Current(), (GridPos{0, 0}));
    QTest::keyClick(&List(), Qt::Key_Up);
    EXPECT_EQ(flector->Sheet()->Current(), (GridPos{0, 2}));
}

TEST_F(FlectorFixture, TheCursorFollowsTheMouse) {
    Open();
    QTest::mouseMove(List().viewport(), List().CellRect({0, 0}).center());
    QTest::mouseMove(List().viewport(), List().CellRect({0, 2}).center());
    EXPECT_EQ(flector->Sheet()->Current(), (GridPos{0, 2}));
    EXPECT_TRUE(Choices().empty());
    const QImage picture = window->grab().toImage();
    if (const QByteArray shot = qgetenv("VQN58_LIST_SHOT"); !shot.isEmpty()) {
        picture.save(QString::fromLocal8Bit(shot));
    }
}

TEST_F(FlectorFixture, EnterSendsTheChoiceToTheOpener) {
    Open();
    QTest::keyClick(&List(), Qt::Key_Down);
    QTest::keyClick(&List(), Qt::Key_Return);
    const auto choices = Choices();
    ASSERT_EQ(choices.size(), 1U);
    EXPECT_EQ(choices[0].chosen.index, 2);
    EXPECT_EQ(choices[0].cell, h.sheet->Layout().Slot(1, 1).Cell().Identity()); // the opening cell
    EXPECT_TRUE(Closed());
}

// An answer may change related cells of the opener and open a list at once, and a choice changes them
// again: each time the opener's sheet repaints the cells the answer names, the list open or closing.
TEST_F(FlectorFixture, TheOpenerRepaintsWhatItsAnswersName) {
    constexpr int kSameKind = 1 << 2; // scope bit: every cell of the opening cell's kind
    const std::int32_t openerKind = h.sheet->Layout().Slot(1, 1).Cell().Kind();
    std::string mark = "-";
    h.behaviour.draw = [&](cmcCellCapsule& capsule) {
        capsule.OutText = capsule.Cell->Kind() == openerKind ? mark : "x";
    };
    h.Grid().viewport()->update();
    ASSERT_TRUE(sheetsqt::ShowsWhatItPaints(h.Grid()));
    h.behaviour.command = [&](cmcCellCapsule& capsule) {
        if (capsule.EditState == cmcCellCapsule::kEditChoice) {
            mark = "chosen";
        } else {
            mark = "open";
            flector = cuiFlector::Create(h.env, capsule, 1, 1, "L");
            window = flector->Window();
        }
        capsule.RefreshScope = kSameKind;
        return 0;
    };
    Open();
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(sheetsqt::ShowsWhatItPaints(h.Grid()));
    QTest::keyClick(&List(), Qt::Key_Return);
    ASSERT_EQ(Choices().size(), 1U);
    EXPECT_TRUE(Closed());
    EXPECT_TRUE(sheetsqt::ShowsWhatItPaints(h.Grid()));
}

TEST_F(FlectorFixture, EscapeChoosesNothing) {
    Open();
    QTest::keyClick(&List(), Qt::Key_Escape);
    EXPECT_TRUE(Choices().empty());
    EXPECT_TRUE(Closed());
}

TEST_F(FlectorFixture, AReleaseChoosesOnlyAfterAPressInside) {
    Open();
    // The release of the click that opened the list (no press inside) chooses nothing.
    QTest::mouseRelease(List().viewport(), Qt::LeftButton, Qt::NoModifier, List().CellRect({0, 0}).center());
    EXPECT_TRUE(Choices().empty());
    EXPECT_FALSE(Closed());
    QTest::mouseClick(List().viewport(), Qt::LeftButton, Qt::NoModifier, List().CellRect({0, 2}).center());
    const auto choices = Choices();
    ASSERT_EQ(choices.size(), 1U);
    EXPECT_EQ(choices[0].chosen.index, 2);
    EXPECT_TRUE(Closed());
}

TEST_F(FlectorFixture, ClosesWithItsOpenerAndOnCommit) {
    Open();
    h.events.Send(kEvCommitInput);
    EXPECT_TRUE(Closed());
    Open();
    delete h.sheet; // sends event 1 with its grid
    h.sheet = nullptr;
    EXPECT_TRUE(Closed());
}

struct TallFlectorFixture : FlectorFixture {
    TallFlectorFixture() : FlectorFixture(200) {}
};

TEST_F(TallFlectorFixture, ATallListGetsScrollBarsAndTheWorkAreasHeight) {
    Open();
    const QRect work = window->screen()->availableGeometry();
    EXPECT_TRUE(List().HasScrollBars());
    EXPECT_EQ(window->height(), work.height());
    EXPECT_TRUE(work.contains(window->geometry()));
    // With scroll bars the arrows stop at the ends.
    flector->Sheet()->SetCurrentCell({0, 199}, 1);
    QTest::keyClick(&List(), Qt::Key_Down);
    EXPECT_EQ(flector->Sheet()->Current(), (GridPos{0, 199}));
}

} // namespace
