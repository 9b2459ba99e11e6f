#pragma once

#include "link/ICloneView.h"

#include <QPointer>
#include <QWidget>
#include <functional>
#include <string>

class QFrame;
class QLabel;

// The "Cloning" window of a clone read or write: a small tool window without system buttons holding
// what the operation does and on which device, a 32-cell bar, and the bytes done of the bytes expected
// with the time left; centred over the main window and kept inside the work area. The main window is
// disabled while an operation runs (also for an information exchange, which shows no window). The
// window refuses to close while it is busy, so a read or write always runs to its end. Afterwards the
// keyboard focus returns to the widget that had it.
class CloneProgressWindow final : public QWidget, public clonelink::ICloneView {
public:
    static constexpr int kClientWidth = 290;
    static constexpr int kCells = 32;

    // What the window says of an operation.
    struct Texts {
        std::string caption; // the window's caption
        std::string doing;   // the line above the bar: what runs, on which device
    };
    // The line below the bar for `progress` (bytes done of the bytes expected, the time left).
    using Detailer = std::function<std::string(const clonelink::CloneProgress& progress)>;

    // `mainWindow` is disabled during operations and must outlive this window; `caption` is the
    // window's caption when no describer is set.
    CloneProgressWindow(QWidget* mainWindow, const std::string& caption);

    // The texts of operation `op` (2 read, 3 write), asked as it begins; and of its progress.
    void SetDescriber(std::function<Texts(int op)> describe, Detailer detail) {
        m_describe = std::move(describe);
        m_detail = std::move(detail);
    }

    void BeginOperation(int op) override;
    void ShowProgress(const clonelink::CloneProgress& progress) override;
    void EndOperation() override;

    // Gives the keyboard focus back after an operation: called with the widget of the main window that
    // had it when the operation began, or nullptr when there was none or it is gone (a read replaces
    // the open sheet). Without one, that widget, else the main window, takes it.
    void SetFocusRestorer(std::function<void(QWidget* before)> restore) { m_restoreFocus = std::move(restore); }

    bool IsBusy() const { return m_busy; }
    int FilledCells() const { return m_filled; }
    QString DoingText() const;
    QString DetailText() const;
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
    QLabel* m_doing = nullptr;
    QFrame* m_panel = nullptr;
    Bar* m_bar = nullptr;
    QLabel* m_detailLine = nullptr;
    std::string m_caption;
    std::function<Texts(int op)> m_describe;
    Detailer m_detail;
    bool m_busy = false;
    int m_filled = 0;
};
