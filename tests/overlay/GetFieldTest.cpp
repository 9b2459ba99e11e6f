// Splitting overlay lines into fields, and stepping over multi-byte characters.
#include "overlay/TextScan.h"
#include "overlay/cmcGTex.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>

namespace {

struct FieldCase {
    const char* text;
    char separator;
    int n;
    std::optional<std::string> expected;
};

TEST(GetField, FieldsByPosition) {
    const FieldCase cases[] = {
        {"a,b,c", ',', 0, "a"},
        {"a,b,c", ',', 2, "c"},
        {"a,b,c", ',', 3, std::nullopt}, // beyond the last field: nothing, not an empty text
        {"a,,c", ',', 1, ""},            // two separators in a row: an empty field between them
        {"a,b,", ',', 2, ""},            // a trailing separator ends with an empty field
        {",a", ',', 0, ""},
        {"", ',', 0, ""},
        {"", ',', 1, std::nullopt},
        {" a , b ", ',', 1, " b "}, // fields are not trimmed
        {"a;b,c", ';', 1, "b,c"},
        {"a,b", ',', -1, std::nullopt},
        {"\xE3\x80\x81,x", ',', 1, "x"}, // a multi-byte character before the separator
        {"caf\xC3\xA9,x", ',', 0, "caf\xC3\xA9"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(GetField(c.text, c.separator, c.n), c.expected) << '"' << c.text << "\" field " << c.n;
    }
}

TEST(GetField, ByteInsideMultiByteCharacterNeverSeparates) {
    // With a separator byte equal to a continuation byte (0x81), only a whole character may separate.
    const std::string text = "\xE3\x80\x81|\x81";
    EXPECT_EQ(GetField(text, '\x81', 0), "\xE3\x80\x81|");
    EXPECT_EQ(GetField(text, '\x81', 1), "");
    EXPECT_EQ(GetField(text, '\x81', 2), std::nullopt);
}

TEST(TextScan, CharacterLengths) {
    struct Case {
        std::string text;
        std::size_t pos;
        std::size_t expected;
    };
    const Case cases[] = {
        {"a", 0, 1},
        {"\xC3\xA9", 0, 2},
        {"\xE3\x80\x81", 0, 3},
        {"\xF0\x9F\x93\xBB", 0, 4},
        {"\xE3\x80", 0, 2}, // cut short at the end of the text
        {"\xE3"
         "a",
         0,
         1},                // a lead byte without its continuation
        {"\x80", 0, 1},     // a stray continuation byte
        {"\xC0\x80", 0, 1}, // never a lead byte
        {"ab", 2, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CharLengthAt(c.text, c.pos), c.expected) << c.pos;
    }
    EXPECT_TRUE(IsLeadByte('\xC3'));
    EXPECT_FALSE(IsLeadByte('a'));
    EXPECT_FALSE(IsLeadByte('\x81'));
}

} // namespace
