// Filling overlay format texts: placeholders take values as text, nothing is ever interpreted further.
#include "overlay/FormatText.h"

#include <gtest/gtest.h>

namespace {

TEST(FormatText, Placeholders) {
    struct Case {
        const char* format;
        std::initializer_list<std::string_view> values;
        const char* expected;
    };
    const Case cases[] = {
        {"Save changes to %s?", {"Untitled"}, "Save changes to Untitled?"},
        {"COM%d on %s", {"3", "/dev/ttyS2"}, "COM3 on /dev/ttyS2"},
        {"%s and %s", {"one"}, "one and "}, // a placeholder beyond the values gives nothing
        {"no placeholder", {"unused"}, "no placeholder"},
        {"100%% sure", {}, "100% sure"},
        {"%n%x%", {"v"}, "%n%x%"},  // anything else stays as it stands
        {"%s", {"%s %n"}, "%s %n"}, // a value is never read as a format
        {"", {"v"}, ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FormatText(c.format, c.values), c.expected) << c.format;
    }
}

// Text quoted from a file into a message: what a terminal would act on or cut at is shown as \xNN.
TEST(FormatText, PrintableTextEscapesControlsAndBrokenUtf8) {
    const struct {
        std::string text;
        std::string expected;
    } cases[] = {
        {"plain C:\\dir 'x'", "plain C:\\dir 'x'"},
        {std::string("a\0b", 3), "a\\x00b"},
        {"\x1B[2J\t\r\n\x7F", "\\x1B[2J\\x09\\x0D\\x0A\\x7F"},
        {"\xC3\xA9t\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x93\xBB", "\xC3\xA9t\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x93\xBB"},
        {"\xC2\x9B"
         "1m \xC2\xA0",
         "\\xC2\\x9B"
         "1m \xC2\xA0"}, // a C1 control; a no-break space stays
        {"\xFF\xC3 \xC0\x80 \xED\xA0\x80 \xE2\x82", "\\xFF\\xC3 \\xC0\\x80 \\xED\\xA0\\x80 \\xE2\\x82"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PrintableText(c.text), c.expected) << c.expected;
    }
}

} // namespace
