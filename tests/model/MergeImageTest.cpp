#include "CloneFiles.h"
#include "model/ChannelPlan.h"
#include "model/DecimalDigits.h"
#include "model/ImageWords.h"
#include "model/ModelRules.h"
#include "model/datCh.h"
#include "support/TempDir.h"

#include <functional>
#include <gtest/gtest.h>
#include <vector>

namespace {

using namespace model;
using testmodel::PatternImage;

// The user's image before and after the merge, the factory image, and the adjustment values read.
struct Merged {
    cmcEeprom before;
    cmcEeprom after;
    cmcEeprom factory;
    FactoryAdjustments adjustments;
};

// One rule of the merge: how the images are prepared, and what the merge must make of them.
struct MergeCase {
    const char* name;
    int modelType;
    bool forWrite;
    std::function<void(cmcEeprom& user, cmcEeprom& factory)> prepare;
    std::function<void(const Merged&)> check;
};

constexpr FactoryAdjustments kUntouched = {0xEE, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE};

void ExpectFromFactory(const Merged& m, std::int32_t first, std::int32_t count) {
    for (std::int32_t a = first; a < first + count; ++a) {
        EXPECT_EQ(m.after.GetByte(a), m.factory.GetByte(a)) << std::hex << "address 0x" << a;
    }
}

void ExpectKept(const Merged& m, std::int32_t first, std::int32_t count) {
    for (std::int32_t a = first; a < first + count; ++a) {
        EXPECT_EQ(m.after.GetByte(a), m.before.GetByte(a)) << std::hex << "address 0x" << a;
    }
}

// Bits of `mask` from the factory, the others from the user's image.
void ExpectBits(const Merged& m, std::int32_t address, std::uint8_t fromFactory) {
    const int expected = (m.factory.GetByte(address) & fromFactory) | (m.before.GetByte(address) & ~fromFactory);
    EXPECT_EQ(m.after.GetByte(address), expected) << std::hex << "address 0x" << address;
}

bool FreeChannelIsSimplex(const cmcEeprom& image, int index) {
    cmcEeprom copy(image);
    datCh record(copy);
    record.Load(kPlanFree, index);
    return record.RxHz == record.TxHz;
}

void SetFreeChannel(cmcEeprom& image, int index, std::uint32_t rxHz, std::uint32_t txHz) {
    datCh record(image);
    record.Load(kPlanFree, index);
    record.RxHz = rxHz;
    record.TxHz = txHz;
    record.Store(0, index);
}

void SetAtis(cmcEeprom& image, std::array<std::uint8_t, 5> id, std::uint8_t check) {
    image.WriteBlock(0x680, id.data(), 5);
    image.SetByte(0x685, check);
}

// The bytes of which the merge takes some bits from the factory and keeps the others.
constexpr std::int32_t kBitRuleAddresses[] = {0x636, 0x637, 0x648, 0x64A, 0x64C, 0x64E};

// Addresses any rule may change; a merge leaves every other byte of the user's image as it was.
std::vector<bool> Touched() {
    std::vector<bool> touched(kImageSize, false);
    auto mark = [&](std::int32_t first, std::int32_t count) {
        for (std::int32_t a = first; a < first + count; ++a) {
            touched[static_cast<std::size_t>(a)] = true;
        }
    };
    mark(0x000, 0x390);  // attribute bytes
    mark(0x390, 8 * 70); // free channel records
    mark(0x600, 9);
    mark(0x60B, 1);
    mark(0x620, 7);
    for (const std::int32_t a : {0x627,
                                 0x628,
                                 0x629,
                                 0x62A,
                                 0x62B,
                                 0x62C,
                                 0x62E,
                                 0x62F,
                                 0x636,
                                 0x637,
                                 0x648,
                                 0x64A,
                                 0x64C,
                                 0x64E,
                                 0x64F,
                                 0x6D0,
                                 0x6D5,
                                 0x6D6}) {
        mark(a, 1);
    }
    mark(0x65C, 2);
    mark(0x680, 7);
    mark(0x6E0, 32);
    mark(0x700, 256);
    return touched;
}

const std::vector<MergeCase>& Cases() {
    const auto none = [](cmcEeprom&, cmcEeprom&) {};
    static const std::vector<MergeCase> cases = {
        {"1 identity and acceptance byte from the factory",
         1,
         false,
         none,
         [](const Merged& m) {
             ExpectFromFactory(m, 0x600, 9);
             ExpectFromFactory(m, 0x60B, 1);
             ExpectKept(m, 0x609, 2);
         }},
        {"2 attribute bytes: factory bits 0, 3, 4, user bits 1, 2, 5, 6, 7",
         2,
         false,
         none,
         [](const Merged& m) {
             for (const std::uint8_t plan : {kPlanUsa, kPlanInternational, kPlanCanada}) {
                 for (int row = 0; row < kFirstFreeRow; ++row) {
                     const std::int32_t a = AttributeAddress(plan, row);
                     const int expected =
                         (m.factory.GetByte(a) & 0x19) | (m.before.GetByte(a) & 0xE6) | (row % 2 == 1 ? 0x02 : 0);
                     ASSERT_EQ(m.after.GetByte(a), expected) << int(plan) << " row " << row;
                 }
             }
         }},
        {"3 free channels: user's seven bytes, factory's eighth, simplex bits of their rows",
         1,
         false,
         [](cmcEeprom& user, cmcEeprom&) {
             SetFreeChannel(user, 3, 156'800'000, 156'800'000);
             SetFreeChannel(user, 4, 160'650'000, 156'050'000);
         },
         [](const Merged& m) {
             for (int i = 0; i < kFreeChannelCount; ++i) {
                 ExpectKept(m, 0x390 + 8 * i, 7);
                 ExpectFromFactory(m, 0x390 + 8 * i + 7, 1);
                 const int simplex = FreeChannelIsSimplex(m.before, i) ? 0x02 : 0;
                 for (const std::uint8_t plan : {kPlanUsa, kPlanInternational, kPlanCanada}) {
                     const std::int32_t a = AttributeAddress(plan, kFirstFreeRow + i);
                     const int expected = (m.factory.GetByte(a) & 0x19) | (m.before.GetByte(a) & 0xE4) | simplex;
                     ASSERT_EQ(m.after.GetByte(a), expected) << int(plan) << " free " << i;
                 }
             }
             EXPECT_TRUE(FreeChannelIsSimplex(m.after, 3));
             EXPECT_FALSE(FreeChannelIsSimplex(m.after, 4));
         }},
        {"3 free records read with NUL bytes are saved with the same bytes",
         1,
         true,
         [](cmcEeprom& user, cmcEeprom&) {
             const std::uint8_t records[][8] = {
                 {0, 0, 0, 0, 0, 0, 0, 0},             // never used: all NUL
                 {0, 0, 0x10, 0x61, 0, 'A', 0, 9},     // no receive frequency, a name with NULs
                 {0, 0, 0, 0, 'B', 0, 0, 0},           // empty, a name that ends in NULs
                 {0x70, 0x54, 0x70, 0x54, 0, 0, 0, 0}, // a channel with a name of NULs
             };
             for (int i = 0; i < 4; ++i) {
                 user.WriteBlock(0x390 + 8 * (10 + i), records[i], 8);
             }
         },
         [](const Merged& m) {
             for (int i = 10; i < 14; ++i) {
                 ExpectKept(m, 0x390 + 8 * i, 7);
                 ExpectFromFactory(m, 0x390 + 8 * i + 7, 1);
             }
         }},
        {"4 the channel in use of each list starts on its P mark",
         1,
         false,
         none,
         [](const Merged& m) {
             for (int block = 0; block < 3; ++block) {
                 EXPECT_EQ(GetWord(m.after, 0x620 + 2 * block), GetWord(m.before, 0x640 + 2 * block));
             }
         }},
        {"5 the weather channel in use is the first not inhibited",
         1,
         false,
         [](cmcEeprom& user, cmcEeprom&) { SetWord(user, kWeatherBits, 0x0007); },
         [](const Merged& m) { EXPECT_EQ(m.after.GetByte(0x626), 3); }},
        {"5 all ten weather channels inhibited: the factory's",
         1,
         false,
         [](cmcEeprom& user, cmcEeprom& factory) {
             SetWord(user, kWeatherBits, 0x03FF);
             factory.SetByte(0x626, 0x77);
         },
         [](const Merged& m) { EXPECT_EQ(m.after.GetByte(0x626), 0x77); }},
        {"6 operating state from the factory",
         1,
         false,
         none,
         [](const Merged& m) {
             for (const std::int32_t a : {0x627, 0x629, 0x62A, 0x62C, 0x62E, 0x62F}) {
                 ExpectFromFactory(m, a, 1);
             }
             ExpectKept(m, 0x62D, 1);
         }},
        {"7 USA variant without the USA list starts on the International list",
         0,
         false,
         [](cmcEeprom& user, cmcEeprom& factory) {
             user.SetByte(0x648, 0xFE);
             factory.SetByte(0x628, 0x42);
         },
         [](const Merged& m) { EXPECT_EQ(m.after.GetByte(0x628), 1); }},
        {"7 USA variant with the USA list: the factory's list",
         0,
         false,
         [](cmcEeprom& user, cmcEeprom& factory) {
             user.SetByte(0x648, 0x01);
             factory.SetByte(0x628, 0x42);
         },
         [](const Merged& m) { EXPECT_EQ(m.after.GetByte(0x628), 0x42); }},
        {"7 European variant without the USA list: the factory's list",
         3,
         false,
         [](cmcEeprom& user, cmcEeprom& factory) {
             user.SetByte(0x648, 0x00);
             factory.SetByte(0x628, 0x42);
         },
         [](const Merged& m) { EXPECT_EQ(m.after.GetByte(0x628), 0x42); }},
        {"8 transmit power function on: power state 1",
         1,
         false,
         [](cmcEeprom& user, cmcEeprom& factory) {
             user.SetByte(0x649, 0x01);
             factory.SetByte(0x62B, 0x42);
         },
         [](const Merged& m) { EXPECT_EQ(m.after.GetByte(0x62B), 1); }},
        {"8 transmit power function off: the factory's power state",
         1,
         false,
         [](cmcEeprom& user, cmcEeprom& factory) {
             user.SetByte(0x649, 0xFE);
             factory.SetByte(0x62B, 0x42);
         },
         [](const Merged& m) { EXPECT_EQ(m.after.GetByte(0x62B), 0x42); }},
        {"9-11 European variant: weather alert, weather list and its alert menu bit from the factory",
         4,
         false,
         none,
         [](const Merged& m) {
             ExpectBits(m, 0x636, 0x02);
             ExpectBits(m, 0x637, 0x80);
             ExpectBits(m, 0x648, 0x02);
             ExpectBits(m, 0x64C, 0x10);
             ExpectKept(m, 0x64A, 1);
             ExpectKept(m, 0x64E, 1);
         }},
        {"9-11 USA variant: display and ATIS bits from the factory",
         0,
         false,
         none,
         [](const Merged& m) {
             ExpectKept(m, 0x636, 1);
             ExpectBits(m, 0x637, 0x80);
             ExpectBits(m, 0x64A, 0x07);
             ExpectBits(m, 0x64E, 0x0F);
             ExpectKept(m, 0x648, 1);
             ExpectKept(m, 0x64C, 1);
         }},
        {"12, 14 further factory bytes",
         2,
         false,
         none,
         [](const Merged& m) {
             ExpectFromFactory(m, 0x64F, 1);
             ExpectFromFactory(m, 0x65C, 2);
             ExpectFromFactory(m, 0x6D0, 1);
             ExpectFromFactory(m, 0x6D5, 2);
             ExpectFromFactory(m, 0x6E0, 32);
             ExpectFromFactory(m, 0x686, 1);
         }},
        {"13 a valid ATIS identity is kept",
         1,
         false,
         [](cmcEeprom& user, cmcEeprom&) {
             SetAtis(user, {12, 34, 56, 78, 90}, 0xF1);
         },
         [](const Merged& m) { ExpectKept(m, 0x680, 6); }},
        {"13 an identity byte above 99: all six from the factory",
         1,
         false,
         [](cmcEeprom& user, cmcEeprom&) {
             const std::array<std::uint8_t, 5> id{12, 34, 100, 78, 90};
             SetAtis(user, id, CheckByte(id));
         },
         [](const Merged& m) { ExpectFromFactory(m, 0x680, 6); }},
        {"13 a check byte that does not match: all six from the factory",
         1,
         false,
         [](cmcEeprom& user, cmcEeprom&) {
             SetAtis(user, {12, 34, 56, 78, 90}, 0xF2);
         },
         [](const Merged& m) { ExpectFromFactory(m, 0x680, 6); }},
        {"15 for writing: the factory block, adjustment values untouched",
         1,
         true,
         none,
         [](const Merged& m) {
             ExpectFromFactory(m, 0x700, 256);
             EXPECT_EQ(m.adjustments, kUntouched);
         }},
        {"15 on loading: the factory block kept, adjustment values read from it",
         0,
         false,
         none,
         [](const Merged& m) {
             ExpectKept(m, 0x700, 256);
             for (std::size_t i = 0; i < 6; ++i) {
                 EXPECT_EQ(m.adjustments[i], m.before.GetByte(0x7F0 + static_cast<std::int32_t>(i)));
             }
         }},
    };
    return cases;
}

TEST(MergeImage, EachRuleOnCraftedImages) {
    static const std::vector<bool> touched = Touched();
    for (const auto& c : Cases()) {
        SCOPED_TRACE(c.name);
        Merged m;
        cmcEeprom user = PatternImage(2);
        m.factory = PatternImage(1);
        // Where a rule takes single bits from the factory, every bit differs, so each one shows.
        for (const std::int32_t a : kBitRuleAddresses) {
            user.SetByte(a, static_cast<std::uint8_t>(~m.factory.GetByte(a)));
        }
        c.prepare(user, m.factory);
        m.before = user;
        m.adjustments = kUntouched;
        MergeImage(user, m.factory, c.modelType, c.forWrite, &m.adjustments);
        m.after = user;
        c.check(m);
        for (std::int32_t a = 0; a < kImageSize; ++a) {
            if (!touched[static_cast<std::size_t>(a)]) {
                ASSERT_EQ(m.after.GetByte(a), m.before.GetByte(a)) << std::hex << "untouched address 0x" << a;
            }
        }
    }
}

// A save merges for writing and a load merges again: every user bit of the attribute bytes survives,
// bits 0, 3 and 4 follow the factory data.
TEST(MergeImage, SaveAndReloadKeepsEveryUserBitOfTheChannelAttributes) {
    for (const int type : {0, 3}) {
        SCOPED_TRACE(type);
        cmcEeprom factory;
        ASSERT_EQ(testmodel::ReadInitialFile(testmodel::ShippedInitialFile(type), factory), 0);
        cmcEeprom user = PatternImage(5);
        user.SetByte(0x60B, 1);
        user.SetByte(0x609, static_cast<std::uint8_t>(type));
        const cmcEeprom edited = user;

        MergeImage(user, factory, type, true, nullptr);
        testsupport::TempDir dir;
        ASSERT_EQ(testmodel::WriteCloneFile(dir / "saved.qcf", user), 0);
        cmcEeprom reloaded;
        ASSERT_EQ(testmodel::ReadInitialFile(dir / "saved.qcf", reloaded), 0);
        ASSERT_FALSE(RejectImage(reloaded));
        FactoryAdjustments adjustments{};
        MergeImage(reloaded, factory, type, false, &adjustments);

        for (const std::uint8_t plan : {kPlanUsa, kPlanInternational, kPlanCanada}) {
            for (int row = 0; row < kPlanRowCount; ++row) {
                const std::int32_t a = AttributeAddress(plan, row);
                // Free rows: bit 1 is the free channel's simplex state. "A" rows come back simplex.
                const int userBits = row < kFirstFreeRow ? 0xE6 : 0xE4;
                const int simplexA = row < kFirstFreeRow && row % 2 == 1 ? 0x02 : 0;
                ASSERT_EQ(reloaded.GetByte(a) & userBits, (edited.GetByte(a) & userBits) | simplexA)
                    << int(plan) << " " << row;
                ASSERT_EQ(reloaded.GetByte(a) & 0x19, factory.GetByte(a) & 0x19) << int(plan) << " " << row;
            }
        }
        for (std::size_t i = 0; i < 6; ++i) {
            EXPECT_EQ(adjustments[i], factory.GetByte(0x7F0 + static_cast<std::int32_t>(i)));
        }
    }
}

} // namespace
