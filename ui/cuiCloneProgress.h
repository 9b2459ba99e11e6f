#pragma once

#include "link/ICloneView.h"

#include <QPointer>
#include <QWidget>
#include <functional>
#include <string>

class QFrame;

// The "Cloning" window of a clone read or write: a small tool window without system buttons holding a
// 32-cell bar, centred over the main window and kept inside the work area; the main window is disabled
// while an operation runs (also for an information exchange, which shows no window). The window
// refuses to close while it is busy, so a read or write always runs to its end. Afterwards the keyboard
// focus returns to the widget that had it.
class cuiCloneProgress final : public QWidget, public clonelink::ICloneView {
public:
    static constexpr int kClientWidth = 290;
    static constexpr int kClientHeight = 48;
    static constexpr int kCells = 32;

    // `mainWindow` is disabled during operations and must outlive this window; `caption` is the
    // window's caption.
    cuiCloneProgress(QWidget* mainWindow, const std::string& caption);

    void BeginOperation(int op) override;
    void ShowProgress(int filledCells) override;
    void EndOperation() override;

    // Gives the keyboard focus back after an operation: called with the widget of the main window that
    // had it when the operation began, or nullptr when there was none or it is gone (a read replaces
    // the open sheet). Without one, that widget, else the main window, takes it.
    void SetFocusRestorer(std::function<void(QWidget* before)> restore) { m_restoreFocus = std::move(restore); }

    bool IsBusy() const { return m_busy; }
    int FilledCells() const { return m_filled; }
    // The drawing area of the bar.
    QWidget* BarArea() const;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    class Bar;
    void PlaceOverMainWindow();

    QPointer<QWidget> m_mainWindow;
    QPointer<QWidget> m_focusBefore; // the widget that had the keyboard focus when the operation began
    std::function<void(QWidget*)> m_restoreFocus;
    QFrame* m_panel = nullptr;
    Bar* m_bar = nullptr;
    bool m_busy = false;
    int m_filled = 0;
};
