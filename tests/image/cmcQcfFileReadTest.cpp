#include "CloneFileText.h"
#include "image/cmcQcfFile.h"
#include "overlay/OverlayMessages.h"
#include "overlay/cmcGTex.h"
#include "support/ScriptedMessageBox.h"
#include "support/TempDir.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <sys/stat.h>
#include <vector>

namespace {

using testimage::CloneFileLines;
using testimage::Join;
using testimage::LineOf;
using Lines = std::vector<std::string>;

constexpr CloneFileRange kCovered[] = {{0x000, 0x7FF}, {1, 0}};

// One file handed to Read with the covered-range table, and what must come of it.
struct ReadCase {
    const char* name;
    std::function<std::string(Lines)> file; // from the lines of a good file of the source image
    std::uint8_t code;
    std::function<void(const cmcEeprom&)> check = nullptr; // of the image after a successful read
};

std::string Crlf(const Lines& lines) {
    return Join(lines);
}

Lines Without(Lines lines, std::size_t index) {
    lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(index));
    return lines;
}

Lines Inserted(Lines lines, std::size_t index, std::string line) {
    lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(index), std::move(line));
    return lines;
}

Lines Replaced(Lines lines, std::size_t index, std::string line) {
    lines[index] = std::move(line);
    return lines;
}

// The source image carried by every good file: its bytes 0x000 to 0x7FF.
const cmcEeprom& Source() {
    static const cmcEeprom image = testimage::PatternImage(7);
    return image;
}

void ExpectCarriesSource(const cmcEeprom& image) {
    for (std::int32_t a = 0; a < 0x800; ++a) {
        ASSERT_EQ(image.GetByte(a), Source().GetByte(a)) << "address " << a;
    }
}

std::string HexBytes(int count, const char* byte) {
    std::string text;
    for (int i = 0; i < count; ++i) {
        text += byte;
    }
    return text;
}

