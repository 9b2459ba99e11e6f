#pragma once

#include <cstdint>

// The event numbers in use, with the arguments their handlers read. Numbers not listed are free.

// second = identity of a window object going away; the tree and flector windows close with it.
inline constexpr std::uint8_t kEvWindowClosing = 1;
// The main window has been built: the main object sends kEvRefreshMenu and kEvRefreshToolBar.
inline constexpr std::uint8_t kEvMainWindowBuilt = 2;
// Shows the about box.
inline constexpr std::uint8_t kEvShowAbout = 3;
// first = text colour, second = background colour, data = text for the status bar's message panel.
inline constexpr std::uint8_t kEvStatusText = 4;
// The menu builder refreshes its items.
inline constexpr std::uint8_t kEvRefreshMenu = 9;
// second = cell kind: the menu builder empties the submenu of its item of that kind.
inline constexpr std::uint8_t kEvClearSubmenu = 10;
// first = context object, second = cell kind, data = definition name: the submenu of that kind is
// rebuilt from the section named by the data plus "_Body".
inline constexpr std::uint8_t kEvRebuildSubmenu = 11;
// Query; first = menu owner identity: the sheet owning the menu answers with its active cell's record.
inline constexpr std::uint8_t kEvQueryActiveCell = 12;
// first = menu owner identity, second = cell kind of a chosen item: the sheet owning the menu acts on
// its current cell as a choice in its own context menu does (the items event 11 put in another menu).
inline constexpr std::uint8_t kEvChooseContextItem = 14;
// Sheets repaint every visible cell that has a kind.
inline constexpr std::uint8_t kEvRepaintKindCells = 13;
// second = kind: sheets repaint the visible cells of that kind.
inline constexpr std::uint8_t kEvRepaintKind = 15;
// second = index: sheets repaint the visible cells with that index.
inline constexpr std::uint8_t kEvRepaintIndex = 16;
// The tool bar refreshes its buttons.
inline constexpr std::uint8_t kEvRefreshToolBar = 20;
// Sheets and flector windows commit pending input (before file operations, printing, clone write).
inline constexpr std::uint8_t kEvCommitInput = 21;
// The image was replaced or changed: the model layer shows or hides the optional channel sheets.
inline constexpr std::uint8_t kEvImageChanged = 27;
// The model layer toggles the channel sheets between all and usable channels only.
inline constexpr std::uint8_t kEvToggleUsableChannels = 28;
