#include "overlay/DefinitionSource.h"
#include "sheets/cmcCellObj.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

using ::testing::ExitedWithCode;

// Named models for the cases below; "Self" uses itself.
TextDefinitionSource& Models() {
    static TextDefinitionSource models("#CellModel_Sel\n"
                                       "S^\n"
                                       "#CellModel_Nest\n"
                                       "($Sel)W(Color=clRed)\n"
                                       "#CellModel_Self\n"
                                       "H($Self)\n"
                                       "#End_Of_Ovl\n");
    return models;
}

cmcCellObj Parse(std::string_view definition, const cmcCellObj* templ = nullptr, LoopVarArray* vars = nullptr) {
    cmcCellObj cell;
    cell.Parse(definition, templ, vars, Models());
    return cell;
}

// All cells of a definition line, as the sheet builds them.
std::vector<cmcCellObj> ParseLine(std::string_view line, LoopVarArray* vars = nullptr) {
    std::vector<cmcCellObj> cells;
    while (!line.empty()) {
        cells.emplace_back();
        line = cells.back().Parse(line, nullptr, vars, Models());
    }
    return cells;
}

TEST(CellNotation, AttributeCharacters) {
    const struct {
        const char* definition;
        std::uint8_t flagsA;
        std::uint8_t flagsB;
    } cases[] = {
        {"{<~}", 0x00, 0},     {"{^-}", 0x05, 0},        {"{>_}", 0x0A, 0}, {"{W}", 0x10, 0},
        {"{H}", 0x20, 0},      {"{+}", 0x40, 0},         {"{B}", 0x80, 0},  {"{S}", 0, 1},
        {"{T}", 0, 2},         {"{WS!W}", 0, 1},         {"{!SS}", 0, 1},   {"{!!S}", 0, 0},
        {"{!^S}", 0x01, 1},    {"{\\SW}", 0x10, 0},      {"{ x?S }", 0, 1}, {"{!(Color=clRed)S}", 0, 1},
        {"{W}a{S}b", 0x10, 1}, {"{!}{S}", 0, 0},         {"{S", 0, 1},      {"S}", 0, 0},
        {"{($Sel)}", 0x01, 1}, {"{($Nest)!S}", 0x11, 0},
    };
    for (const auto& c : cases) {
        const cmcCellObj cell = Parse(c.definition);
        EXPECT_EQ(cell.FlagsA(), c.flagsA) << c.definition;
        EXPECT_EQ(cell.FlagsB(), c.flagsB) << c.definition;
    }
}

TEST(CellNotation, NegationSwitchesOffTheTemplatesFlag) {
    const cmcCellObj templ = Parse("{SW}");
    EXPECT_FALSE(Parse("{!S}", &templ).Selectable());
    EXPECT_TRUE(Parse("{!S}", &templ).AutoWidth());
}

TEST(CellNotation, Properties) {
    cmcCellObj templ = Parse("{(%CT_UsaCh.CL_ChList_Tag[7]:old)(PopupMenu=GI_PMenu_T)}");
    const cmcCellObj colour = Parse("{(Color=clRed)(Colour=clBlue)(Color=clNope)(Color)}", &templ);
    EXPECT_EQ(colour.Color(), 0x0000FFU);
    EXPECT_EQ(Parse("{(ImageIndex=12)}").ImageIndex(), 12);
    EXPECT_EQ(Parse("{(ImageIndex)}").ImageIndex(), -1);
    EXPECT_EQ(Parse("{(PopupMenu=GI_X)}").PopupMenu(), "GI_X");
    EXPECT_EQ(Parse("{(Bogus=1)(PopupMenu)}").PopupMenu(), std::nullopt);

    const struct {
        const char* definition;
        int flag;
        bool on;
    } flags[] = {{"{(Flag0=1)}", 0, true},
                 {"{(Flag5=1)}", 5, true},
                 {"{(Flag7=1)}", 7, true},
                 {"{(Flag8=1)}", 8, false},
                 {"{(Flag3=2)}", 3, false},
                 {"{(Flag3=11)}", 3, false},
                 {"{(Flag3 =1)}", 3, false},
                 {"{(Flag6=1)(Flag6=0)}", 6, false}};
    for (const auto& c : flags) {
        EXPECT_EQ(Parse(c.definition).Flag(c.flag), c.on) << c.definition;
    }
    EXPECT_EQ(Parse("{(Flag6=1)(Flag7=1)}").FlagsC(), 3);
    EXPECT_EQ(Parse("{(Flag0=1)(Flag5=1)}").FlagsB(), 0x84);
}

