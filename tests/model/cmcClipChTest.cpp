#include "model/cmcClipCh.h"

#include "model/ChannelPlan.h"
#include "model/ModelRules.h"

#include <gtest/gtest.h>

namespace {

using namespace model;

cmcEeprom ImageWithInhibitedRows(std::uint8_t plan, int first, int count) {
    cmcEeprom image;
    image.SetSize(kImageSize);
    for (int row = first; row < first + count; ++row) {
        image.SetByte(AttributeAddress(plan, row), kAttrInhibited);
    }
    return image;
}

// The target is filled with user bits the source rows lack, so every row written shows, and only
// the held records may be written, from the first channel on.
TEST(cmcClipCh, CopiesAndPastesRowsWithinOnePlan) {
    cmcEeprom source = ImageWithInhibitedRows(kPlanUsa, 40, 4);
    cmcClipCh clip;
    clip.CopyRows(source, kPlanUsa, 40, 4);
    EXPECT_EQ(clip.Plan(), kPlanUsa);
    EXPECT_EQ(clip.First(), 40);
    EXPECT_EQ(clip.Count(), 4);
    EXPECT_TRUE(clip.Record(3).Inhibited);

    struct Case {
        int count;   // asked for
        int written; // rows that must change
    } cases[] = {{10, 4}, {4, 4}, {1, 1}};
    for (const auto& c : cases) {
        cmcEeprom target;
        target.SetSize(kImageSize);
        target.Fill(kAttrTagged | kAttrPoc | kAttrTxInhibit | kAttrSimplex);
        const cmcEeprom before = target;
        clip.PasteRows(target, kPlanUsa, 100, c.count);
        for (std::int32_t a = 0; a < kImageSize; ++a) {
            const std::int32_t row = a - AttributeAddress(kPlanUsa, 0);
            if (row >= 100 && row < 100 + c.written) {
                // Inhibited, the rest of the user bits from the source (simplex for the odd rows).
                const std::uint8_t simplex = row % 2 == 1 ? kAttrSimplex : 0;
                EXPECT_EQ(target.GetByte(a) & kAttrUserBits, kAttrInhibited | simplex) << row;
            } else {
                EXPECT_EQ(target.GetByte(a), before.GetByte(a)) << "count " << c.count << " address " << a;
            }
        }
    }
}

TEST(cmcClipCh, RefusesAnotherPlanAndAnEmptyClipboard) {
    cmcEeprom source = ImageWithInhibitedRows(kPlanUsa, 0, 2);
    cmcClipCh clip;
    EXPECT_FALSE(clip.Accepts(kPlanNone));
    clip.CopyRows(source, kPlanUsa, 0, 2);
    EXPECT_FALSE(clip.Accepts(kPlanCanada));

    cmcEeprom target;
    target.SetSize(kImageSize);
    const cmcEeprom before = target;
    clip.PasteRows(target, kPlanCanada, 0, 2);
    EXPECT_TRUE(target.Equals(before));

    clip.Clear();
    EXPECT_EQ(clip.Count(), 0);
    EXPECT_FALSE(clip.Accepts(kPlanUsa));
}

TEST(cmcClipCh, FillBlankMakesBlankRecordsOfTheFirstChannel) {
    cmcEeprom image;
    image.SetSize(kImageSize);
    cmcClipCh clip;
    clip.FillBlank(image, kPlanFree, 5, 3);
    ASSERT_EQ(clip.Count(), 3);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(clip.Record(i).ChIndex, 5);
        EXPECT_TRUE(clip.Record(i).RxBlank);
        EXPECT_EQ(clip.Record(i).Image, &image);
    }
}

} // namespace
