// Runs the built vqn58-cli on clone files and checks its exit status and messages.

#include "CliRun.h"
#include "image/CloneFileText.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>
#include <string>

namespace {

using clitest::CliRun;
using clitest::Quoted;
using testimage::CloneFileLines;
using testimage::Join;
using testimage::LineOf;

// Runs the tool with the test overlay, whose texts name the result code, or with the program's own.
CliRun RunCli(const std::string& arguments, bool testOverlay = true) {
    return clitest::RunCliCommand(testOverlay ? arguments + " --overlay " +
                                                    Quoted(testsupport::TestDataPath("image/clonefile.ovl").string())
                                              : arguments);
}

// A radio image the desktop program accepts: byte 0x60B is 1, model type (byte 0x609) 0 to 4.
cmcEeprom RadioImage(std::uint8_t modelType = 1) {
    cmcEeprom image = testimage::PatternImage(11);
    image.SetByte(0x60B, 1);
    image.SetByte(0x609, modelType);
    return image;
}

struct CheckCase {
    const char* name;
    std::string file;
    int status;
};

class CheckCommand : public ::testing::TestWithParam<CheckCase> {};

std::vector<CheckCase> Cases() {
    const auto good = CloneFileLines(RadioImage(), "CHECK");
    auto notRadio = RadioImage();
    notRadio.SetByte(0x60B, 2);
    auto withLine = [&](std::size_t index, const std::string& line) {
        auto lines = good;
        lines[index] = line;
        return Join(lines);
    };
    auto missing = good;
    missing.erase(missing.begin() + static_cast<std::ptrdiff_t>(LineOf(0x7F0)));
    auto extra = good;
    extra.push_back("08000100");
    return {
        {"GoodFile", Join(good), 0},
        {"GoodFileWithLineFeedsAlone", Join(good, "\n", false), 0},
        {"OtherModel", withLine(0, "26920001"), 13},
        {"OtherExtraCode", withLine(0, "26910002"), 14},
        {"MapRevisionRefused", withLine(2, "#MapRev=0"), 15},
        {"MalformedDataLine", withLine(LineOf(0x100), "0100100"), 16},
        {"BinaryFile",
         std::string("\x7F"
                     "ELF\x02\x01\x01\x00\x00\x00",
                     10),
         16},
        {"AddressesMissing", Join(missing), 17},
        {"ByteOutsideTheCoveredRange", Join(extra), 18},
        {"NotThisRadiosImage", Join(CloneFileLines(notRadio)), 18},
        {"IdentificationOnly", "26910001\r\n", 18}, // the all-zero image is refused before coverage
        {"NewerModelType", Join(CloneFileLines(RadioImage(5))), 19},
        {"LastKnownModelType", Join(CloneFileLines(RadioImage(4))), 0},
    };
}

TEST_P(CheckCommand, ExitStatusIsTenPlusTheResultCode) {
    const CheckCase& c = GetParam();
    testsupport::TempDir dir;
    const auto path = dir.Write("file.qcf", c.file);
    const CliRun run = RunCli("check " + Quoted(path.string()));
    EXPECT_EQ(run.status, c.status) << run.output;
    if (c.status == 0) {
        EXPECT_EQ(run.output, "");
    } else {
        // The overlay's clone-file message of the result code, on standard error, after the program's
        // name and the file.
        EXPECT_EQ(run.output.rfind("vqn58-cli: " + path.string() + ": Clone file error.\n\ncode " +
                                       std::to_string(c.status - 10) + ":",
                                   0),
                  0u)
            << run.output;
    }
}

INSTANTIATE_TEST_SUITE_P(Files, CheckCommand, ::testing::ValuesIn(Cases()), [](const auto& test) {
    return std::string(test.param.name);
});

TEST(CheckCommandPaths, UnreadablePathsAndUsage) {
    testsupport::TempDir dir;
    EXPECT_EQ(RunCli("check " + Quoted((dir / "absent.qcf").string())).status, 11);
    EXPECT_EQ(RunCli("check " + Quoted(dir.Path().string())).status, 11);
    const CliRun usage = RunCli("check");
    EXPECT_EQ(usage.status, 2);
    EXPECT_NE(usage.output.find("check needs exactly one FILE"), std::string::npos);
    EXPECT_EQ(RunCli("check a.qcf b.qcf").status, 2);
}

TEST(CheckCommandPaths, ProgramOverlayHoldsTheMessages) {
    testsupport::TempDir dir;
    EXPECT_EQ(
        RunCli("check " + Quoted(dir.Write("good.qcf", Join(CloneFileLines(RadioImage()))).string()), false).status, 0);
    const CliRun refused = RunCli("check " + Quoted(dir.Write("bare.qcf", "26910001\n").string()), false);
    EXPECT_EQ(refused.status, 18);
    EXPECT_NE(refused.output.find("\n\n"), std::string::npos) << refused.output; // headline, then the text
}

// An image the window would refuse to write: check lists its cells in error, write refuses it before
// the radio is asked, both with the window's data-error message and status 4.
TEST(CheckCommandPaths, CellsInErrorAreListedAndRefusedForWriting) {
    std::string inhibitAllWeather;
    for (int channel = 0; channel < 10; ++channel) {
        inhibitAllWeather += " CT_WxCh.CL_WX_ChAtr:" + std::to_string(channel) + "=#1";
    }
    std::string weatherLines;
    for (int row = 1; row <= 10; ++row) {
        weatherLines += "GI_Sheet_WxCh," + std::to_string(row) + ",2,Every weather channel is inhibited.\n";
    }
    const struct {
        const char* name;
        int model;
        std::string cells;
        std::string listed; // the cells check lists; empty: the file passes
    } cases[] = {
        {"InhibitedPcChannel",
         0,
         "CT_IntCh.CL_ChList_Atr:32=#3",
         "GI_Sheet_IntCh,33,2,A channel with a P or C mark is inhibited.\n"},
        {"EveryWeatherChannelInhibited", 0, inhibitAllWeather, weatherLines},
        // Model type 1 has no weather channels to show: nothing there to put right.
        {"WeatherOfAModelWithoutIt", 1, inhibitAllWeather, ""},
    };
    const std::string dataError = "Some settings are not valid (they are marked in the sheets).\n"
                                  "Correct them before writing into the radio.\n";
    const std::string confirmation = "The data will now be written into the radio.";
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        testsupport::TempDir dir;
        const std::string file = Quoted((dir / "boat.qcf").string());
        const std::string prefix = "vqn58-cli: " + (dir / "boat.qcf").string() + ": ";
        ASSERT_EQ(RunCli("new " + file + " --model " + std::to_string(c.model), false).status, 0);
        ASSERT_EQ(RunCli("set " + file + " " + c.cells, false).status, 0);
        // The message first (standard error), then the cells (standard output).
        const CliRun check = RunCli("check " + file, false);
        EXPECT_EQ(check.status, c.listed.empty() ? 0 : 4);
        EXPECT_EQ(check.output, c.listed.empty() ? "" : prefix + dataError + c.listed);
        const CliRun write = RunCli("write " + file + " --yes --device sim", false);
        if (c.listed.empty()) {
            EXPECT_EQ(write.status, 0) << write.output;
            continue;
        }
        EXPECT_EQ(write.status, 4) << write.output;
        EXPECT_EQ(write.output.rfind(prefix + dataError, 0), 0u) << write.output;
        EXPECT_EQ(write.output.find(confirmation), std::string::npos) << write.output; // the radio was not asked
    }
}

} // namespace

