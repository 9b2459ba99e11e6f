#include "DocumentFixture.h"

#include "image/cmcQcfFile.h"
#include "model/ModelRules.h"
#include "overlay/OverlayMessages.h"
#include "platform/MessageBox.h"

#include <algorithm>

namespace apptest {
namespace {

constexpr const char* kOverlay =
    "#GI_Sys_AppTitle\nTitle\n"
    "#GI_Sys_Dialog_FOpen\nqcf\nClone files (*.qcf)\n"
    "#GI_StatusPanel_Maker\nMAKER\n"
    "#GI_App_About_Notice\nGI_App_About_Notice\n"
    "#GI_App_InitialFile\nVQN58_0.qcf\nVQN58_1.qcf\nVQN58_2.qcf\nVQN58_3.qcf\nVQN58_4.qcf\n"
    "#GI_AppInd_Model\n (M0)\n (M1)\n (M2)\n (M3)\n (M4)\n"
    "#GI_Mess_FileErr_Headline\nHeadline\n"
    "#GI_Mess_FileErr_FileOpen\nGI_Mess_FileErr_FileOpen\n"
    "#GI_Mess_FileErr_FileAccess\nGI_Mess_FileErr_FileAccess\n"
    "#GI_Mess_FileErr_Model\nGI_Mess_FileErr_Model\n"
    "#GI_Mess_FileErr_Extra\nGI_Mess_FileErr_Extra\n"
    "#GI_Mess_FileErr_MapRev\nGI_Mess_FileErr_MapRev\n"
    "#GI_Mess_FileErr_Format\nGI_Mess_FileErr_Format\n"
    "#GI_Mess_FileErr_Coverage\nGI_Mess_FileErr_Coverage\n"
    "#GI_Mess_FileErr_Data\nGI_Mess_FileErr_Data\n"
    "#GI_Mess_FileErr_Newer\nGI_Mess_FileErr_Newer\n"
    "#GI_Mess_Confirm_WriteFile\nGI_Mess_Confirm_WriteFile %s\n"
    "#GI_Mess_Confirm_WriteAnother\nGI_Mess_Confirm_WriteAnother\n"
    "#GI_Mess_Maker_Caution\nGI_Mess_Maker_Caution\nsecond line\n"
    "#GI_AppMess_ChangeModel\nGI_AppMess_ChangeModel\n"
    "#GI_AppMess_Conv_Overwrite\nGI_AppMess_Conv_Overwrite\nsecond line\n"
    "#GI_AppMess_S_Copy\nGI_AppMess_S_Copy\n"
    "#GI_AppMess_S_Paste\nGI_AppMess_S_Paste\n"
    "#GI_Mess_Backup_Failed\nGI_Mess_Backup_Failed %s\n%s\n#\n"
    "#GI_Csv_Dialog\ncsv\nChannel lists (*.csv)\n"
    "#GI_Status_Result\nOpened %s\nSaved %s\nRead\nWrote\nWrote\nWrote\nWrote\n; backed up\nImported %s: %s\n#\n"
    "#GI_Csv_Import_Failed\nGI_Csv_Import_Failed\n"
    "#GI_Csv_Import_Done\nGI_Csv_Import_Done %s %s\n"
    "#GI_Csv_Export_Failed\nGI_Csv_Export_Failed %s\n#\n"
    "#GI_Csv_Err_Line\nLine %s:\n"
    "#GI_Csv_Err_Header\nGI_Csv_Err_Header\n"
    "#GI_Csv_Err_TooLarge\nGI_Csv_Err_TooLarge %s\n"
    "#GI_Csv_Err_Raster\nGI_Csv_Err_Raster %s %s\n"
    "#GI_Tree_Main_BasicCell\n{(%CallSheet)}\n"
    "#GI_Tree_Main_Body\n+{}Root\n +{(%CallSheet:GI_Sheet_IntCh)}Int\n +{(%CallSheet:GI_Sheet_UsaCh)(Flag1=1)}Usa\n"
    " +{(%CallSheet:GI_Sheet_CanCh)(Flag2=1)}Can\n +{(%CallSheet:GI_Sheet_WxCh)(Flag3=1)}Wx\n#\n"
    "#GI_WarningCheckList\n{(%CL_Check_Int_ChInh:GI_Sheet_IntCh)}Int marked and inhibited\n"
    "{(%CL_Check_Usa_ChInh:GI_Sheet_UsaCh)}Usa marked and inhibited\n"
    "{(%CL_Check_Can_ChInh:GI_Sheet_CanCh)}Can marked and inhibited\n"
    "{(%CL_Check_WX_ChInh:GI_Sheet_WxCh)}Wx all inhibited\n#\n"
    "#End_Of_Ovl\n";

std::filesystem::path ShippedInitialFiles() {
    return std::filesystem::path(VQN58_TEST_DATA).parent_path().parent_path() / "data" / "initial";
}

} // namespace

std::string Literally(const std::string& text) {
    std::string pattern;
    for (char c : text) {
        if (std::string_view("\\^$.|?*+()[]{}").find(c) != std::string_view::npos) {
            pattern += '\\';
        }
        pattern += c;
    }
    return pattern;
}

DocumentFixture::DocumentFixture() : m_programDir(m_dir / "program") {
    std::filesystem::create_directories(m_programDir);
    for (int t = 0; t < 5; ++t) {
        const std::string name = "VQN58_" + std::to_string(t) + ".qcf";
        std::filesystem::copy_file(ShippedInitialFiles() / name, m_programDir / name);
    }
    const auto overlay = m_dir.Write("VQN58.OVL", kOverlay);
    m_overlay.SetSourceFile(overlay.string());
    m_eventManager.Register(&DocumentFixture::Record, this);
}

DocumentFixture::~DocumentFixture() {
    m_app.reset();
    m_eventManager.Unregister(&DocumentFixture::Record, this);
}

void DocumentFixture::Record(void* context, const Event& event) {
    static_cast<DocumentFixture*>(context)->m_events.push_back(event.type);
}

void DocumentFixture::Reset() {
    m_app.reset();
    m_box.Clear();
    m_dialogs = testsupport::ScriptedFileDialogs();
    m_view = RecordingView();
    m_events.clear();
    m_environ.ApplyDefaults();
}

cuiMain::Services DocumentFixture::Services() {
    return cuiMain::Services{m_overlay, m_box, m_dialogs, m_environ, m_eventManager, m_programDir};
}

indMain& DocumentFixture::App() {
    if (!m_app) {
        m_app = std::make_unique<indMain>(Services());
        m_app->SetView(&m_view);
    }
    return *m_app;
}

indMain& DocumentFixture::Started() {
    App().BuildDocument();
    return *m_app;
}

cmcEeprom DocumentFixture::InitialFile(int t) const {
    platform::StreamMessageBox box;
    cmcGTex overlay;
    overlay.SetSourceFile((m_dir / "VQN58.OVL").string());
    OverlayMessages messages(overlay, box);
    cmcEeprom image;
    image.SetSize(model::kImageSize);
    cmcQcfFile file(messages);
    file.AttachImage(image);
    file.SetModelCodes(model::kModelCode, model::kExtraCode);
    file.SetMapRevisionTest([](std::int32_t revision) { return revision == 1; });
    EXPECT_EQ(file.Read(m_programDir / ("VQN58_" + std::to_string(t) + ".qcf")), 0);
    return image;
}

std::filesystem::path DocumentFixture::WriteImage(const std::string& name, cmcEeprom image) const {
    platform::StreamMessageBox box;
    cmcGTex overlay;
    overlay.SetSourceFile((m_dir / "VQN58.OVL").string());
    OverlayMessages messages(overlay, box);
    cmcQcfFile file(messages);
    file.AttachImage(image);
    file.SetModelCodes(model::kModelCode, model::kExtraCode);
    file.SetMapRevision(1);
    const CloneFileRange ranges[] = {{0, 0x7FF}, {1, 0}};
    const auto path = m_dir / name;
    EXPECT_EQ(file.Write(path, ranges), 0);
    return path;
}

void DocumentFixture::Edit(std::int32_t address, std::uint8_t value) {
    App().MainImage().SetByte(address, value);
}

std::vector<std::string> DocumentFixture::Shown() const {
    std::vector<std::string> texts;
    for (const auto& shown : m_box.ShownBoxes()) {
        texts.push_back(shown.text);
    }
    return texts;
}

int DocumentFixture::Events(std::uint8_t type) const {
    return static_cast<int>(std::count(m_events.begin(), m_events.end(), type));
}

} // namespace apptest
