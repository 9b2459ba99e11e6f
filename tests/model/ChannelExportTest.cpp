#include "model/ChannelExport.h"

#include "CloneFiles.h"
#include "model/ChannelPlan.h"
#include "model/ModelRules.h"
#include "model/datCh.h"

#include <gtest/gtest.h>
#include <sstream>
#include <vector>

namespace {

using namespace model;

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

TEST(ChannelExport, EveryRowOfEveryListWithTwelveFields) {
    cmcEeprom image;
    ASSERT_EQ(testmodel::ReadInitialFile(testmodel::ShippedInitialFile(0), image), 0);
    const auto lines = Lines(ExportChannels(image));
    ASSERT_EQ(lines.size(), 1U + 3 * 304 + 10 + 70);
    EXPECT_EQ(lines[0], "plan,row,channel,mark,inhibited,tagged,tx_inhibit,poc,simplex,rx_hz,tx_hz,name");
    for (const auto& line : lines) {
        EXPECT_EQ(std::count(line.begin(), line.end(), ','), 11) << line;
    }
    EXPECT_EQ(lines[1], "international,0,0,,1,0,0,0,0,,,");
    EXPECT_EQ(lines[1 + 32], "international,32,16,PC,0,0,0,0,1,,,");
    EXPECT_EQ(lines[1 + 44], "international,44,22,,0,0,0,0,0,,,");
    EXPECT_EQ(lines[1 + 304 + 45], "usa,45,22A,,0,0,0,0,1,,,");
    EXPECT_EQ(lines[1 + 304 + 18], "usa,18,9,C,0,0,0,0,1,,,");
    EXPECT_EQ(lines[1 + 304 + 30], "usa,30,15,,0,0,1,0,1,,,");
    EXPECT_EQ(lines[1 + 3 * 304], "weather,0,1,,0,,,,,,,");
    EXPECT_EQ(lines[1 + 3 * 304 + 9], "weather,9,10,,0,,,,,,,");
    EXPECT_EQ(lines[1 + 3 * 304 + 10], "free,0,1,,,,,,,,,"); // blank frequencies are empty, as shown
}

TEST(ChannelExport, FreeChannelNamesAsTheSheetsShowThem) {
    cmcEeprom image;
    image.SetSize(kImageSize);
    datCh record(image);
    record.Load(kPlanFree, 5);
    record.RxHz = 156'800'000;
    record.TxHz = 156'800'000;
    record.RxBlank = record.TxBlank = false;
    record.Name = {'L', ',', 0x01};
    record.Store(0, 5);
    record.Load(kPlanFree, 6);
    record.Name = {'"', 'A', ' '};
    record.Store(0, 6);

    EXPECT_EQ(ChannelCsvRow(image, kPlanFree, 5), "free,5,6,,,,,,,156800000,156800000,\"L,\"");
    EXPECT_EQ(ChannelCsvRow(image, kPlanFree, 6), "free,6,7,,,,,,,,,\"\"\"A\"");
    EXPECT_EQ(ChannelCsvRow(image, kPlanCanada, kFirstFreeRow + 5), "canada,239,\"L,\",,0,0,0,0,1,,,");
    EXPECT_EQ(ChannelCsvRow(image, kPlanUsa, kFirstFreeRow + 7), "usa,241,,,0,0,0,0,0,,,");
}

} // namespace
