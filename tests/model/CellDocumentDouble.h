#pragma once

#include "events/EvText.h"
#include "events/EventNumbers.h"
#include "events/cmcEvMan.h"
#include "image/cmcEeprom.h"
#include "model/CellColours.h"
#include "model/ICellDocument.h"
#include "model/IDocumentCommands.h"
#include "model/IViewCommands.h"
#include "model/cmcClipCh.h"
#include "model/indActiveCell.h"
#include "overlay/DefinitionSource.h"
#include "overlay/cmcHash2.h"
#include "sheets/CellListReader.h"
#include "sheets/cmcCellCapsule.h"
#include "sheets/cmcCellObj.h"
#include "support/FakeClock.h"
#include "support/ScriptedMessageBox.h"

#include <array>
#include <string>
#include <vector>

namespace celltest {

// Selection lists of the settings with items named "<n>" for value n, so tests read values, and the
// texts the cells use.
std::string TestOverlay();

// The document side of the behaviour object: an image of 0x801 zero bytes, the test overlay, a
// registry, events on fake time, and counters of what the object asked.
class CellDocumentDouble : public ICellDocument {
public:
    CellDocumentDouble();
    ~CellDocumentDouble() override;

    cmcEeprom& CellImage() override { return image; }
    IDefinitionSource& Texts() override { return texts; }
    cmcHash2& CellTables() override { return tables; }
    cmcEvMan& Events() override { return events; }
    int ModelType() override { return modelType; }
    const model::FactoryAdjustments& Adjustments() override { return adjustments; }
    std::span<const std::uint8_t> CloneIdentityBytes() override { return identity; }
    void CellAnswered() override { ++answeredCount; }
    cmcClipCh* ChannelClipboard() override { return &clipboard; }
    bool UsableChannelsOnly() override { return usableOnly; }
    // Asks through the scripted message box, as the application object does.
    bool Confirm(std::string_view textKey) override;

    // Events seen, as "<type>:<first>:<second>:<text>"; a queue pass runs first so posted ones count.
    std::vector<std::string> TakeEvents();

    cmcEeprom image;
    TextDefinitionSource texts;
    cmcHash2 tables;
    testsupport::FakeTime time;
    cmcEvMan events{time.Timers()};
    int modelType = 1;
    model::FactoryAdjustments adjustments{};
    std::array<std::uint8_t, 22> identity{};
    int answeredCount = 0;
    cmcClipCh clipboard;
    bool usableOnly = false;
    testsupport::ScriptedMessageBox messageBox;

private:
    static void Record(void* context, const Event& event);
    std::vector<std::string> m_events;
};

// The double of the document's and the window's commands: records every command as text, in one list,
// and answers from its fields.
class RecordingCommands : public IDocumentCommands, public IViewCommands {
public:
    std::vector<std::string> calls;
    std::string recent0;
    int fontSize = 100;
    bool toolBar = true;
    int port = 1;
    bool canPrint = true;
    int popupItems = 0;
    bool hasMenuItem = true;

    void NewDocument() override { calls.push_back("New"); }
    int OpenWithDialog() override { return Record("Open"); }
    int Save() override { return Record("Save"); }
    int SaveWithDialog() override { return Record("SaveAs"); }
    std::string RecentFile(int index) override { return index == 0 ? recent0 : std::string(); }
    void OpenRecent(int index) override { calls.push_back("OpenRecent " + std::to_string(index)); }
    void ExportChannels() override { calls.push_back("ExportChannels"); }
    void ImportChannels() override { calls.push_back("ImportChannels"); }
    bool CanUndo() const override { return false; }
    bool CanRedo() const override { return false; }
    void Undo() override { calls.push_back("Undo"); }
    void Redo() override { calls.push_back("Redo"); }
    void ChangeModel(int type) override { calls.push_back("Model " + std::to_string(type)); }

    bool CanPrintCurrent() override { return canPrint; }
    void PrintCurrent() override { calls.push_back("PrintCurrent"); }
    void PrintAll() override { calls.push_back("PrintAll"); }
    void Exit() override { calls.push_back("Exit"); }
    bool HasMenuItem(int /*kind*/) override { return hasMenuItem; }
    int FontSize() override { return fontSize; }
    void SetFontSize(int percentage) override { calls.push_back("FontSize " + std::to_string(percentage)); }
    bool ToolBarVisible() override { return toolBar; }
    void ToggleToolBar() override { calls.push_back("ToolBar"); }
    int PopupMenuItemCount() override { return popupItems; }
    int Port() override { return port; }
    void SetPort(int p) override { calls.push_back("Port " + std::to_string(p)); }
    void ShowPortNotice() override { calls.push_back("PortNotice"); }
    void CloneRead() override { calls.push_back("CloneRead"); }
    void CloneWrite() override { calls.push_back("CloneWrite"); }
    void CloneInfo() override { calls.push_back("CloneInfo"); }
    void OpenHelpContents(std::string_view file) override { calls.push_back("Help " + std::string(file)); }
    void OpenSheet(std::string_view sheet) override { calls.push_back("Sheet " + std::string(sheet)); }
    void OpenSelectionList(cmcCellCapsule& /*capsule*/, std::string_view list, int itemKind, int value) override {
        calls.push_back("List " + std::string(list) + " " + std::to_string(itemKind) + ":" + std::to_string(value));
    }
    void RefusedSelectionList(std::string_view list, int value) override {
        calls.push_back("RefusedList " + std::string(list) + " " + std::to_string(value));
    }

private:
    int Record(std::string call) {
        calls.push_back(std::move(call));
        return 0;
    }
};

// A dummy grid: editors react to keys only when the capsule names one.
cuiGrid* AnyGrid();

// One cell answered by a behaviour object over the doubles.
struct CellBench {
    CellDocumentDouble document;
    RecordingCommands commands;
    indActiveCell behaviour{document, commands, commands};

    // Draws the cell (mode 0, no command) and returns the capsule.
    cmcCellCapsule Draw(std::int32_t kind, std::int32_t index = 0, std::int32_t category = 7);
    // Sends key `command` from a grid (mode 1).
    cmcCellCapsule Key(std::int32_t kind, std::int32_t command, std::int32_t index = 0, std::int32_t category = 7);
    // Commits typed text (EditState 1, mode 1).
    cmcCellCapsule
    Commit(std::int32_t kind, const std::string& text, std::int32_t index = 0, std::int32_t category = 7);
    // Answers a selection list's choice of item `value` (EditState 2, mode 1).
    cmcCellCapsule Choose(std::int32_t kind, std::int32_t value, std::int32_t index = 0, std::int32_t category = 7);
    int lastResult = 0;

private:
    cmcCellCapsule Ask(cmcCellCapsule capsule, int mode);
    cmcCellObj m_cell;
    cmcCellObj m_item;
    cmcCellCapsule m_itemCapsule;
};

} // namespace celltest
