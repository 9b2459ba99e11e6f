#pragma once

#include <string>
#include <string_view>

class cmcCellCapsule;

// The main window's side of the command cells (menus, tool bar, tree) and of the selection lists: what
// the behaviour object asks the window to do or to tell. The window implements it; without a window
// (the command-line tool) NoMainCommands answers as a window that has nothing open and does nothing.
// Tests record the calls.
class IMainCommands {
public:
    virtual ~IMainCommands() = default;

    // File commands.
    virtual void NewDocument() = 0;
    virtual void OpenWithDialog() = 0;
    // Save under the current name, or with the dialog while untitled.
    virtual void Save() = 0;
    virtual void SaveWithDialog() = 0;
    // Whether there is a current sheet that can be printed.
    virtual bool CanPrintCurrent() = 0;
    virtual void PrintCurrent() = 0;
    virtual void PrintAll() = 0;
    // Entry `index` (from 0) of the recent-file list; empty when there is none.
    virtual std::string RecentFile(int index) = 0;
    virtual void OpenRecent(int index) = 0;
    virtual void Exit() = 0;
    // The channel lists as comma-separated text: written to a file the user names, or read from one
    // into the document. The backup folder of radio reads shown by the desktop. A window without
    // them does nothing.
    virtual void ExportChannels() {}
    virtual void ImportChannels() {}
    virtual void OpenBackupFolder() {}
    // Takes back the last change of the document, or makes it again; whether there is one to take back
    // or to make again. A window without them has none.
    virtual bool CanUndo() { return false; }
    virtual bool CanRedo() { return false; }
    virtual void Undo() {}
    virtual void Redo() {}

    // Menus and view.
    // Whether the main menu has an item of cell kind `kind`.
    virtual bool HasMenuItem(int kind) = 0;
    virtual int FontSize() = 0;
    // Sets the font size percentage and rebuilds the open sheet.
    virtual void SetFontSize(int percentage) = 0;
    virtual bool ToolBarVisible() = 0;
    virtual void ToggleToolBar() = 0;
    // Items of the pop-up menu being shown (0 when none is).
    virtual int PopupMenuItemCount() = 0;

    // Port and radio.
    virtual int Port() = 0;
    // What COM port `port` stands for, as its menu item's hint: "COM1 — /dev/ttyUSB0 (USB serial
    // cable)"; empty where nothing is known.
    virtual std::string PortName(int /*port*/) { return {}; }
    // Whether a write is read back and compared, and its switch (Option > Check After Writing).
    virtual bool CheckAfterWrite() { return false; }
    virtual void ToggleCheckAfterWrite() {}
    virtual void SetPort(int port) = 0;
    virtual void ShowPortNotice() = 0;
    virtual void CloneRead() = 0;
    virtual void CloneWrite() = 0;
    virtual void CloneInfo() = 0;
    // Changes the model type with its confirmation.
    virtual void ChangeModel(int modelType) = 0;

    // Help and sheets.
    // Opens the contents of the help file `fileName` of the program data directory.
    virtual void OpenHelpContents(std::string_view fileName) = 0;
    virtual void OpenSheet(std::string_view sheet) = 0;
    // Opens the selection list window on sheet `listName` beside the cell of `capsule`, with the item
    // (the cell of kind `itemKind`) whose index is `value` current, so that choosing at once changes
    // nothing. The choice comes back later as a new request.
    virtual void OpenSelectionList(cmcCellCapsule& capsule, std::string_view listName, int itemKind, int value) = 0;
    // Enter on a cell whose value the model fixes opens no list (the refusal says why); this names the
    // list it would have opened and its current item. A choice of that item comes back as no change, so a
    // caller without a window can re-apply the value it read.
    virtual void RefusedSelectionList(std::string_view /*listName*/, int /*value*/) {}
};

// The window-less answer: nothing open, nothing done.
class NoMainCommands : public IMainCommands {
public:
    void NewDocument() override {}
    void OpenWithDialog() override {}
    void Save() override {}
    void SaveWithDialog() override {}
    bool CanPrintCurrent() override { return false; }
    void PrintCurrent() override {}
    void PrintAll() override {}
    std::string RecentFile(int /*index*/) override { return {}; }
    void OpenRecent(int /*index*/) override {}
    void Exit() override {}
    bool HasMenuItem(int /*kind*/) override { return false; }
    int FontSize() override { return 100; }
    void SetFontSize(int /*percentage*/) override {}
    bool ToolBarVisible() override { return false; }
    void ToggleToolBar() override {}
    int PopupMenuItemCount() override { return 0; }
    int Port() override { return 1; }
    void SetPort(int /*port*/) override {}
    void ShowPortNotice() override {}
    void CloneRead() override {}
    void CloneWrite() override {}
    void CloneInfo() override {}
    void ChangeModel(int /*modelType*/) override {}
    void OpenHelpContents(std::string_view /*fileName*/) override {}
    void OpenSheet(std::string_view /*sheet*/) override {}
    void OpenSelectionList(cmcCellCapsule& /*capsule*/,
                           std::string_view /*listName*/,
                           int /*itemKind*/,
                           int /*value*/) override {}
};
