#pragma once

#include "link/ICloneView.h"

#include <QPointer>
#include <QWidget>
#include <string>

class QFrame;

// The "Cloning" window of a clone read or write: a small tool window without system buttons holding a
// 32-cell bar, centred over the main window and kept inside the work area; the main window is disabled
// while an operation runs (also for an information exchange, which shows no window). The window
// refuses to close while it is busy, so a read or write always runs to its end.
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
    QFrame* m_panel = nullptr;
    Bar* m_bar = nullptr;
    bool m_busy = false;
    int m_filled = 0;
};
