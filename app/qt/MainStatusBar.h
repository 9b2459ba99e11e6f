#pragma once

#include <QColor>
#include <QStatusBar>
#include <string>

class QLabel;

// The main window's status bar: the message panel (stretching, drawn in the colours of the last status
// text), the maker-mode panel once maker mode is on (white on dark red, centred), and a last square
// panel.
class MainStatusBar final : public QStatusBar {
public:
    explicit MainStatusBar(QWidget* parent);

    // Shows `text` in the message panel with text colour `text` and background `background`.
    void ShowMessage(const std::string& text, const QColor& textColour, const QColor& background);
    // Inserts the maker panel before the last panel, as wide as its text and "XX".
    void ShowMakerPanel(const std::string& text);

    QString MessageText() const;
    QLabel* MakerPanel() const { return m_maker; }

private:
    class MessagePanel;
    MessagePanel* m_message = nullptr;
    QLabel* m_maker = nullptr;
    QWidget* m_last = nullptr;
};
