#pragma once

#include <QDialog>
#include <functional>

class IDefinitionSource;
class QLabel;
class QPushButton;

// The About window: the program's icon, a text and a close button, captioned from the overlay
// ("GI_App_About_Caption", "GI_App_About_Text", "GI_App_About_Button"). Every character typed while
// it is open goes to `keyTyped` first (the main object's hidden words). Shown without being modal while
// its owner takes no input; deletes itself when closed.
class AboutWindow final : public QDialog {
public:
    using KeyTyped = std::function<void(char character)>;

    AboutWindow(QWidget* owner, IDefinitionSource& texts, const QIcon& icon, KeyTyped keyTyped);

    void Open();
    QPushButton* Button() const { return m_button; }
    QLabel* Text() const { return m_text; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    KeyTyped m_keyTyped;
    QLabel* m_text = nullptr;
    QPushButton* m_button = nullptr;
};
