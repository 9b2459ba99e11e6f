#include "model/datCh.h"

#include "model/ChannelPlan.h"
#include "model/ImageWords.h"
#include "model/ModelRules.h"

#include <gtest/gtest.h>

namespace {

using namespace model;

cmcEeprom EmptyImage() {
    cmcEeprom image;
    image.SetSize(kImageSize);
    return image;
}

// Load reads the attribute byte of its own block: USA 0x000, International 0x130, Canada 0x260.
TEST(datCh, LoadReadsTheAttributeByteOfThePlansBlock) {
    for (const auto& [plan, address] :
         {std::pair<std::uint8_t, std::int32_t>{kPlanUsa, 0x005}, {kPlanInternational, 0x135}, {kPlanCanada, 0x265}}) {
        cmcEeprom image = EmptyImage();
        image.SetByte(address, 0x80 | 0x40 | 0x20 | 0x04);
        datCh record(image);
        record.Load(plan, 5);
        EXPECT_TRUE(record.Loaded);
        EXPECT_TRUE(record.Inhibited && record.Tagged && record.Poc && record.TxInhibit) << int(plan);
        record.Load(plan, 4);
        EXPECT_FALSE(record.Inhibited || record.Tagged || record.Poc || record.TxInhibit) << int(plan);
    }
}

// Every one of the five bits goes into its own byte bit; bits 0, 3 and 4 are the factory's and stay.
TEST(datCh, StoreWritesTheFiveUserBitsAndKeepsTheFactoryBits) {
    struct Field {
        bool datCh::*member;
        std::uint8_t bit;
    };
    const Field fields[] = {{&datCh::Inhibited, 0x80},
                            {&datCh::Tagged, 0x40},
                            {&datCh::Poc, 0x20},
                            {&datCh::TxInhibit, 0x04},
                            {&datCh::Simplex, 0x02}};
    for (const std::uint8_t plan : {kPlanUsa, kPlanInternational, kPlanCanada}) {
        for (const auto& field : fields) {
            cmcEeprom image = EmptyImage();
            const std::int32_t address = AttributeAddress(plan, 10);
            image.SetByte(address, 0x19);
            datCh record(image);
            record.Load(plan, 10);
            record.*field.member = true;
            record.Store(0, 10);
            EXPECT_EQ(image.GetByte(address), 0x19 | field.bit) << int(plan);
            record.Reload();
            EXPECT_TRUE(record.*field.member);
            record.*field.member = false;
            record.Store(plan, 10);
            EXPECT_EQ(image.GetByte(address), 0x19) << int(plan);
        }
    }
}

TEST(datCh, OddChannelsBelow234AreSimplexAndStoreTheirBit) {
    cmcEeprom image = EmptyImage();
    datCh record(image);
    record.Load(kPlanInternational, 45); // 22A
    EXPECT_TRUE(record.Simplex);
    record.Store(0, 45);
    EXPECT_EQ(image.GetByte(AttributeAddress(kPlanInternational, 45)), 0x02);
    record.Load(kPlanInternational, 44); // 22: its byte decides
    EXPECT_FALSE(record.Simplex);
    record.Load(kPlanInternational, 235); // a free channel's row: its byte decides
    EXPECT_FALSE(record.Simplex);
}

TEST(datCh, MarksFollowThePlansWordsAndAClearMarkMovesNothing) {
    cmcEeprom image = EmptyImage();
    SetWord(image, 0x640, 32); // USA P on 16
    SetWord(image, 0x632, 18); // International C on 9
    datCh record(image);
    record.Load(kPlanUsa, 32);
    EXPECT_TRUE(record.MarkA);
    EXPECT_FALSE(record.MarkB);
    record.Load(kPlanInternational, 18);
    EXPECT_TRUE(record.MarkB);

    record.Load(kPlanUsa, 20);
    record.Store(0, 20);
    EXPECT_EQ(GetWord(image, 0x640), 32);
    record.MarkA = true;
    record.Store(0, 20);
    EXPECT_EQ(GetWord(image, 0x640), 20);
    record.Load(kPlanCanada, 7);
    record.MarkB = true;
    record.Store(0, 7);
    EXPECT_EQ(GetWord(image, 0x634), 7);
    EXPECT_EQ(GetWord(image, 0x632), 18);
}

TEST(datCh, WeatherChannelsAreBitsOfOneWord) {
    cmcEeprom image = EmptyImage();
    datCh record(image);
    record.Load(kPlanWeather, 9);
    record.Inhibited = true;
    record.Store(0, 9);
    EXPECT_EQ(GetWord(image, kWeatherBits), 0x0200);
    record.Load(kPlanWeather, 0);
    record.Inhibited = true;
    record.Store(0, 0);
    EXPECT_EQ(GetWord(image, kWeatherBits), 0x0201);
    record.Load(kPlanWeather, 9);
    EXPECT_TRUE(record.Inhibited);
    record.Inhibited = false;
    record.StoreReload(0, 9);
    EXPECT_FALSE(record.Inhibited);
    EXPECT_EQ(GetWord(image, kWeatherBits), 0x0001);
    // Storing the state a bit already has changes nothing, allowed or inhibited.
    record.Load(kPlanWeather, 5);
    record.Store(0, 5);
    record.Load(kPlanWeather, 0);
    record.Store(0, 0);
    EXPECT_EQ(GetWord(image, kWeatherBits), 0x0001);
}

TEST(datCh, FreeChannelStoreWritesStepsNameAndTheSimplexBitsOfItsRows) {
    cmcEeprom image = EmptyImage();
    image.SetByte(0x397, 0x5A); // the eighth byte is not the record's
    datCh record(image);
    record.Load(kPlanFree, 0);
    EXPECT_TRUE(record.RxBlank && record.TxBlank); // step 0: the factory's empty channel
    record.RxHz = 156'800'000;
    record.TxHz = 156'800'000;
    record.RxBlank = record.TxBlank = false;
    record.Name = {'1', '6', 'A'};
    record.Store(0, 0);
    EXPECT_EQ(GetWord(image, 0x390), 21616);
    EXPECT_EQ(GetWord(image, 0x392), 25088);
    EXPECT_EQ(image.GetByte(0x394), '1');
    EXPECT_EQ(image.GetByte(0x396), 'A');
    EXPECT_EQ(image.GetByte(0x397), 0x5A);
    for (const std::int32_t address : {0x0EA, 0x21A, 0x34A}) {
        EXPECT_EQ(image.GetByte(address), 0x02) << address;
    }
    record.Reload();
    EXPECT_EQ(record.RxHz, 156'800'000U);
    EXPECT_EQ(record.TxHz, 156'800'000U);

    // Free channel 69: duplex clears the bits of rows 303.
    for (const std::int32_t address : {0x12F, 0x25F, 0x38F}) {
        image.SetByte(address, 0xFF);
    }
    record.Load(kPlanFree, 69);
    record.RxHz = 160'650'000;
    record.TxHz = 156'050'000;
    record.RxBlank = record.TxBlank = false;
    record.Store(0, 69);
    for (const std::int32_t address : {0x12F, 0x25F, 0x38F}) {
        EXPECT_EQ(image.GetByte(address), 0xFD) << address;
    }
    EXPECT_EQ(GetWord(image, 0x390 + 8 * 69), 22232);     // (160.65 - 21.7) MHz / 6.25 kHz
    EXPECT_EQ(GetWord(image, 0x390 + 8 * 69 + 2), 24968); // 156.05 MHz / 6.25 kHz
}

// The simplex bit travels with the record, as every other attribute does: a record loaded from an "A"
// row is simplex wherever it is stored, a duplex record clears the bit of the "A" row it is stored on
// (which still loads simplex by its number).
TEST(datCh, TheSimplexBitTravelsWithTheRecord) {
    const struct {
        const char* what;
        int from;
        std::uint8_t fromByte;
        int to;
        std::uint8_t toByte;
        std::uint8_t stored;
    } cases[] = {
        {"3A onto duplex 4", 7, 0x40, 8, 0x00, 0x42},
        {"3A onto simplex 5", 7, 0x40, 10, 0x02, 0x42},
        {"duplex 3 onto 4A", 6, 0x40, 9, 0x02, 0x40},
        {"simplex 4 onto duplex 5", 8, 0x02, 10, 0x00, 0x02},
        {"duplex 3 onto simplex 5", 6, 0x00, 10, 0x02, 0x00},
        {"3A onto 4A", 7, 0x00, 9, 0x00, 0x02},
    };
    for (const auto& c : cases) {
        cmcEeprom image = EmptyImage();
        image.SetByte(0x130 + c.from, c.fromByte);
        image.SetByte(0x130 + c.to, c.toByte);
        datCh record(image);
        record.Load(kPlanInternational, c.from);
        record.Store(0, c.to);
        EXPECT_EQ(image.GetByte(0x130 + c.to), c.stored) << c.what;
        record.Load(kPlanInternational, c.to);
        EXPECT_EQ(record.Simplex, c.to % 2 == 1 || (c.stored & 0x02) != 0) << c.what;
    }
}

// A blank record is stored as the empty form of the factory data (steps 0, a name of spaces, duplex),
// never as the step of a frequency below the receive offset, and loads back blank.
TEST(datCh, BlankFreeChannelStaysBlank) {
    cmcEeprom image = EmptyImage();
    datCh record(image);
    record.Load(kPlanFree, 3);
    record.RxHz = record.TxHz = 156'800'000;
    record.RxBlank = record.TxBlank = false;
    record.Name = {'A', 'B', 'b'};
    record.Store(0, 3);
    EXPECT_EQ(image.GetByte(0x0EA + 3), 0x02);
    record.Blank(kPlanFree, 3);
    record.Store(0, 3);
    EXPECT_EQ(GetWord(image, 0x390 + 8 * 3), 0);
    EXPECT_EQ(GetWord(image, 0x390 + 8 * 3 + 2), 0);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(image.GetByte(0x390 + 8 * 3 + 4 + i), ' ');
    }
    EXPECT_EQ(image.GetByte(0x0EA + 3), 0x00);
    record.Reload();
    EXPECT_TRUE(record.RxBlank && record.TxBlank);
    // A receive frequency without a transmit one keeps the transmit side blank.
    record.RxHz = 156'800'000;
    record.RxBlank = false;
    record.StoreReload(0, 3);
    EXPECT_EQ(GetWord(image, 0x390 + 8 * 3), 21616);
    EXPECT_FALSE(record.RxBlank);
    EXPECT_TRUE(record.TxBlank);
}

TEST(datCh, BlankResetAndRowsOutsideThePlan) {
    cmcEeprom image = EmptyImage();
    image.Fill(0xFF);
    datCh record(image);
    record.Blank(kPlanFree, 12);
    EXPECT_FALSE(record.Loaded);
    EXPECT_TRUE(record.RxBlank && record.TxBlank);
    EXPECT_EQ(record.ChIndex, 12);
    EXPECT_EQ(record.Image, &image);

    // Rows beyond a list load as reset records and store nothing.
    const cmcEeprom before = image;
    for (const auto& [plan, row] : {std::pair<std::uint8_t, int>{kPlanUsa, 304},
                                    {kPlanWeather, 10},
                                    {kPlanFree, 70},
                                    {kPlanFree, -1},
                                    {kPlanNone, 3},
                                    {6, 3}}) {
        record.Load(plan, row);
        EXPECT_TRUE(record.Loaded);
        EXPECT_FALSE(record.Inhibited);
        record.Inhibited = true;
        record.MarkA = true;
        record.Store(0, row);
        EXPECT_TRUE(image.Equals(before)) << int(plan) << " " << row;
    }
}

} // namespace