const std::vector<ReadCase>& ReadCases() {
    static const std::vector<ReadCase> cases = {
        {"CrLfLineEnds", [](Lines l) { return Crlf(l); }, 0, ExpectCarriesSource},
        {"LineFeedsAlone", [](Lines l) { return Join(l, "\n"); }, 0, ExpectCarriesSource},
        {"LowerCaseHex",
         [](Lines l) {
             for (auto& line : l) {
                 if (line[0] != '#') {
                     for (auto& c : line) {
                         c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
                     }
                 }
             }
             return Crlf(l);
         },
         0,
         ExpectCarriesSource},
        {"LastLineWithoutLineEnd", [](Lines l) { return Join(l, "\r\n", false); }, 0, ExpectCarriesSource},
        // The longest line that fits the line buffer: 766 characters and the line feed.
        {"HeaderLinesAmongDataAndLongestCommentIgnored",
         [](Lines l) {
             l = Inserted(l, LineOf(0x400), "#Comment=" + std::string(757, 'x'));
             return Crlf(Inserted(l, LineOf(0x100), "#MapRev=7"));
         },
         0,
         ExpectCarriesSource},
        // One character more and the line feed is a line of its own: an empty data line.
        {"HeaderLineOneByteTooLong",
         [](Lines l) { return Crlf(Inserted(l, LineOf(0x400), "#Comment=" + std::string(758, 'x'))); },
         6},
        // A longer '#' line goes on as lines that are no header lines.
        {"LongCommentAmongData",
         [](Lines l) { return Crlf(Inserted(l, LineOf(0x400), "#Comment=" + std::string(2000, 'x'))); },
         6},
        {"LongCommentBeforeMapRevision", [](Lines l) { return Crlf(Replaced(l, 1, "#" + std::string(800, 'c'))); }, 5},
        {"LaterMapRevisionLineReplacesEarlier", [](Lines l) { return Crlf(Inserted(l, 2, "#MapRev=3")); }, 0},
        {"MapRevisionWithBlanksSignAndTrailingText",
         [](Lines l) { return Crlf(Replaced(l, 2, "#MapRev=  +1 (first map)")); },
         0},
        {"SameAddressTwiceLaterWins",
         [](Lines l) { return Crlf(Inserted(l, LineOf(0x7F0) + 1, "07F201AB")); },
         0,
         [](const cmcEeprom& image) {
             EXPECT_EQ(image.GetByte(0x7F2), 0xAB);
             EXPECT_EQ(image.GetByte(0x7F3), Source().GetByte(0x7F3));
         }},
        {"LongestDataLine",
         [](Lines l) { return Crlf(Inserted(l, LineOf(0x7F0) + 1, "0000FF" + HexBytes(255, "5A"))); },
         0,
         [](const cmcEeprom& image) {
             EXPECT_EQ(image.GetByte(0x0FE), 0x5A);
             EXPECT_EQ(image.GetByte(0x0FF), Source().GetByte(0x0FF));
         }},
        {"HexLetterInIdentification", [](Lines l) { return Crlf(Replaced(l, 0, "26A10001")); }, 6},
        {"OtherModel", [](Lines l) { return Crlf(Replaced(l, 0, "26920001")); }, 3},
        {"OtherExtraCode", [](Lines l) { return Crlf(Replaced(l, 0, "26910002")); }, 4},
        {"IdentificationWithTrailingBlank", [](Lines l) { return Crlf(Replaced(l, 0, "26910001 ")); }, 6},
        {"IdentificationWithoutLineEnd", [](Lines l) { return l[0]; }, 6},
        {"IdentificationMissing", [](Lines l) { return Crlf(Without(l, 0)); }, 6},
        {"EmptyFile", [](Lines) { return std::string(); }, 6},
        {"MapRevisionMissing", [](Lines l) { return Crlf(Without(l, 2)); }, 5},
        {"MapRevisionRefused", [](Lines l) { return Crlf(Replaced(l, 2, "#MapRev=2")); }, 5},
        {"MapRevisionAfterFirstDataLine",
         [](Lines l) { return Crlf(Inserted(Without(l, 2), LineOf(0x000), "#MapRev=1")); },
         5},
        {"CountZero", [](Lines l) { return Crlf(Inserted(l, LineOf(0x7F0) + 1, "000000")); }, 6},
        {"CountDoesNotMatchLength",
         [](Lines l) { return Crlf(Inserted(l, LineOf(0x7F0) + 1, "0000FE" + HexBytes(255, "5A"))); },
         6},
        {"DataLineLongerThanAnyCount",
         [](Lines l) { return Crlf(Inserted(l, LineOf(0x7F0) + 1, "0000FF" + HexBytes(256, "5A"))); },
         6},
        {"LineOfHundredThousandBytes",
         [](Lines l) { return Crlf(Replaced(l, LineOf(0x100), std::string(100000, '7'))); },
         6},
        {"EmptyLineAmongData", [](Lines l) { return Crlf(Inserted(l, LineOf(0x100), "")); }, 6},
        {"EmptyLineAtEnd", [](Lines l) { return Crlf(l) + "\r\n"; }, 6},
        {"NulByteInDataLine",
         [](Lines l) {
             l[LineOf(0x200)][10] = '\0';
             return Crlf(l);
         },
         6},
        {"BinaryBytes",
         [](Lines l) { return Crlf(Inserted(l, LineOf(0x300), std::string("\x00\xFF\x80\x1B\x7F\xFE", 6))); },
         6},
        {"StrayCarriageReturn", [](Lines l) { return Crlf(Replaced(l, LineOf(0x010), l[LineOf(0x010)] + "\r")); }, 6},
        {"TruncatedInsideALine", [](Lines l) { return Crlf(l).substr(0, Crlf(l).size() - 9); }, 6},
        {"CutBetweenCrAndLfOfLastLine", [](Lines l) { return Crlf(l).substr(0, Crlf(l).size() - 1); }, 6},
        {"TruncatedAtALineEnd", [](Lines l) { return Crlf(l).substr(0, Crlf(l).size() - 40); }, 7},
        {"LineForLastBlockMissing", [](Lines l) { return Crlf(Without(l, LineOf(0x7F0))); }, 7},
        {"IdentificationOnly", [](Lines l) { return Crlf({l[0]}); }, 7},
        {"DataAtByteOutsideTheCoveredRange",
         [](Lines l) { return Crlf(Inserted(l, LineOf(0x7F0) + 1, "08000155")); },
         8},
        {"DataRunningIntoByteOutsideTheCoveredRange",
         [](Lines l) { return Crlf(Replaced(l, LineOf(0x7F0), "07F011" + HexBytes(17, "00"))); },
         8},
        {"DataBeyondTheImage", [](Lines l) { return Crlf(Inserted(l, LineOf(0x400), "08000255AA")); }, 8},
        {"DataAtTopOfAddressSpace", [](Lines l) { return Crlf(Inserted(l, LineOf(0x400), "FFFF0155")); }, 8},
    };
    return cases;
}

