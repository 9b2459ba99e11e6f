#pragma once

#include "app/EditLocation.h"
#include "app/WarningCheck.h"

#include <string>

// What the document core asks of the main window. The desktop window implements it with widgets; the
// command-line tool and the tests use the default, which does nothing, so the same document code runs
// with or without a window.
class IMainView {
public:
    virtual ~IMainView() = default;
    // The window caption changed (file name, " - ", title).
    virtual void CaptionChanged(const std::string& /*caption*/) {}
    // Close the open sheet, remembering its position; the main task reopens it.
    virtual void CloseCurrentSheet() {}
    // Build (or rebuild) the navigation tree from the overlay; `rootSuffix` is appended to the root
    // entry's text (the model name).
    virtual void BuildTree(const std::string& /*rootSuffix*/) {}
    // Maker mode was switched on: show the maker status panel with `statusText`.
    virtual void MakerModeSwitchedOn(const std::string& /*statusText*/) {}
    // The warning check ran: mark the tree's sheets of `result` (an error mark wins over a caution).
    virtual void ShowWarningCheck(const WarningCheckResult& /*result*/) {}
    // The channel sheets switched between all and usable channels only: reopen the open sheet.
    virtual void UsableChannelsToggled() {}
    // An action ended: show `text` (one line: what happened, to which file or radio) in the status bar.
    virtual void ShowResult(const std::string& /*text*/) {}
    // Show or take back the hourglass cursor around long file work.
    virtual void SetBusy(bool /*busy*/) {}
    // The open sheet and its cursor, where a change is being made; empty without a sheet.
    virtual EditLocation CurrentLocation() { return {}; }
    // Undo or Redo took back or made again a change made at `where`: show that sheet and cell.
    virtual void ShowLocation(const EditLocation& /*where*/) {}
};
