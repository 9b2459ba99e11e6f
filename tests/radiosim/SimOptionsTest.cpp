// The simulated radio's command line.

#include "tools/radiosim/SimOptions.h"

#include <gtest/gtest.h>

namespace {

bool Parses(std::vector<std::string> args, radiosim::SimOptions& options) {
    std::string error;
    const bool ok = radiosim::ParseSimOptions(args, options, error);
    EXPECT_EQ(ok, error.empty()) << error;
    return ok;
}

// A number too large for its field is refused, never wrapped or clamped into another fault.
TEST(SimOptions, NumbersThatOverflowAreRefused) {
    radiosim::SimOptions options;
    ASSERT_TRUE(Parses({"--hang-up-after", "1500", "--drop", "7", "--model", "FFFF"}, options));
    EXPECT_EQ(options.faults.hangUpAfter, 1500);
    EXPECT_EQ(options.faults.dropByte, 7);
    EXPECT_EQ(options.identity.modelCode, 0xFFFF);
    for (const char* option : {"--hang-up-after", "--drop", "--corrupt", "--model", "--sub"}) {
        for (const char* value : {"99999999999999999999", "-1", "12x", ""}) {
            radiosim::SimOptions refused;
            EXPECT_FALSE(Parses({option, value}, refused)) << option << " " << value;
        }
    }
    radiosim::SimOptions refused;
    EXPECT_FALSE(Parses({"--model", "10000"}, refused));
}

} // namespace
