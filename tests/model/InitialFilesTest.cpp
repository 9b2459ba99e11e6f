#include "CloneFiles.h"
#include "model/ChannelPlan.h"
#include "model/ImageMap.h"
#include "model/ImageWords.h"
#include "model/ModelRules.h"
#include "model/datCh.h"
#include "overlay/cmcGTex.h"
#include "tools/mkinitial/MarinePlans.h"

#include <cmath>
#include <gtest/gtest.h>
#include <set>
#include <string>

namespace {

using namespace model;

constexpr int Row(int channel, bool a = false) {
    return 2 * channel + (a ? 1 : 0);
}

class InitialFiles : public ::testing::TestWithParam<int> {
protected:
    void SetUp() override {
        ASSERT_EQ(testmodel::ReadInitialFile(testmodel::ShippedInitialFile(GetParam()), m_image), 0);
    }

    datCh Load(std::uint8_t plan, int row) {
        datCh record(m_image);
        record.Load(plan, row);
        return record;
    }

    cmcEeprom m_image;
};

TEST_P(InitialFiles, ReadAcceptedAndOfTheirModelType) {
    EXPECT_FALSE(RejectImage(m_image));
    EXPECT_FALSE(IsNewerImage(m_image));
    EXPECT_EQ(ImageModelType(m_image), GetParam());
    EXPECT_TRUE(IsAtisIdentityValid(m_image));
}

// New documents start as a copy of the initial image after its merge: the merge must not change it.
TEST_P(InitialFiles, MergedWithThemselvesNothingChanges) {
    for (const bool forWrite : {false, true}) {
        cmcEeprom merged(m_image);
        MergeImage(merged, m_image, GetParam(), forWrite, nullptr);
        EXPECT_TRUE(merged.Equals(m_image)) << forWrite;
    }
}

TEST_P(InitialFiles, PlansOfTheVariant) {
    const bool usaVariant = GetParam() == 0;
    EXPECT_EQ(HasUsaPlan(m_image), usaVariant);
    EXPECT_EQ(HasCanadaPlan(m_image), usaVariant);
    EXPECT_EQ(HasWeatherPlan(m_image), usaVariant);
    for (int k = 0; k < kWeatherCount; ++k) {
        EXPECT_FALSE(Load(kPlanWeather, k).Inhibited) << "WX" << k + 1;
    }
}

TEST_P(InitialFiles, ChannelFactsOfThePublicPlans) {
    for (const std::uint8_t plan : {kPlanInternational, kPlanUsa, kPlanCanada}) {
        SCOPED_TRACE(int(plan));
        const datCh ch16 = Load(plan, Row(16));
        EXPECT_FALSE(ch16.Inhibited);
        EXPECT_TRUE(ch16.MarkA);
        EXPECT_TRUE(ch16.Simplex);
        // Channel 70 is for digital selective calling only: no voice.
        const datCh ch70 = Load(plan, Row(70));
        EXPECT_TRUE(ch70.Inhibited && ch70.TxInhibit);
        // Numbers that are no marine channel are inhibited, in every plan.
        for (const int channel : {0, 29, 45, 59, 89, 116}) {
            EXPECT_TRUE(Load(plan, Row(channel)).Inhibited) << channel;
            EXPECT_TRUE(Load(plan, Row(channel, true)).Inhibited) << channel << "A";
        }
        EXPECT_FALSE(Load(plan, Row(6)).Inhibited);
        EXPECT_FALSE(Load(plan, Row(13)).Inhibited);
    }
    // International: duplex channels without "A", no "A" channels at all.
    EXPECT_FALSE(Load(kPlanInternational, Row(22)).Inhibited);
    EXPECT_FALSE(Load(kPlanInternational, Row(22)).Simplex);
    for (int channel = 0; channel <= 116; ++channel) {
        EXPECT_TRUE(Load(kPlanInternational, Row(channel, true)).Inhibited) << channel << "A";
    }
    // USA: 22A (Coast Guard liaison) instead of 22; 9 is the C channel; 15 is receive-only.
    EXPECT_FALSE(Load(kPlanUsa, Row(22, true)).Inhibited);
    EXPECT_TRUE(Load(kPlanUsa, Row(22)).Inhibited);
    EXPECT_TRUE(Load(kPlanUsa, Row(9)).MarkB);
    EXPECT_TRUE(Load(kPlanUsa, Row(15)).TxInhibit);
    EXPECT_FALSE(Load(kPlanUsa, Row(24)).Simplex);
    // Canada: 4A and 83A besides the duplex 83.
    EXPECT_FALSE(Load(kPlanCanada, Row(4, true)).Inhibited);
    EXPECT_FALSE(Load(kPlanCanada, Row(83, true)).Inhibited);
    EXPECT_FALSE(Load(kPlanCanada, Row(83)).Inhibited);
}

// Every variant has dual watch, tri-watch, the time-out timer and the three power-save functions; the
// inland-waterways variant also starts on low power.
TEST_P(InitialFiles, FunctionsByteOfTheVariant) {
    const std::uint8_t expected = GetParam() == 3 ? 0xFD : 0xFC;
    EXPECT_EQ(m_image.GetByte(kFunctions), expected);
    EXPECT_EQ(m_image.GetByte(kTxPowerState), expected & 1);
}

// A row that is no channel of its plan is inhibited and nothing else: no tag, no Poc, no transmit
// inhibit, no factory bit. Its simplex bit is the one the channel record derives (odd rows below the
// free channels, free channels with equal receive and transmit frequencies).
TEST_P(InitialFiles, RowsThatAreNoChannelOfTheirPlanShareOnePattern) {
    const std::pair<std::uint8_t, std::vector<mkinitial::PlanChannel>> plans[] = {
        {kPlanInternational, mkinitial::InternationalPlan()},
        {kPlanUsa, mkinitial::UsaPlan()},
        {kPlanCanada, mkinitial::CanadaPlan()}};
    for (const auto& [plan, channels] : plans) {
        std::set<int> rows;
        for (const auto& channel : channels) {
            rows.insert(channel.row);
        }
        for (int row = 0; row < kPlanRowCount; ++row) {
            const bool programmedFree = row >= kFirstFreeRow && Load(kPlanFree, row - kFirstFreeRow).TxHz != 0;
            if (rows.count(row) != 0 || (plan == kPlanInternational && programmedFree)) {
                continue;
            }
            const std::uint8_t attribute = m_image.GetByte(AttributeAddress(plan, row));
            EXPECT_EQ(attribute & ~kAttrSimplex, kAttrInhibited) << "plan " << int(plan) << " row " << row;
        }
    }
}

// Channels reserved to government stations can be received but carry the transmit inhibit.
TEST_P(InitialFiles, GovernmentChannelsAreTransmitInhibited) {
    for (const int channel : {3, 21, 23, 81, 82, 83}) {
        const datCh usa = Load(kPlanUsa, Row(channel, true));
        EXPECT_TRUE(!usa.Inhibited && usa.TxInhibit) << channel << "A";
    }
    for (const int channel : {21, 61, 62, 81, 82}) {
        const datCh canada = Load(kPlanCanada, Row(channel, true));
        EXPECT_TRUE(!canada.Inhibited && canada.TxInhibit) << channel << "A";
    }
    // The Coast Guard answers vessels on 22A (both lists) and on 83A (Canada).
    EXPECT_FALSE(Load(kPlanUsa, Row(22, true)).TxInhibit);
    EXPECT_FALSE(Load(kPlanCanada, Row(22, true)).TxInhibit);
    EXPECT_FALSE(Load(kPlanCanada, Row(83, true)).TxInhibit);
}

TEST_P(InitialFiles, SettingsInsideTheRangesOfTheirEditors) {
    // Beep tones: stored divider n shows tone(n + 1) Hz, 400 to 2971.
    for (const std::int32_t a : {0x66E, 0x670, 0x672, 0x674, 0x676, 0x678, 0x67A, 0x67C, 0x67E}) {
        const double tone = std::floor(499200.0 / (2.0 * (GetWord(m_image, a) + 1)) + 0.5);
        EXPECT_GE(tone, 400) << std::hex << a;
        EXPECT_LE(tone, 2971) << std::hex << a;
    }
    const auto inRange = [&](int value, int low, int high) { return value >= low && value <= high; };
    EXPECT_TRUE(inRange(m_image.GetByte(0x6D2), 60, 255));
    EXPECT_TRUE(inRange(m_image.GetByte(0x65E), 60, 200));
    EXPECT_TRUE(inRange(m_image.GetByte(0x6D1), 1, 255));
    EXPECT_TRUE(inRange(GetWord(m_image, 0x650) / 10, 20, 255));
    EXPECT_EQ(GetWord(m_image, 0x650) % 10, 0);
    EXPECT_TRUE(inRange(GetWord(m_image, 0x652) / 100, 0, 255));
    for (const std::int32_t a : {0x654, 0x656, 0x658}) {
        EXPECT_TRUE(inRange(GetWord(m_image, a) / 10, 1, 255)) << std::hex << a;
    }
    EXPECT_TRUE(inRange(GetWord(m_image, 0x65A), 0, 999));
    EXPECT_TRUE(inRange(GetWord(m_image, 0x662) / 10, 80, 150));
    EXPECT_TRUE(inRange(GetWord(m_image, 0x664), 1, 125));
}

INSTANTIATE_TEST_SUITE_P(ModelTypes,
                         InitialFiles,
                         ::testing::Range(0, kModelTypeCount),
                         [](const testing::TestParamInfo<int>& p) { return "ModelType" + std::to_string(p.param); });

TEST(InitialFileData, FactoryFreeChannelsAreUsableInTheInternationalList) {
    cmcEeprom uk;
    ASSERT_EQ(testmodel::ReadInitialFile(testmodel::ShippedInitialFile(2), uk), 0);
    datCh record(uk);
    record.Load(kPlanFree, 0);
    EXPECT_EQ(record.RxHz, 157'850'000U); // private channel M
    EXPECT_EQ(record.TxHz, 157'850'000U);
    record.Load(kPlanInternational, kFirstFreeRow);
    EXPECT_FALSE(record.Inhibited);
    EXPECT_TRUE(record.Simplex);
    record.Load(kPlanUsa, kFirstFreeRow);
    EXPECT_TRUE(record.Inhibited);
    record.Load(kPlanInternational, kFirstFreeRow + 2);
    EXPECT_TRUE(record.Inhibited);
}

// The overlay names one initial file and one model name per model type.
TEST(InitialFileData, OverlayNamesTheShippedFiles) {
    cmcGTex gtex;
    gtex.SetSourceFile(testmodel::ShippedOverlaySource("25_model.ovl").string());
    for (int type = 0; type < kModelTypeCount; ++type) {
        const auto name = gtex.GetLine("GI_App_InitialFile", type);
        EXPECT_EQ(testmodel::ShippedInitialFile(type).filename().string(), name);
        EXPECT_FALSE(gtex.GetLine("GI_AppInd_Model", type).empty());
    }
}

} // namespace