TEST(CellNotation, KindProperty) {
    cmcCellObj templ;
    templ.Parse("{(%CT_UsaCh.CL_ChList_Tag[7]:old)}", nullptr, nullptr, Models());
    const struct {
        const char* definition;
        std::int32_t category;
        std::int32_t kind;
        std::int32_t index;
        std::optional<std::string> argument;
    } cases[] = {
        {"{(%CT_IntCh.CL_ChList_No[3])}", 2, 112, 3, "old"},
        {"{(%CT_IntCh.CL_ChList_No)}", 2, 112, 7, "old"},
        {"{(%CL_ChList_No:1\\.5)}", 3, 112, 7, "1.5"},
        {"{(%.CL_ChList_No[ -4x])}", 7, 112, -4, "old"},
        {"{(%CT_IntCh.)}", 2, 256, 7, "old"},
        {"{(%CL_ChList_No[2]:a\\\\b\\)c)}", 3, 112, 2, "a\\b)c"},
        {"{(%CL_ChList_No[x]:)}", 3, 112, 0, ""},
        {"{(%CL_ChList_No[5:arg)}", 3, 112, 5, "old"},
        {"{(%CL_ChList_No[99999999999])}", 3, 112, INT32_MAX, "old"},
        {"{(%CallSheet:GI_Sheet_IntCh)}", 3, 49, 7, "GI_Sheet_IntCh"},
    };
    for (const auto& c : cases) {
        const cmcCellObj cell = Parse(c.definition, &templ);
        EXPECT_EQ(cell.Category(), c.category) << c.definition;
        EXPECT_EQ(cell.Kind(), c.kind) << c.definition;
        EXPECT_EQ(cell.Index(), c.index) << c.definition;
        EXPECT_EQ(cell.Argument(), c.argument) << c.definition;
    }
}

TEST(CellNotation, SplittingALine) {
    const auto cells = ParseLine("a\\|b|c");
    ASSERT_EQ(cells.size(), 2U);
    EXPECT_EQ(cells[0].DisplayText(), "a|b");
    EXPECT_EQ(cells[1].DisplayText(), "c");
    EXPECT_EQ(ParseLine("a|b|").size(), 2U);
    const auto three = ParseLine("a||b");
    ASSERT_EQ(three.size(), 3U);
    EXPECT_FALSE(three[1].HasDisplayText());
    EXPECT_EQ(ParseLine("{(%CL_Fch_ChName:x\\|y)}|z").size(), 2U);
    EXPECT_EQ(ParseLine("").size(), 0U);
    EXPECT_EQ(cmcCellObj::Split("ab\\"), "");
}

TEST(CellNotation, DisplayTextEscapes) {
    LoopVarArray vars{};
    vars[1] = 1234567;
    vars[2] = -5;
    const struct {
        const char* definition;
        const char* text;
    } cases[] = {
        {"  plain text\t", "plain text"},
        {"a\\nb\\Nc", "a\nb\nc"},
        {"\\_x\\_", " x "},
        {"\\q\\\\", "q\\"},
        {"x\\", "x"},
        {"\\(@ch1 + 10)", "123457"},
        {"ch\\(@ch2\t+ 7)!", "ch2!"},
        {"\\(@ch2 x)", "-5"},
        {"\\(@ch1)", "123456"},
        {"é\\_ü", "é ü"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Parse(c.definition, nullptr, &vars).DisplayText(), c.text) << c.definition;
    }
    EXPECT_FALSE(Parse(" \t\x01 {S} ", nullptr, &vars).HasDisplayText());
}

TEST(CellNotation, LoopCommandsRunInTextOrder) {
    LoopVarArray vars{};
    EXPECT_EQ(Parse("{(@ch3=41)(@ch3++)}\\(@ch3)", nullptr, &vars).DisplayText(), "42");
    EXPECT_EQ(Parse("{(@ch3 = \t-2)(@ch3 ++)(@ch3 junk)}", nullptr, &vars).Index(), 0);
    EXPECT_EQ(vars[3], -2) << "only \"++\" right after the digit increments";
    EXPECT_EQ(Parse("{(%CL_ChList_No[@ch3])}", nullptr, &vars).Index(), -2);
    EXPECT_EQ(Parse("{(%CL_ChList_No[@ch3+9])}", nullptr, &vars).Index(), -2) << "text after the reference is ignored";
    vars[4] = INT32_MAX;
    Parse("{(@ch4++)}", nullptr, &vars);
    EXPECT_EQ(vars[4], INT32_MIN);
}

TEST(CellNotation, ModelsMayUseModelsButNotWithoutEnd) {
    const cmcCellObj cell = Parse("{($Nest)}");
    EXPECT_TRUE(cell.Selectable());
    EXPECT_TRUE(cell.AutoWidth());
    EXPECT_EQ(cell.Color(), 0x0000FFU);
    EXPECT_TRUE(Parse("{($Self)}").AutoHeight());
}

TEST(CellNotationDeath, DefinitionFaults) {
    LoopVarArray vars{};
    const struct {
        const char* definition;
        bool withVars;
        const char* message;
    } cases[] = {
        {"{(@ch0++)}", false, "Ch No\\. Error"},
        {"\\(@ch0)", false, "Ch No\\. Error"},
        {"{(@ch12++)}", true, "Ch No\\. Error"},
        {"{(@cx1++)}", true, "Ch No\\. Error"},
        {"{(%CL_ChList_No[@ch])}", true, "Ch No\\. Error"},
        {"\\(@ch1", true, "Illegal Ch No\\."},
        {"\\(x)", true, "Ch No\\. Error"},
        {"{(%CL_ChList_No:1.5)}", true, "Cannot use the specified category\\.\n'CL_ChList_No:1'"},
        {"{(%CL_Nope)}", true, "Cannot use the specified cell\\.\n'CL_Nope'"},
        {"{($Missing)}", true, "GTEX Error !\nThe index 'CellModel_Missing' was not found\\."},
    };
    for (const auto& c : cases) {
        EXPECT_EXIT(Parse(c.definition, nullptr, c.withVars ? &vars : nullptr), ExitedWithCode(3), c.message)
            << c.definition;
    }
}

} // namespace
