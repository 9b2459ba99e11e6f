// The simulated radio's command line.

#include "link/sim/SimOptions.h"

#include "link/sim/OwnerImage.h"

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
    ASSERT_TRUE(Parses({"--hang-up-after", "1500", "--drop", "7", "--model-code", "FFFF"}, options));
    EXPECT_EQ(options.faults.hangUpAfter, 1500);
    EXPECT_EQ(options.faults.dropByte, 7);
    EXPECT_EQ(options.identity.modelCode, 0xFFFF);
    for (const char* option : {"--hang-up-after", "--drop", "--corrupt", "--model-code", "--sub-code", "--model"}) {
        for (const char* value : {"99999999999999999999", "-1", "12x", ""}) {
            radiosim::SimOptions refused;
            EXPECT_FALSE(Parses({option, value}, refused)) << option << " " << value;
        }
    }
    radiosim::SimOptions refused;
    EXPECT_FALSE(Parses({"--model-code", "10000"}, refused));
}

// Without --image the radio holds an owner's radio of the model type; the test pattern and the erased
// memory stay available.
TEST(SimOptions, StartImageFollowsModelPatternAndBlank) {
    radiosim::SimOptions options;
    ASSERT_TRUE(Parses({"--model", "4"}, options));
    EXPECT_FALSE(radiosim::StartImage(options).Differs(radiosim::OwnerImage(4)));
    radiosim::SimOptions pattern;
    ASSERT_TRUE(Parses({"--pattern"}, pattern));
    EXPECT_FALSE(radiosim::StartImage(pattern).Differs(radiosim::PatternImage()));
    radiosim::SimOptions blank;
    ASSERT_TRUE(Parses({"--blank"}, blank));
    EXPECT_EQ(radiosim::StartImage(blank).GetByte(0x100), 0xFF);
    EXPECT_FALSE(radiosim::StartImage(radiosim::SimOptions{}).Differs(radiosim::OwnerImage(0)));
    radiosim::SimOptions refused;
    EXPECT_FALSE(Parses({"--model", "5"}, refused));
}

} // namespace
