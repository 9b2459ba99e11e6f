#include "ui/AboutWindow.h"

#include "overlay/DefinitionSource.h"
#include "ui/BodyLines.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

namespace {

constexpr int kIconSize = 48;

} // namespace

AboutWindow::AboutWindow(QWidget* owner, IDefinitionSource& texts, const QIcon& icon, KeyTyped keyTyped)
    : QDialog(owner, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint), m_keyTyped(std::move(keyTyped)) {
    setObjectName(QStringLiteral("AboutWindow"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowModality(Qt::WindowModal);
    setWindowTitle(QString::fromStdString(texts.GetLine("GI_App_About_Caption", 0)));

    // The icon half its size from the edges, the text to its right, the button beside the text.
    const int half = kIconSize / 2;
    auto* picture = new QLabel(this);
    picture->setPixmap(icon.pixmap(kIconSize, kIconSize));
    picture->setGeometry(half, half, kIconSize, kIconSize);

    m_text = new QLabel(QString::fromStdString(ui::JoinedLines(texts, "GI_App_About_Text")), this);
    m_text->setTextFormat(Qt::PlainText);
    m_text->adjustSize();
    const int textLeft = half + kIconSize * 3 / 2;
    m_text->move(textLeft, half);

    m_button = new QPushButton(QString::fromStdString(texts.GetLine("GI_App_About_Button", 0)), this);
    m_button->setDefault(true);
    m_button->setAutoDefault(true);
    const int buttonWidth = std::max(kIconSize * 5 / 2, m_button->sizeHint().width());
    m_button->setGeometry(
        m_text->geometry().right() + kIconSize, kIconSize / 4 + half, buttonWidth, m_button->sizeHint().height());
    connect(m_button, &QPushButton::clicked, this, &QDialog::close);

    const int bottom = std::max(m_text->geometry().bottom(), picture->geometry().bottom());
    setFixedSize(m_button->geometry().right() + half, bottom + half);
}

void AboutWindow::Open() {
    if (parentWidget() != nullptr) {
        QRect frame(QPoint(0, 0), size());
        frame.moveCenter(parentWidget()->frameGeometry().center());
        move(frame.topLeft());
    }
    show();
    m_button->setFocus();
}

void AboutWindow::keyPressEvent(QKeyEvent* event) {
    // The character from the key itself, so every platform reports the same letters.
    const int key = event->key();
    if (m_keyTyped && key >= Qt::Key_Space && key <= Qt::Key_AsciiTilde) {
        char character = static_cast<char>(key);
        if (key >= Qt::Key_A && key <= Qt::Key_Z && !(event->modifiers() & Qt::ShiftModifier)) {
            character = static_cast<char>(key - Qt::Key_A + 'a');
        }
        m_keyTyped(character);
    }
    QDialog::keyPressEvent(event);
}