namespace {

// Byte `address` of a clone file written by the program (16 bytes per line, upper-case hexadecimal).
int ByteOf(const std::string& file, std::int32_t address) {
    char prefix[16];
    std::snprintf(prefix, sizeof prefix, "%04X10", static_cast<unsigned>(address & ~0xF));
    const auto at = file.find(std::string("\n") + prefix);
    if (at == std::string::npos) {
        return -1;
    }
    return std::stoi(file.substr(at + 7 + 2 * static_cast<std::size_t>(address & 0xF), 2), nullptr, 16);
}

TEST(NewCommand, SavesTheFactoryImageOfTheModelType) {
    testsupport::TempDir dir;
    for (int type : {0, 3}) {
        const auto path = dir / ("new" + std::to_string(type) + ".qcf");
        const CliRun run = RunCli("new " + Quoted(path.string()) + " --model " + std::to_string(type));
        ASSERT_EQ(run.status, 0) << run.output;
        const std::string file = testsupport::ReadFileBytes(path);
        EXPECT_EQ(file.rfind("26910001\r\n#Comment=", 0), 0u);
        EXPECT_EQ(ByteOf(file, 0x609), type);
        EXPECT_EQ(ByteOf(file, 0x60B), 1);
        EXPECT_EQ(RunCli("check " + Quoted(path.string())).status, 0);
    }
}

TEST(NewCommand, BadModelTypesExistingFilesAndMissingDirectories) {
    testsupport::TempDir dir;
    const auto path = dir / "x.qcf";
    for (const char* model : {"5", "-1", "x", "01", ""}) {
        SCOPED_TRACE(model);
        EXPECT_EQ(RunCli("new " + Quoted(path.string()) + " --model " + Quoted(model)).status, 2);
    }
    EXPECT_EQ(RunCli("new " + Quoted(path.string()) + " --model").status, 2);
    EXPECT_EQ(RunCli("new").status, 2);
    EXPECT_FALSE(std::filesystem::exists(path));

    const auto kept = dir.Write("kept.qcf", "the user's file");
    const CliRun refused = RunCli("new " + Quoted(kept.string()));
    EXPECT_EQ(refused.status, 2);
    EXPECT_NE(refused.output.find("--force"), std::string::npos);
    EXPECT_EQ(testsupport::ReadFileBytes(kept), "the user's file");
    EXPECT_EQ(RunCli("new " + Quoted(kept.string()) + " --force").status, 0);
    EXPECT_EQ(RunCli("check " + Quoted(kept.string())).status, 0);

    EXPECT_EQ(RunCli("new " + Quoted((dir / "gone" / "x.qcf").string())).status, 11);
}

} // namespace
