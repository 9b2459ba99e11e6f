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

} // namespace
