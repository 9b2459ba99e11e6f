#include "CellDocumentDouble.h"

#include <utility>

namespace celltest {
namespace {

struct ListSpec {
    const char* name;
    int items;
};

constexpr ListSpec kLists[] = {
    {"GI_Sheet_Sel_Beep", 3},           {"GI_Sheet_Sel_ScanF", 2},          {"GI_Sheet_Sel_Misc_Appear", 2},
    {"GI_Sheet_Sel_Misc_OnOff", 2},     {"GI_Sheet_Sel_DualTri", 2},        {"GI_Sheet_Sel_Moni", 2},
    {"GI_Sheet_Sel_Contrast", 2},       {"GI_Sheet_Sel_UserSetPowSave", 3}, {"GI_Sheet_Sel_Misc_Able", 2},
    {"GI_Sheet_Sel_Misc_Accept", 2},    {"GI_Sheet_Sel_SQLkey", 2},         {"GI_Sheet_Sel_UserSetLcdIntE", 4},
    {"GI_Sheet_Sel_UserSetLcdIntU", 4}, {"GI_Sheet_Sel_UserSetLcdUsaE", 4}, {"GI_Sheet_Sel_UserSetLcdUsaU", 4},
    {"GI_Sheet_Sel_UserSetLcdCanE", 4}, {"GI_Sheet_Sel_UserSetLcdCanU", 4}, {"GI_Sheet_Sel_UserSetTxPow", 2},
    {"GI_Sheet_Sel_Misc_I_Accept", 2},  {"GI_Sheet_Sel_ChTag", 2},          {"GI_Sheet_Sel_ChTxInh", 2},
    {"GI_Sheet_Sel_ChPoc", 2},          {"GI_Sheet_Sel_ChSimp", 2},         {"GI_Sheet_Sel_WxChAtr", 2},
    {"GI_Sheet_Sel_ChATRAll", 5},       {"GI_Sheet_Sel_ChATRUse", 5},
};

} // namespace

std::string TestOverlay() {
    std::string text;
    for (const ListSpec& list : kLists) {
        text += "#" + std::string(list.name) + "_Cells\n";
        for (int i = 0; i < list.items; ++i) {
            text += "{(%Flex0[" + std::to_string(i) + "])}" + std::to_string(i) + "\n";
        }
        text += "#\n";
    }
    // A list whose items stand for 5, 9 and 1, in that position order.
    text += "#L_Cells\n{(%Flex0[5])}five|{(%Flex0[9])}nine|{(%Flex0[1])}one\n#\n";
    text += "#GI_AppInd_TimerOff\nOFF\n"
            "#GI_AppInd_Dsc_SelfIdOff\nnot set\n"
            "#GI_Botttom_EditRestrected\nrestricted\n"
            "#GI_AppMess_S_NoNumber\nno number\n"
            "#GI_AppMess_S_OffNotAllowed\nno off\n"
            "#GI_AppMess_S_DigitCount\nneeds %d digits\n"
            "#GI_AppMess_S_FixedByModel\nfixed for %s\n"
            "#GI_AppInd_Model\nM0\nM1\nM2\nM3\nM4\n"
            "#GI_AppInd_Mode\nUser\nFactory\n"
            "#GI_Sheet_Info_Batt_Cells\nNiMH\nLi-ion\n"
            "#GI_Sys_MyHelpFile\nvqn58.html\n"
            "#GI_Sys_AppTitle\nTitle\n"
            "#GI_AppMess_S_OffRaster\noff raster\n"
            "#GI_AppMess_Conv_Overwrite\noverwrite?\n"
            "#GI_AppMess_Conv_Clear\nclear?\n"
            "#GI_AppMess_Conv_Delete\ndelete?\n"
            "#GI_AppMess_Conv_Overflow\noverflow?\n"
            "#GI_AppMess_S_Copy\ncopied\n"
            "#GI_AppMess_S_Paste\npasted\n"
            "#GI_AppMess_S_Clear\ncleared\n"
            "#GI_AppMess_S_Delete\ndeleted\n"
            "#GI_AppMess_S_Insert\ninserted\n"
            "#End_Of_Ovl\n";
    return text;
}

CellDocumentDouble::CellDocumentDouble() : texts(TestOverlay()), tables(texts, CellListReader(texts)) {
    image.SetSize(0x801);
    events.Register(&CellDocumentDouble::Record, this);
}

CellDocumentDouble::~CellDocumentDouble() {
    events.Unregister(&CellDocumentDouble::Record, this);
}

void CellDocumentDouble::Record(void* context, const Event& event) {
    auto* self = static_cast<CellDocumentDouble*>(context);
    self->m_events.push_back(std::to_string(event.type) + ":" + std::to_string(event.first) + ":" +
                             std::to_string(event.second) + ":" + events::TextOf(event.data));
}

std::vector<std::string> CellDocumentDouble::TakeEvents() {
    time.Advance(10);
    return std::exchange(m_events, {});
}

bool CellDocumentDouble::Confirm(std::string_view textKey) {
    using Box = platform::IMessageBox;
    return messageBox.Show(texts.GetLine("GI_Sys_AppTitle", 0),
                           texts.GetLine(textKey, 0),
                           Box::Icon::Warning,
                           Box::Buttons::OkCancel) == Box::Answer::Ok;
}

cuiGrid* AnyGrid() {
    static int grid = 0;
    return reinterpret_cast<cuiGrid*>(&grid);
}

cmcCellCapsule CellBench::Ask(cmcCellCapsule capsule, int mode) {
    capsule.Cell = &m_cell;
    lastResult = behaviour.Answer(capsule, mode);
    return capsule;
}

namespace {
void SetCell(cmcCellObj& cell, std::int32_t kind, std::int32_t index, std::int32_t category) {
    cell.SetKind(kind);
    cell.SetIndex(index);
    cell.SetCategory(category);
}
} // namespace

cmcCellCapsule CellBench::Draw(std::int32_t kind, std::int32_t index, std::int32_t category) {
    SetCell(m_cell, kind, index, category);
    return Ask({}, ICellBehaviour::kDraw);
}

cmcCellCapsule CellBench::Key(std::int32_t kind, std::int32_t command, std::int32_t index, std::int32_t category) {
    SetCell(m_cell, kind, index, category);
    cmcCellCapsule capsule;
    capsule.Grid = AnyGrid();
    capsule.Command = command;
    return Ask(capsule, ICellBehaviour::kCommand);
}

cmcCellCapsule
CellBench::Commit(std::int32_t kind, const std::string& text, std::int32_t index, std::int32_t category) {
    SetCell(m_cell, kind, index, category);
    cmcCellCapsule capsule;
    capsule.Grid = AnyGrid();
    capsule.EditState = cmcCellCapsule::kEditTyped;
    capsule.InputText = text;
    return Ask(capsule, ICellBehaviour::kCommand);
}

cmcCellCapsule CellBench::Choose(std::int32_t kind, std::int32_t value, std::int32_t index, std::int32_t category) {
    SetCell(m_cell, kind, index, category);
    SetCell(m_item, 1, value, 7);
    m_itemCapsule = {};
    m_itemCapsule.Cell = &m_item;
    cmcCellCapsule capsule;
    capsule.Parent = &m_itemCapsule;
    capsule.EditState = cmcCellCapsule::kEditChoice;
    return Ask(capsule, ICellBehaviour::kCommand);
}

} // namespace celltest
