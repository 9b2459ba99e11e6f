#pragma once

namespace clonelink {

// What the user sees of a running clone operation, supplied by whoever draws it (the desktop program's
// "Cloning" window, the command-line tool's progress bar). Every call comes on the user-interface
// thread.
class ICloneView {
public:
    virtual ~ICloneView() = default;
    // An operation starts: disable the main window; for a read (2) or write (3) show the progress.
    virtual void BeginOperation(int op) = 0;
    // Redraw the bar with `filledCells` of its 32 cells filled (it may exceed 32).
    virtual void ShowProgress(int filledCells) = 0;
    // The operation ended: close the progress, enable the main window and give it the focus.
    virtual void EndOperation() = 0;
};

} // namespace clonelink
