// The physical form of overlay lines: line ends, carriage returns, over-long lines and odd bytes.
#include "OverlayFile.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

std::string Repeat(char c, std::size_t n) {
    return std::string(n, c);
}

// A physical line of `n` bytes `c` as the reader returns it: lines of 8191 bytes and the rest, then
// `next`.
std::vector<std::string> Chunks(char c, std::size_t n, const std::string& next) {
    std::vector<std::string> lines;
    for (; n > 8191; n -= 8191) {
        lines.push_back(Repeat(c, 8191));
    }
    lines.push_back(Repeat(c, n));
    lines.push_back(next);
    return lines;
}

struct FormCase {
    const char* name;
    std::string overlay;
    std::vector<std::string> lines; // lines 0, 1, ... of section "K"
};

std::vector<FormCase> FormCases() {
    using namespace std::string_literals;
    return {
        {"CR LF line ends", "#K\r\none\r\ntwo\r\n#End_Of_Ovl\r\n", {"one", "two", "#End_Of_Ovl"}},
        {"lone CR stays", "#K\na\rb\n\r\n#End_Of_Ovl\n", {"a\rb", "", "#End_Of_Ovl"}},
        {"CR at end of file stays", "#K\nlast\r", {"last\r"}},
        {"no line end at end of file", "#K\nlast", {"last"}},
        {"NUL bytes are kept", "#K\na\0b\n#End_Of_Ovl\n"s, {"a\0b"s, "#End_Of_Ovl"}},
        {"9000 bytes split 8191 + rest",
         "#K\n" + Repeat('x', 9000) + "\nnext\n",
         {Repeat('x', 8191), Repeat('x', 809), "next"}},
        {"8190 bytes and LF fit one line", "#K\n" + Repeat('y', 8190) + "\nnext\n", {Repeat('y', 8190), "next"}},
        {"8191 bytes leave the LF alone", "#K\n" + Repeat('y', 8191) + "\nnext\n", {Repeat('y', 8191), "", "next"}},
        {"CR LF counts as one byte at the limit",
         "#K\n" + Repeat('z', 8190) + "\r\nnext\n",
         {Repeat('z', 8190), "next"}},
        {"100000-byte line", "#K\n" + Repeat('w', 100000) + "\nnext\n", Chunks('w', 100000, "next")},
        {"header key from CR LF line", "#A\r\n#K\r\nk\r\n", {"k"}},
        {"binary bytes", "#K\n\xff\xfe\x80\x01\n", {"\xff\xfe\x80\x01"}},
    };
}

TEST(GTexLineForm, SectionLinesAsRead) {
    for (const auto& c : FormCases()) {
        OverlayFile file(c.overlay);
        for (std::size_t i = 0; i < c.lines.size(); ++i) {
            EXPECT_EQ(file.gtex.GetLine("K", static_cast<int>(i)), c.lines[i]) << c.name << ", line " << i;
        }
        // Read backwards too: the cache and the section start must give the same lines again.
        for (std::size_t i = c.lines.size(); i-- > 0;) {
            EXPECT_EQ(file.gtex.GetLine("K", static_cast<int>(i)), c.lines[i]) << c.name << ", again line " << i;
        }
    }
}

TEST(GTexLineForm, HeaderNeedsACharacterAfterHash) {
    // "#" alone, also as "#\r\n", is an ordinary line.
    OverlayFile file("#\r\n#K\n#\nk1\n#\r\n");
    EXPECT_EQ(file.gtex.GetLine("K", 0), "#");
    EXPECT_EQ(file.gtex.GetLine("K", 1), "k1");
    EXPECT_EQ(file.gtex.GetLine("K", 2), "#");
    EXPECT_EQ(file.gtex.IndexOrder(), std::vector<std::string>{"K"});
}

} // namespace
