// Where each cell keeps its value: an edit through the behaviour object changes bits of the cell's stored
// bits and no others (besides the side effects the rules name), and the text cells are the ones whose
// bytes are their value.

#include "model/CellStorage.h"

#include "CellDocumentDouble.h"
#include "model/CellKinds.h"

#include <gtest/gtest.h>
#include <map>

namespace {

using celltest::CellBench;
using namespace model;

// The bits of every byte that differ between two images.
std::map<std::int32_t, std::uint8_t> ChangedBits(const cmcEeprom& before, const cmcEeprom& after) {
    std::map<std::int32_t, std::uint8_t> changed;
    for (std::int32_t a = 0; a < before.GetSize(); ++a) {
        if (const auto bits = static_cast<std::uint8_t>(before.GetByte(a) ^ after.GetByte(a)); bits != 0) {
            changed[a] = bits;
        }
    }
    return changed;
}

TEST(CellStorage, AnEditChangesOnlyTheCellsStoredBits) {
    const struct {
        std::int32_t category, kind, index;
        const char* text;        // typed; "#N" chooses item N
        std::int32_t sideEffect; // a free channel's row in the channel lists, whose simplex bit follows it
    } steps[] = {
        {CT_UsaCh, 113, 40, "#1", -1},
        {CT_CanCh, 113, 44, "#3", -1},
        {CT_UsaCh, 114, 40, "#1", -1},
        {CT_IntCh, 115, 20, "#1", -1},
        {CT_IntCh, 116, 20, "#1", -1},
        {CT_IntCh, 117, 20, "#1", -1},
        {CT_WxCh, 118, 9, "#1", -1},
        {CT_FreeCh, 119, 5, "156.8", 5},
        {CT_FreeCh, 120, 5, "157", 5},
        {CT_FreeCh, 121, 5, "Hi", -1},
        {kNoCategory, 135, 0, "#1", -1},
        {kNoCategory, 138, 0, "#1", -1},
        {kNoCategory, 144, 0, "1234567890", -1},
        {kNoCategory, 200, 0, "Sea Breeze", -1},
        {kNoCategory, 216, 0, "#1", -1},
        {kNoCategory, 201, 0, "1000", -1},
        {kNoCategory, 230, 0, "5", -1},
        {kNoCategory, 235, 0, "12", -1},
        {kNoCategory, 237, 0, "500", -1},
        {kNoCategory, 247, 0, "3", -1},
        {kNoCategory, 22, 0x123, "7", -1},
    };
    CellBench bench;
    bench.document.modelType = 1;
    for (const auto& step : steps) {
        const cmcEeprom before = bench.document.image;
        const std::string text = step.text;
        if (text.starts_with("#")) {
            bench.Choose(step.kind, std::stoi(text.substr(1)), step.index, step.category);
        } else {
            bench.Commit(step.kind, text, step.index, step.category);
        }
        EXPECT_EQ(bench.behaviour.LastRefusal(), "") << step.kind;
        auto changed = ChangedBits(before, bench.document.image);
        EXPECT_FALSE(changed.empty()) << step.kind;
        for (const StoredBits& bits : CellStorage(step.category, step.kind, step.index)) {
            if (auto at = changed.find(bits.address); at != changed.end()) {
                at->second = static_cast<std::uint8_t>(at->second & ~bits.mask);
            }
        }
        if (step.sideEffect >= 0) {
            for (const int plan : {kPlanInternational, kPlanUsa, kPlanCanada}) {
                changed.erase(AttributeAddress(plan, kFirstFreeRow + step.sideEffect));
            }
        }
        for (const auto& [address, bits] : changed) {
            EXPECT_EQ(bits, 0) << "kind " << step.kind << " changed 0x" << std::hex << address;
        }
    }
}

TEST(CellStorage, TextCellsAndCellsWithoutStorage) {
    EXPECT_TRUE(IsStoredTextCell(CT_FreeCh, 121, 69));
    EXPECT_TRUE(IsStoredTextCell(kNoCategory, 200, 0));
    EXPECT_TRUE(IsStoredTextCell(CT_UsaCh, 112, 239));  // a free channel's name in a channel list
    EXPECT_FALSE(IsStoredTextCell(CT_UsaCh, 112, 233)); // a channel number
    EXPECT_FALSE(IsStoredTextCell(CT_FreeCh, 121, 70));
    EXPECT_FALSE(IsStoredTextCell(kNoCategory, 135, 0));
    EXPECT_EQ(CellStorage(CT_UsaCh, 112, 239).front().address, 0x390 + 8 * 5 + 4);
    for (const std::int32_t kind : {3, 27, 54, 57, 78, 248}) {
        EXPECT_TRUE(CellStorage(kNoCategory, kind, 0).empty()) << kind;
    }
    EXPECT_TRUE(CellStorage(CT_FreeCh, 119, 70).empty()); // no such row
}

} // namespace
