#pragma once

#include <string>
#include <string_view>

class cmcCellCapsule;

// The main window's side of the command cells (menus, tool bar, tree) and of the selection lists: what
// the behaviour object asks the window to show, open or tell. The window implements it; without a
// window (the command-line tool) NoViewCommands answers as a window that has nothing open and does
// nothing. Tests record the calls. What acts on the document is IDocumentCommands.
class IViewCommands {
public:
    virtual ~IViewCommands() = default;

    // Printing and the window.
    // Whether there is a current sheet that can be printed.
    virtual bool CanPrintCurrent() = 0;
    virtual void PrintCurrent() = 0;
    virtual void PrintAll() = 0;
    virtual void Exit() = 0;
    // The backup folder of radio reads shown by the desktop. A window without it does nothing.
    virtual void OpenBackupFolder() {}

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
class NoViewCommands : public IViewCommands {
public:
    bool CanPrintCurrent() override { return false; }
    void PrintCurrent() override {}
    void PrintAll() override {}
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
    void OpenHelpContents(std::string_view /*fileName*/) override {}
    void OpenSheet(std::string_view /*sheet*/) override {}
    void OpenSelectionList(cmcCellCapsule& /*capsule*/,
                           std::string_view /*listName*/,
                           int /*itemKind*/,
                           int /*value*/) override {}
};
