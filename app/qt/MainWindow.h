#pragma once

#include "app/IMainView.h"
#include "app/qt/SheetFactory.h"
#include "model/IViewCommands.h"
#include "platform/Timer.h"
#include "platform/serial/PortList.h"
#include "ui/cuiTree.h"

#include <QIcon>
#include <QMainWindow>
#include <QPointer>
#include <deque>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class ICellBehaviour;
class MainStatusBar;
class PrintCommands;
class QSplitter;
class StartPanel;
class WindowCloneLink;
class cmcEvMan;
class CloneProgressWindow;
class cuiMenu;
class cuiToolBar;
class indMain;
struct Event;
namespace platform {
class IClock;
class IMessageBox;
} // namespace platform

// The main window: menu, tool bar, the tree on the left and the open sheet on the right, the status
// bar, the 50 ms main task (opens the selected entry's sheet, runs the delayed warning check) and the
// close question. It is what the document core and the behaviour object ask of a window (IMainView,
// IViewCommands); the document's own commands go to the application object. A thin assembly: the
// tree, menus, tool bar, sheets and windows are their own classes.
//
// Everything borrowed must outlive the form. Runs on the user-interface thread.
class MainWindow final : public QMainWindow, public IMainView, public IViewCommands {
public:
    // What the form works with.
    struct Parts {
        indMain& app;
        cmcEvMan& events;
        platform::ITimerSource& timers;
        const platform::IClock& clock;
        platform::IMessageBox& messageBox;
        ISheetFactory& sheets;
        std::function<std::vector<platform::SerialPortEntry>()> listPorts;
        std::filesystem::path dataDirectory; // icons, help file
    };
    static constexpr int kMainTaskMs = 50;
    static constexpr int kWarningDelayMs = 250;

    explicit MainWindow(const Parts& parts);
    ~MainWindow() override;

    // After the behaviour object and the clone link exist: builds the document, menu, tool bar, panels,
    // tree and status bar from the overlay and starts the main task (not shown yet).
    void BuildWindow(ICellBehaviour& behaviour, WindowCloneLink& link);
    // The progress display of clone operations.
    CloneProgressWindow& Progress() { return *m_progress; }
    // The Print commands with their running job.
    PrintCommands& Printing() { return *m_printing; }

    cuiTree* Tree() const { return m_tree; }
    cuiMenu& Menu() { return *m_menu; }
    cuiToolBar& ToolBar() { return *m_toolBar; }
    MainStatusBar& Status() { return *m_status; }
    IOpenSheet* CurrentSheet() const { return m_sheet.get(); }
    // The sheets in error found by the document's last warning check.
    int CellsInError() const { return m_cellsInError; }
    // Opens sheet `argument` ("[..]key,parameter") in the right panel at its remembered position.
    void OpenSheetByArgument(const std::string& argument);
    // Runs the document's warning check now (its marks go on the tree); the sheets in error.
    int RunWarningCheck();
    // Opens the information window with the clone information sheet.
    void ShowCloneInformation();
    // A clone file from the desktop (dropped, or handed over by a second copy of the program): brings
    // the window to the front and, unless an operation, a question or another window holds the user,
    // opens `file` as Open does. Whether it was opened (MainWindowDrop.cpp).
    bool OpenFromDesktop(const std::filesystem::path& file);
    // The start panel shows while no sheet is open, with the port in use listed anew when it appears
    // (the main task asks at every step).
    void UpdateStartPanel();

    // IMainView.
    void CaptionChanged(const std::string& caption) override;
    void CloseCurrentSheet() override;
    void BuildTree(const std::string& rootSuffix) override;
    void MakerModeSwitchedOn(const std::string& statusText) override;
    // The cursor stays on its column, at the nearest channel the other view shows.
    void UsableChannelsToggled() override;
    void ShowWarningCheck(const WarningCheckResult& result) override;
    void SetBusy(bool busy) override;
    void ShowResult(const std::string& text) override;
    // After a read: when the tree's selection names no sheet (the root, a folder), its first sheet
    // is selected, so the user sees what was read.
    void ShowFirstSheetUnlessOneIsChosen();
    EditLocation CurrentLocation() override;               // MainWindowUndo.cpp
    void ShowLocation(const EditLocation& where) override; // MainWindowUndo.cpp

    // IViewCommands.
    bool CanPrintCurrent() override;
    void PrintCurrent() override;
    void PrintAll() override;
    void Exit() override;
    void OpenBackupFolder() override; // MainWindowFiles.cpp
    bool HasMenuItem(int kind) override;
    int FontSize() override;
    void SetFontSize(int percentage) override;
    bool ToolBarVisible() override;
    void ToggleToolBar() override;
    int PopupMenuItemCount() override;
    int Port() override;
    std::string PortName(int port) override;
    bool CheckAfterWrite() override;
    void ToggleCheckAfterWrite() override;
    void SetPort(int port) override;
    void ShowPortNotice() override;
    void CloneRead() override;
    void CloneWrite() override;
    void CloneInfo() override;
    void OpenHelpContents(std::string_view fileName) override;
    void OpenSheet(std::string_view sheet) override;
    void OpenSelectionList(cmcCellCapsule& capsule, std::string_view listName, int itemKind, int value) override;

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    // A clone file dropped on the window is opened as Open opens it (MainWindowDrop.cpp).
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void PlaceFromSettings();
    // On a first start: sized to show the overlay's chosen sheets (the settings) whole beside the tree,
    // as far as the screen allows.
    void FitFirstWindow();
    void StoreGeometry();
    void MainTask();
    void ShowAbout();
    // The serial devices of the machine listed anew, for what the menus and windows name.
    void ListPorts();

    // After a clone operation: the keyboard focus back to `before`, else to the sheet, else the tree.
    void RestoreFocusAfterClone(QWidget* before);
    void AdjustOptionalEntries();
    // The position sheet `key` reopens at (most recent first, one per key).
    void RememberPosition(const std::string& key, const SheetPosition& position);
    void TreeSelectionSettled();
    static void EventHandler(void* context, const Event& event);

    struct Remembered {
        std::string key;
        SheetPosition position;
    };

    Parts m_parts;
    ICellBehaviour* m_behaviour = nullptr;
    WindowCloneLink* m_link = nullptr;
    std::vector<QIcon> m_treeImages;
    std::vector<QIcon> m_toolBarImages;
    QIcon m_appIcon;
    std::unique_ptr<cuiMenu> m_menu;
    std::unique_ptr<cuiToolBar> m_toolBar;
    QSplitter* m_splitter = nullptr;
    QWidget* m_treePanel = nullptr;
    QWidget* m_sheetPanel = nullptr;
    QPointer<cuiTree> m_tree;
    StartPanel* m_startPanel = nullptr; // shown in the sheet panel while no sheet is open
    MainStatusBar* m_status = nullptr;
    std::unique_ptr<CloneProgressWindow> m_progress;
    std::unique_ptr<PrintCommands> m_printing;
    std::unique_ptr<IOpenSheet> m_sheet;
    std::deque<Remembered> m_positions; // most recent first, one per key
    bool m_focusOutsideTree = false;
    std::unique_ptr<platform::ITimer> m_mainTask;
    std::optional<std::uint32_t> m_warningDue; // clock time of the delayed warning check
    int m_cellsInError = 0;
    bool m_closing = false;
    std::vector<platform::SerialPortEntry> m_ports; // as listed when a menu or the port window opened
};