class cmcQcfFileRead : public ::testing::TestWithParam<ReadCase> {
protected:
    cmcQcfFileRead() : m_messages(m_gtex, m_box) {
        m_gtex.SetSourceFile(testsupport::TestDataPath("image/clonefile.ovl").string());
        m_image = testimage::PatternImage(99); // what a failed read must leave untouched
    }

    std::uint8_t Read(const std::filesystem::path& path) {
        cmcQcfFile file(m_messages);
        file.AttachImage(m_image);
        file.SetModelCodes(0x2691, 0x0001);
        file.SetMapRevisionTest([](std::int32_t revision) { return revision == 1; });
        return file.Read(path, kCovered);
    }

    // Exactly one box for a failure, with the headline and the code's own text; none for success.
    void ExpectShown(std::uint8_t code) {
        if (code == 0) {
            EXPECT_EQ(m_box.Count(), 0u);
            return;
        }
        ASSERT_EQ(m_box.Count(), 1u);
        EXPECT_EQ(m_box.Last().caption, "VQ-N58 test");
        EXPECT_EQ(m_box.Last().text.rfind("Clone file error.\n\ncode " + std::to_string(code) + ":", 0), 0u)
            << m_box.Last().text;
        EXPECT_EQ(m_box.Last().icon, platform::IMessageBox::Icon::Warning);
        EXPECT_EQ(m_box.Last().buttons, platform::IMessageBox::Buttons::Ok);
    }

    testsupport::TempDir m_dir;
    cmcGTex m_gtex;
    testsupport::ScriptedMessageBox m_box;
    OverlayMessages m_messages;
    cmcEeprom m_image;
};

