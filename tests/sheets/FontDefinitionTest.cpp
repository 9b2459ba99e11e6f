#include "sheets/FontDefinition.h"

#include "sheets/ColourNames.h"
#include "sheets/ReadDecimal.h"

#include <gtest/gtest.h>

namespace {

using platform::FontDesc;

TEST(ColourNames, AllThirtyEightNamesAndTheirValues) {
    const struct {
        const char* name;
        std::uint32_t value;
    } cases[] = {
        {"clAqua", 0xFFFF00},
        {"clBlack", 0},
        {"clBlue", 0xFF0000},
        {"clDkGray", 0x808080},
        {"clFuchsia", 0xFF00FF},
        {"clGray", 0x808080},
        {"clGreen", 0x008000},
        {"clLime", 0x00FF00},
        {"clLtGray", 0xC0C0C0},
        {"clMaroon", 0x000080},
        {"clNavy", 0x800000},
        {"clOlive", 0x008080},
        {"clPurple", 0x800080},
        {"clRed", 0x0000FF},
        {"clSilver", 0xC0C0C0},
        {"clTeal", 0x808000},
        {"clWhite", 0xFFFFFF},
        {"clYellow", 0x00FFFF},
        {"clBackground", 0x80000001},
        {"clActiveCaption", 0x80000002},
        {"clInactiveCaption", 0x80000003},
        {"clMenu", 0x80000004},
        {"clWindow", 0x80000005},
        {"clWindowFrame", 0x80000006},
        {"clMenuText", 0x80000007},
        {"clWindowText", 0x80000008},
        {"clCaptionText", 0x80000009},
        {"clActiveBorder", 0x8000000A},
        {"clInactiveBorder", 0x8000000B},
        {"clAppWorkSpace", 0x8000000C},
        {"clHighlight", 0x8000000D},
        {"clHightlightText", 0x8000000E},
        {"clBtnFace", 0x8000000F},
        {"clBtnShadow", 0x80000010},
        {"clGrayText", 0x80000011},
        {"clBtnText", 0x80000012},
        {"clInactiveCaptionText", 0x80000013},
        {"clBtnHighlight", 0x80000014},
    };
    static_assert(std::size(cases) == 38);
    for (const auto& c : cases) {
        EXPECT_EQ(sheets::LookupColour(c.name), c.value) << c.name;
    }
    for (const char* unknown : {"clHighlightText", " clRed", "clred", "clRed ", ""}) {
        EXPECT_FALSE(sheets::LookupColour(unknown).has_value()) << '"' << unknown << '"';
    }
}

FontDesc Applied(const char* specification, FontDesc font = {}) {
    sheets::ApplyFont(specification, font);
    return font;
}

TEST(ApplyFont, FieldsChangeOnlyWhatTheyGive) {
    FontDesc base;
    base.height = -16;
    base.style = FontDesc::kUnderline;

    FontDesc expected = base;
    expected.charset = 128;
    expected.name = "Mono Sans";
    EXPECT_EQ(Applied("  SHIFTJIS_CHARSET\t ,  Mono Sans", base), expected);

    // Unknown names and an empty specification leave everything.
    EXPECT_EQ(Applied("", base), base);
    EXPECT_EQ(Applied("BOGUS_CHARSET,,  clRed,,,Bold,fpBogus", base), base);
    EXPECT_EQ(Applied("ANSI_CHARSET x", base).charset, base.charset);

    EXPECT_EQ(Applied(",,clRed", base).colour, 0x0000FFU);
    EXPECT_EQ(Applied(",,,,,,fpFixed ", base).pitch, FontDesc::kPitchFixed);
    EXPECT_EQ(Applied(",,,,,,,fpFixed", base).pitch, base.pitch) << "fields beyond the seventh are ignored";
    EXPECT_EQ(Applied(",,,,, fsBold + fsItalic ", base).style, FontDesc::kBold | FontDesc::kItalic);
    EXPECT_EQ(Applied(",,,,,Bold+fsStrikeOut", base).style, FontDesc::kStrikeOut);
    EXPECT_EQ(Applied(",,,,,Bold", base).style, base.style);
    EXPECT_EQ(Applied(",0123456789012345678901234567890123456789", base).name, "0123456789012345678901234567890");
}

TEST(ApplyFont, HeightAndSizeRules) {
    FontDesc base;
    base.height = -16;
    const struct {
        const char* specification;
        std::int32_t height;
    } cases[] = {
        {",,,%50", -8},
        {",,,%1", 1},
        {",,, %150", -24},
        {",,,-20", -20},
        {",,,0", -16},
        {",,,x", -16},
        {",,,%", 1},
        {",,,%999999999999", -343597383},
        {",,,99999999999", INT32_MAX},
        {",,,,24", -32},
        {",,,,%200", -32},
        {",,,,0", -16},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Applied(c.specification, base).height, c.height) << c.specification;
    }
}

TEST(ReadDecimal, PlainConversion) {
    const struct {
        const char* text;
        std::int32_t value;
    } cases[] = {{"  42x", 42},
                 {"-7", -7},
                 {"+3", 3},
                 {"x1", 0},
                 {"", 0},
                 {"- 1", 0},
                 {"2147483648", INT32_MAX},
                 {"-99999999999999999999", INT32_MIN}};
    for (const auto& c : cases) {
        EXPECT_EQ(sheets::ReadDecimal(c.text), c.value) << c.text;
    }
}

} // namespace
