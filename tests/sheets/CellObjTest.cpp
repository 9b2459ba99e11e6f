#include "overlay/DefinitionSource.h"
#include "sheets/clsSheeRowAtr.h"
#include "sheets/clsSheetCellId.h"
#include "sheets/cmcCellCapsule.h"
#include "sheets/cmcCellObj.h"

#include <gtest/gtest.h>

namespace {

TextDefinitionSource& NoModels() {
    static TextDefinitionSource none("#End_Of_Ovl\n");
    return none;
}

TEST(CellObj, DefaultsAndResetWithoutTemplate) {
    cmcCellObj cell;
    EXPECT_EQ(cell.Category(), 7);
    EXPECT_EQ(cell.Kind(), 256);
    EXPECT_EQ(cell.Index(), 0);
    EXPECT_EQ(cell.ImageIndex(), -1);
    EXPECT_EQ(cell.Color(), 0x80000005U);
    EXPECT_EQ(cell.Font(), nullptr);
    EXPECT_FALSE(cell.Argument() || cell.PopupMenu() || cell.HasDisplayText());

    cell.Parse("{S(%CT_WxCh.CL_WX_ChAtr[4]:a)(Font=,,,-20)(PopupMenu=P)(ImageIndex=3)(Color=clRed)}t",
               nullptr,
               nullptr,
               NoModels());
    cell.ResetFromTemplate();
    // Category and Index stay when there is no template; everything else returns to its default.
    EXPECT_EQ(cell.Category(), 5);
    EXPECT_EQ(cell.Index(), 4);
    EXPECT_EQ(cell.Kind(), 256);
    EXPECT_EQ(cell.ImageIndex(), -1);
    EXPECT_EQ(cell.FlagsB(), 0);
    EXPECT_EQ(cell.Color(), 0x80000005U);
    EXPECT_FALSE(cell.Font() || cell.Argument() || cell.PopupMenu() || cell.HasDisplayText());
}

TEST(CellObj, ResetFromTemplateInheritsFontAndMenuInsteadOfCopying) {
    cmcCellObj templ;
    templ.Parse("{S(%CT_IntCh.CL_ChList_No[9]:arg)(Font=,,,-20)(PopupMenu=GI_PMenu)(Color=clRed)}text",
                nullptr,
                nullptr,
                NoModels());
    cmcCellObj cell;
    cell.Parse("", &templ, nullptr, NoModels());
    EXPECT_EQ(cell.Template(), &templ);
    EXPECT_EQ(cell.Category(), 2);
    EXPECT_EQ(cell.Kind(), 112);
    EXPECT_EQ(cell.Index(), 9);
    EXPECT_EQ(cell.Identity(), (CellIdentity{2, 112, 9}));
    EXPECT_EQ(cell.Argument(), "arg");
    EXPECT_TRUE(cell.Selectable());
    EXPECT_EQ(cell.Color(), 0x0000FFU);
    EXPECT_EQ(cell.DisplayText(), "text");
    EXPECT_EQ(cell.Font(), nullptr);
    EXPECT_EQ(cell.PopupMenu(), std::nullopt);
    EXPECT_EQ(cell.EffectivePopupMenu(), "GI_PMenu");
    EXPECT_EQ(cell.EffectiveFont(templ).height, -20);

    // An empty own key falls back to the chain too; a non-empty one wins.
    cell.Parse("{(PopupMenu=)}", &templ, nullptr, NoModels());
    EXPECT_EQ(cell.EffectivePopupMenu(), "GI_PMenu");
    cell.Parse("{(PopupMenu=Own)}", &templ, nullptr, NoModels());
    EXPECT_EQ(cell.EffectivePopupMenu(), "Own");
    cmcCellObj orphan;
    EXPECT_EQ(orphan.EffectivePopupMenu(), "");
}

TEST(CellObj, OwnFontStartsFromTheTemplatesFont) {
    cmcCellObj basic;
    basic.Parse("{(Font=,,,-16,,fsBold,)}", nullptr, nullptr, NoModels());
    cmcCellObj cell;
    cell.Parse("{(Font=,,,%150,,,)}", &basic, nullptr, NoModels());
    ASSERT_NE(cell.Font(), nullptr);
    EXPECT_EQ(cell.Font()->height, -24);
    EXPECT_EQ(cell.Font()->style, platform::FontDesc::kBold);
    cmcCellObj plain;
    plain.Parse("x", &basic, nullptr, NoModels());
    EXPECT_EQ(&plain.EffectiveFont(basic), basic.Font());
    // Without any font, the default font is used.
    EXPECT_EQ(cmcCellObj().EffectiveFont(cmcCellObj()), cmcCellObj::DefaultFont());
}

TEST(CellObj, CopyIsIndependent) {
    cmcCellObj source;
    source.Parse("{(%CL_Fch_ChName[3]:arg)(Font=,Serif)(PopupMenu=P)}text", nullptr, nullptr, NoModels());
    cmcCellObj copy(source);
    EXPECT_EQ(copy.Font()->name, "Serif");
    EXPECT_EQ(copy.PopupMenu(), "P");
    copy.SetDisplayText("changed");
    copy.SetArgument("other");
    copy.OwnFont().name = "Mono";
    EXPECT_EQ(source.DisplayText(), "text");
    EXPECT_EQ(source.Argument(), "arg");
    EXPECT_EQ(source.Font()->name, "Serif");
    EXPECT_NE(copy.Font(), source.Font());
}

TEST(RowTable, GrowsByHalfAgainWithSelectableDefaults) {
    SheetRowTable rows;
    rows.At(0);
    EXPECT_EQ(rows.Allocated(), 1U);
    rows.At(10).Line = 5;
    EXPECT_EQ(rows.Allocated(), 16U); // 10 + 10 / 2 + 1
    EXPECT_EQ(rows[3].Line, 0);
    EXPECT_TRUE(rows[3].RowSelectOn);
    rows.At(15);
    EXPECT_EQ(rows.Allocated(), 16U);
    EXPECT_EQ(rows.Count(), 0U) << "growing allocates entries but adds no rows";
}

TEST(CellSlot, NewSlotIsMultiSelectableWithADefaultCell) {
    clsSheetCellId slot;
    EXPECT_TRUE(slot.MultiSelectable());
    EXPECT_FALSE(slot.Selected() || slot.LineMarked());
    EXPECT_EQ(slot.Cell().Kind(), 256);
    slot.SetSelected(true);
    slot.SetMultiSelectable(false);
    EXPECT_TRUE(slot.Selected());
    EXPECT_FALSE(slot.MultiSelectable());
}

// A behaviour that answers as the model does for a drawing request, and asks for a repaint on commands.
class RecordingBehaviour final : public ICellBehaviour {
public:
    int Answer(cmcCellCapsule& capsule, int mode) override {
        capsule.OutText = std::string(capsule.Cell->DisplayText()) + "!";
        capsule.SetState(cmcCellCapsule::kWarning, true);
        capsule.RefreshScope = mode == kCommand ? 0x20 : 0;
        return mode == kCommand ? kOpenEditor : kNothing;
    }
};

TEST(CellCapsule, CarriesACellToTheBehaviourAndTheAnswerBack) {
    cmcCellObj cell;
    cell.SetDisplayText("abc");
    cmcCellCapsule capsule;
    EXPECT_EQ(capsule.Command, 0);
    capsule.Cell = &cell;
    RecordingBehaviour behaviour;
    EXPECT_EQ(behaviour.Answer(capsule, ICellBehaviour::kDraw), ICellBehaviour::kNothing);
    EXPECT_EQ(capsule.RefreshScope, 0);
    EXPECT_EQ(behaviour.Answer(capsule, ICellBehaviour::kCommand), ICellBehaviour::kOpenEditor);
    EXPECT_EQ(capsule.RefreshScope, 0x20);
    EXPECT_EQ(capsule.OutText, "abc!");
    EXPECT_TRUE(capsule.Warning());
    EXPECT_FALSE(capsule.Caution());

    const cmcCellCapsule copy = capsule;
    EXPECT_EQ(copy.Cell, &cell);
    EXPECT_EQ(copy.OutText, "abc!");
    EXPECT_EQ(copy.RefreshScope, 0x20);
}

} // namespace
