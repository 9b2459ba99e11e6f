#pragma once

#include "link/CloneOperations.h"

namespace clonelink {

// Where a running read or write stands.
struct CloneProgress {
    int filledCells = 0;  // of the bar's 32 cells (it may exceed 32)
    int bytesDone = 0;    // data bytes read or written so far
    int bytesTotal = 0;   // data bytes the operation moves
    int secondsLeft = -1; // estimated from the pace so far; -1 before any data byte moved
};

// What the user sees of a running clone operation, supplied by whoever draws it (the desktop program's
// "Cloning" window, the command-line tool's progress bar). Every call comes on the user-interface
// thread.
class ICloneView {
public:
    virtual ~ICloneView() = default;
    // An operation starts: disable the main window; for a read (kRead), a write (kWrite) or the read
    // that checks a write (kCheckRead) show the progress.
    virtual void BeginOperation(int op) = 0;
    // Redraw the progress: the bar, the bytes done of the bytes expected and the time left.
    virtual void ShowProgress(const CloneProgress& progress) = 0;
    // The operation ended: close the progress, enable the main window and give it the focus.
    virtual void EndOperation() = 0;
};

} // namespace clonelink
