#pragma once

#include <QPointer>
#include <QWidget>
#include <functional>

class IDefinitionSource;
class QLabel;
class QPushButton;

// The window shown while a print job runs: caption, message and button from the three lines of
// "GI_Sys_Printer_PrintingDialog". The button (also Escape) asks the job to stop through `cancel`.
// A small tool window without system buttons, centred over the main window and kept inside the work
// area, shown without being modal; it refuses to close while the job is busy.
class PrintingWindow final : public QWidget {
public:
    // `mainWindow` must outlive this window; it is not this window's parent, so disabling it for the
    // job leaves the button working.
    PrintingWindow(QWidget* mainWindow, IDefinitionSource& texts, std::function<void()> cancel);

    // Places the window over the main window, shows it and paints it at once.
    void Open();
    // While busy the window cannot be closed (only the job ends it).
    void SetBusy(bool busy) { m_busy = busy; }
    bool IsBusy() const { return m_busy; }
    QPushButton* Button() const { return m_button; }
    QLabel* Message() const { return m_message; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QPointer<QWidget> m_mainWindow;
    std::function<void()> m_cancel;
    QLabel* m_message = nullptr;
    QPushButton* m_button = nullptr;
    bool m_busy = false;
};
