#include "model/ChannelPlan.h"
#include "model/ModelRules.h"
#include "model/cmcClipCh.h"

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

TEST(cmcClipCh, CopiesAndPastesRowsWithinOnePlan) {
    cmcEeprom source = ImageWithInhibitedRows(kPlanUsa, 40, 4);
    cmcClipCh clip;
    clip.CopyRows(source, kPlanUsa, 40, 4);
    EXPECT_EQ(clip.Plan(), kPlanUsa);
    EXPECT_EQ(clip.First(), 40);
    EXPECT_EQ(clip.Count(), 4);
    EXPECT_TRUE(clip.Record(3).Inhibited);

    cmcEeprom target;
    target.SetSize(kImageSize);
    clip.PasteRows(target, kPlanUsa, 100, 10); // holds 4: writes 4
    for (int row = 98; row < 106; ++row) {
        const bool inhibited = (target.GetByte(AttributeAddress(kPlanUsa, row)) & kAttrInhibited) != 0;
        EXPECT_EQ(inhibited, row >= 100 && row < 104) << row;
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
