// The simulated radio's default memory: a believable owner's radio on top of the factory data.

#include "link/sim/OwnerImage.h"

#include "model/ChannelExport.h"
#include "model/ChannelPlan.h"
#include "model/ImageMap.h"
#include "model/ImageWords.h"
#include "model/ModelRules.h"
#include "model/datCh.h"
#include "tools/mkinitial/FactoryImage.h"

#include <gtest/gtest.h>
#include <string>

namespace {

using namespace model;

struct OwnerCase {
    int modelType;
    const char* comment;
    int freeIndex; // an owner's free channel
    const char* name;
    std::uint32_t hz;
    bool atis;
};

const OwnerCase kCases[] = {
    {0, "SEA OTTER  WA", 0, "CLb", 156'425'000, false},
    {1, "SY ALBATROS", 0, "31 ", 157'550'000, false},
    {2, "SY KESTREL COWES", 2, "80 ", 157'025'000, false},
    {3, "MS RHEINGOLD", 0, "31 ", 157'550'000, true},
    {4, "SY NORDLYS", 2, "L3 ", 155'650'000, false},
};

class OwnerImageTest : public ::testing::TestWithParam<OwnerCase> {};

TEST_P(OwnerImageTest, IsThisRadiosWithTheOwnersChanges) {
    const OwnerCase& c = GetParam();
    cmcEeprom image = radiosim::OwnerImage(c.modelType);
    ASSERT_EQ(image.GetSize(), kImageSize);
    EXPECT_FALSE(RejectImage(image));
    EXPECT_FALSE(IsNewerImage(image));
    EXPECT_EQ(ImageModelType(image), c.modelType);
    EXPECT_EQ(CloneFileComment(image), c.comment);

    datCh record(image);
    record.Load(kPlanFree, c.freeIndex);
    EXPECT_EQ(std::string(record.Name.begin(), record.Name.end()), c.name);
    EXPECT_EQ(record.RxHz, c.hz);
    EXPECT_EQ(record.TxHz, c.hz);
    // The free channel's row is usable and simplex in the International list.
    record.Load(kPlanInternational, kFirstFreeRow + c.freeIndex);
    EXPECT_FALSE(record.Inhibited);
    EXPECT_TRUE(record.Simplex);

    // Channel 16 is tagged for scan; channel 70 (digital calling only) stays untouched.
    record.Load(kPlanInternational, 32);
    EXPECT_TRUE(record.Tagged);
    record.Load(kPlanInternational, 140);
    EXPECT_TRUE(record.Inhibited);
    EXPECT_FALSE(record.Tagged);

    EXPECT_TRUE(IsAtisIdentityValid(image));
    const bool anyAtisDigit = image.GetByte(kAtisId) != 0;
    EXPECT_EQ(anyAtisDigit, c.atis);
}

TEST_P(OwnerImageTest, EveryChangeSurvivesTheMergeWithTheFactoryData) {
    const int type = GetParam().modelType;
    const cmcEeprom owner = radiosim::OwnerImage(type);
    const cmcEeprom factory = mkinitial::BuildFactoryImage(mkinitial::Variants()[static_cast<std::size_t>(type)]);
    EXPECT_TRUE(owner.Differs(factory));
    for (const bool forWrite : {false, true}) {
        cmcEeprom merged(owner);
        MergeImage(merged, factory, type, forWrite, nullptr);
        EXPECT_FALSE(merged.Differs(owner)) << "forWrite " << forWrite;
    }
}

TEST_P(OwnerImageTest, TonesAndTimersStayInsideTheirEditorsRanges) {
    const cmcEeprom image = radiosim::OwnerImage(GetParam().modelType);
    for (std::int32_t address = 0x66E; address <= 0x67E; address += 2) {
        // Shown tone: 499200 / (2 (divider + 1)), edited within 400 to 2971 Hz.
        const int hz = 499200 / (2 * (GetWord(image, address) + 1));
        EXPECT_GE(hz, 400) << std::hex << address;
        EXPECT_LE(hz, 2971) << std::hex << address;
    }
    EXPECT_EQ(GetWord(image, 0x650) % 10, 0);
    EXPECT_GE(GetWord(image, 0x650) / 10, 20);
    EXPECT_GE(image.GetByte(0x6D2), 60);
}

INSTANTIATE_TEST_SUITE_P(ModelTypes,
                         OwnerImageTest,
                         ::testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<OwnerCase>& p) {
                             return "ModelType" + std::to_string(p.param.modelType);
                         });

TEST(OwnerImage, TheUsaRadioScansItsOwnListAndShowsTheClubChannel) {
    cmcEeprom image = radiosim::OwnerImage(0);
    datCh record(image);
    for (const int row : {18, 26, 32, 45, 136, 157}) { // 9, 13, 16, 22A, 68, 78A
        record.Load(kPlanUsa, row);
        EXPECT_TRUE(record.Tagged) << row;
    }
    EXPECT_EQ(ChannelLabel(image, kPlanUsa, kFirstFreeRow), "CLb");
    const std::string csv = ExportChannels(image);
    EXPECT_NE(csv.find("free,0,1,,,,,,,156425000,156425000,CLb\n"), std::string::npos);
}

TEST(OwnerImage, AtisIdentityOfTheInlandVesselHoldsItsDigitsAndCheckByte) {
    const cmcEeprom image = radiosim::OwnerImage(3);
    const std::uint8_t expected[] = {92, 11, 23, 45, 67};
    int sum = 0;
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(image.GetByte(kAtisId + i), expected[i]);
        sum += expected[i];
    }
    EXPECT_EQ(image.GetByte(kAtisCheck), static_cast<std::uint8_t>(~sum));
}

} // namespace