TEST_P(cmcQcfFileRead, ResultAndImage) {
    const ReadCase& c = GetParam();
    const auto path = m_dir.Write("case.qcf", c.file(CloneFileLines(Source(), "CASE")));
    const cmcEeprom before = m_image;
    const std::uint8_t* buffer = m_image.Data();

    EXPECT_EQ(Read(path), c.code);
    ExpectShown(c.code);
    EXPECT_EQ(m_image.Data(), buffer); // holders of the buffer keep a valid pointer either way
    if (c.code != 0) {
        EXPECT_TRUE(m_image.Equals(before)) << "a failed read must leave the image as it was";
    } else {
        EXPECT_EQ(m_image.GetByte(0x800), before.GetByte(0x800)); // outside every clone file
        if (c.check) {
            c.check(m_image);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Files, cmcQcfFileRead, ::testing::ValuesIn(ReadCases()), [](const auto& test) {
    return std::string(test.param.name);
});

TEST_F(cmcQcfFileRead, UnopenablePathsGiveCodeOne) {
    const cmcEeprom before = m_image;
    EXPECT_EQ(Read(m_dir / "missing.qcf"), 1);
    EXPECT_EQ(Read(m_dir.Path()), 1); // a directory
    const auto fifo = m_dir / "pipe.qcf";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_EQ(Read(fifo), 1);        // opening it would wait for a writer forever
    EXPECT_EQ(Read("/dev/zero"), 1); // reading it would never end
    EXPECT_EQ(m_box.Count(), 4u);
    EXPECT_TRUE(m_image.Equals(before));
}

// A stream that gives the first `good` bytes of a text, then fails (unless that is the whole text).
struct FailingSource {
    std::string text;
    std::size_t good = 0;
    std::size_t offset = 0;
};

ssize_t ReadFailing(void* cookie, char* buffer, std::size_t size) {
    auto& source = *static_cast<FailingSource*>(cookie);
    if (source.offset >= source.good) {
        if (source.good >= source.text.size()) {
            return 0; // the whole text: an ordinary end of the file
        }
        errno = EIO;
        return -1;
    }
    const std::size_t n = std::min(size, source.good - source.offset);
    std::memcpy(buffer, source.text.data() + source.offset, n);
    source.offset += n;
    return static_cast<ssize_t>(n);
}

// A read error is a file that cannot be read, wherever it strikes: not a malformed or short file.
TEST_F(cmcQcfFileRead, ReadErrorPartWayThroughIsCodeOne) {
    const std::string good = Join(CloneFileLines(Source()));
    const cmcEeprom before = m_image;
    for (const std::size_t cut : {std::size_t{0}, std::size_t{5}, good.size() / 2, good.size() - 1}) {
        FailingSource source{good, cut};
        std::FILE* stream = ::fopencookie(&source, "rb", {ReadFailing, nullptr, nullptr, nullptr});
        ASSERT_NE(stream, nullptr);
        std::setvbuf(stream, nullptr, _IONBF, 0);
        cmcQcfFile file(m_messages);
        file.AttachImage(m_image);
        file.SetModelCodes(0x2691, 0x0001);
        file.SetMapRevisionTest([](std::int32_t revision) { return revision == 1; });
        EXPECT_EQ(file.Read(stream, kCovered), 1) << "cut at " << cut;
        std::fclose(stream);
        EXPECT_TRUE(m_image.Equals(before));
    }
    // The same stream without the error reads.
    FailingSource whole{good, good.size()};
    std::FILE* stream = ::fopencookie(&whole, "rb", {ReadFailing, nullptr, nullptr, nullptr});
    cmcQcfFile file(m_messages);
    file.AttachImage(m_image);
    file.SetModelCodes(0x2691, 0x0001);
    file.SetMapRevisionTest([](std::int32_t revision) { return revision == 1; });
    EXPECT_EQ(file.Read(stream, kCovered), 0);
    std::fclose(stream);
}

TEST_F(cmcQcfFileRead, MapRevisionTestSeesMinusOneWhenNoneWasRead) {
    const auto path = m_dir.Write("norev.qcf", Join(Without(CloneFileLines(Source()), 2)));
    std::vector<std::int32_t> asked;
    cmcQcfFile file(m_messages);
    file.AttachImage(m_image);
    file.SetModelCodes(0x2691, 0x0001);
    file.SetMapRevisionTest([&](std::int32_t revision) {
        asked.push_back(revision);
        return false;
    });
    EXPECT_EQ(file.Read(path, kCovered), 5);
    EXPECT_EQ(asked, std::vector<std::int32_t>{-1});

    // Without a test every file with data is refused.
    cmcQcfFile untested(m_messages);
    untested.AttachImage(m_image);
    untested.SetModelCodes(0x2691, 0x0001);
    EXPECT_EQ(untested.Read(m_dir.Write("good.qcf", Join(CloneFileLines(Source())))), 5);
}

TEST_F(cmcQcfFileRead, WithoutTableAnyAddressInsideTheImageIsAccepted) {
    const auto path = m_dir.Write("part.qcf", Join({"26910001", "#MapRev=1", "08000142", "07F00201FF"}));
    cmcQcfFile file(m_messages);
    file.AttachImage(m_image);
    file.SetModelCodes(0x2691, 0x0001);
    file.SetMapRevisionTest([](std::int32_t revision) { return revision == 1; });
    EXPECT_EQ(file.Read(path), 0);
    EXPECT_EQ(file.GetMapRevision(), 1);
    EXPECT_EQ(m_image.GetByte(0x800), 0x42);
    EXPECT_EQ(m_image.GetByte(0x7F1), 0xFF);
    // The coverage test over what was loaded: the byte at 0x800 is outside the table.
    EXPECT_EQ(file.CheckCoverage(kCovered), 8);
    constexpr CloneFileRange kExact[] = {{0x7F0, 0x7F1}, {0x800, 0x800}};
    EXPECT_EQ(file.CheckCoverage(kExact), 0);
    constexpr CloneFileRange kWider[] = {{0x7F0, 0x7F2}, {0x800, 0x800}};
    EXPECT_EQ(file.CheckCoverage(kWider), 7);
    EXPECT_EQ(m_box.Count(), 0u); // CheckCoverage shows nothing itself
}

} // namespace
