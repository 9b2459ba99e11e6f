#include "app/cuiMain.h"

#include "app/indEnviron.h"
#include "events/EventNumbers.h"
#include "events/cmcEvMan.h"
#include "overlay/DefinitionSource.h"
#include "overlay/FormatText.h"
#include "overlay/cmcGTex.h"
#include "overlay/cmcHash2.h"
#include "platform/ProgramPaths.h"
#include "sheets/CellListReader.h"

#include <system_error>

cuiMain::cuiMain(const Services& services, std::int32_t imageSize)
    : m_services(services), m_messages(services.overlay, services.messageBox), m_imageSize(imageSize),
      m_definitions(std::make_unique<GTexDefinitionSource>(services.overlay)),
      m_cellTables(std::make_unique<cmcHash2>(*m_definitions, CellListReader(*m_definitions))) {
    std::error_code error;
    m_lastDirectory = std::filesystem::current_path(error);
    m_main.SetSize(m_imageSize);
    m_initial = m_main;
    cuiMain::InitModelDefaults();
}

cuiMain::~cuiMain() = default;

void cuiMain::InitModelDefaults() {
    m_modelCode = 0;
    m_extraCode = 0;
    m_lastCloneAddress = 0;
}

bool cuiMain::RejectImage(const cmcEeprom& /*image*/) {
    return true;
}

bool cuiMain::IsNewerImage(const cmcEeprom& /*image*/) {
    return false;
}

void cuiMain::ImageLoaded(cmcEeprom& /*image*/) {}

void cuiMain::MergeImage(cmcEeprom& /*image*/, bool /*forWrite*/) {}

bool cuiMain::MayCloneWrite() {
    return true;
}

std::string cuiMain::FileComment(const cmcEeprom& /*image*/) {
    return {};
}

void cuiMain::BuildTree() {
    m_view->BuildTree(std::string());
}

int cuiMain::ModelType() const {
    return m_services.settings.modelType;
}

void cuiMain::SendEvent(std::uint8_t type) {
    m_services.events.Send(type);
}

bool cuiMain::UsableChannelsOnly() const {
    return m_services.settings.chListType;
}

void cuiMain::SetUsableChannelsOnly(bool on) {
    m_services.settings.chListType = on;
}

WarningCheckResult cuiMain::RunWarningCheck() {
    WarningCheckResult result;
    if (ICellBehaviour* behaviour = CheckBehaviour(); behaviour != nullptr) {
        std::vector<FailedCheck> failed = FailedChecks(Definitions(), *behaviour);
        if (!failed.empty()) {
            result = CountOnSheets(std::move(failed), TreeSheets(Definitions(), kMainTreeKey, TreeVariant()));
        }
    }
    m_view->ShowWarningCheck(result);
    return result;
}

bool cuiMain::IsModified() {
    if (!m_modified && m_main.Differs(m_saved)) {
        SetModified();
    }
    return m_modified;
}

void cuiMain::SetModified() {
    m_modified = true;
    UpdateCaption();
}

void cuiMain::TakeSnapshot() {
    m_saved = m_main;
    m_modified = false;
    UpdateCaption();
}

void cuiMain::SetFileName(const std::string& path) {
    m_fileName = path;
    UpdateCaption();
}

std::string cuiMain::DisplayName() const {
    if (m_fileName.empty()) {
        return (m_lastDirectory / "Untitled").string();
    }
    return m_fileName;
}

std::string cuiMain::Caption() {
    // A changed document is marked as desktop programs mark it: '*' before the file name.
    return (m_modified ? "*" : "") + std::filesystem::path(DisplayName()).filename().string() + " - " +
           m_services.overlay.GetText("GI_Sys_AppTitle");
}

void cuiMain::ShowResultLine(int line, std::initializer_list<std::string_view> values) {
    if (m_view != &m_noView) {
        m_view->ShowResult(FormatText(m_services.overlay.GetLine("GI_Status_Result", line), values));
    }
}

void cuiMain::UpdateCaption() {
    m_view->CaptionChanged(Caption());
}

void cuiMain::AboutKeyTyped(char character) {
    static constexpr std::size_t kKept = 32;
    static constexpr std::string_view kHiddenWord = "bosun";
    const char lower = (character >= 'A' && character <= 'Z') ? static_cast<char>(character - 'A' + 'a') : character;
    m_typed.push_back(lower);
    if (m_typed.size() > kKept) {
        m_typed.erase(0, m_typed.size() - kKept);
    }
    if (TypedEndsWith(kHiddenWord)) {
        m_services.messageBox.Show(platform::ExecutableFileName(),
                                   m_services.overlay.GetText("GI_App_About_Notice"),
                                   platform::IMessageBox::Icon::Information,
                                   platform::IMessageBox::Buttons::Ok);
    }
}

bool cuiMain::TypedEndsWith(std::string_view word) const {
    return m_typed.size() >= word.size() && std::string_view(m_typed).substr(m_typed.size() - word.size()) == word;
}

void cuiMain::ResetHistory() {
    m_history.Reset(m_main, ModelType(), {m_saved, m_fileName});
}

void cuiMain::RecordEdit() {
    m_history.RecordEdit(m_main, m_view->CurrentLocation());
}

void cuiMain::RecordReplacement() {
    m_history.RecordReplacement(m_main, ModelType(), {m_saved, m_fileName}, {});
}

void cuiMain::Undo() {
    SendEvent(kEvCommitInput);
    RecordEdit(); // a change not yet made a step is the one taken back
    if (m_history.CanUndo()) {
        const EditLocation where = m_history.Undo();
        RestorePresentStep();
        m_view->ShowLocation(where);
    }
    SendEvent(kEvRefreshMenu);
    SendEvent(kEvRefreshToolBar);
}

void cuiMain::Redo() {
    SendEvent(kEvCommitInput);
    RecordEdit(); // a change made since the last Undo ends what Redo can bring back
    if (m_history.CanRedo()) {
        const EditLocation where = m_history.Redo();
        RestorePresentStep();
        m_view->ShowLocation(where);
    }
    SendEvent(kEvRefreshMenu);
    SendEvent(kEvRefreshToolBar);
}

void cuiMain::RestorePresentStep() {
    const UndoHistory::Step& step = m_history.Present();
    const UndoHistory::Document& document = m_history.DocumentOf(step);
    const bool modelChanges = step.modelType != ModelType();
    if (modelChanges) {
        RestoreModelType(step.modelType);
    }
    m_main = step.image;
    m_saved = document.saved;
    m_modified = m_main.Differs(m_saved);
    m_fileName = document.fileName;
    UpdateCaption();
    CloseCurrentSheet();
    if (modelChanges) {
        BuildTree();
    }
    ArmWarningCheck();
    SendEvent(kEvImageChanged);
}
