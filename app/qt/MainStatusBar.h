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

    // Shows `text` in the message panel with text colour `text` and background `background`; an empty
    // text (a cell has nothing to say) shows the last result line again.
    void ShowMessage(const std::string& text, const QColor& textColour, const QColor& background);
    // What the last action did ("Saved /home/boat.qcf"): shown now, and whenever no cell has a message.
    void ShowResult(const std::string& text);
    // Inserts the maker panel before the last panel, as wide as its text and "XX".
    void ShowMakerPanel(const std::string& text);

    QString MessageText() const;
    QLabel* MakerPanel() const { return m_maker; }

private:
    class MessagePanel;
    MessagePanel* m_message = nullptr;
    QLabel* m_maker = nullptr;
    QWidget* m_last = nullptr;
    QString m_result;
};
