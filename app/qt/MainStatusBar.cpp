#include "app/qt/MainStatusBar.h"

#include <QLabel>
#include <QPainter>

// The owner-drawn message panel: filled with the background colour, the text left-aligned and centred
// vertically.
class MainStatusBar::MessagePanel final : public QWidget {
public:
    explicit MessagePanel(QWidget* parent) : QWidget(parent) {
        m_textColour = palette().color(QPalette::WindowText);
        m_background = palette().color(QPalette::Button);
        setMinimumWidth(100);
    }

    void Set(const QString& text, const QColor& textColour, const QColor& background) {
        m_text = text;
        m_textColour = textColour;
        m_background = background;
        repaint();
    }
    const QString& Text() const { return m_text; }
    QSize sizeHint() const override { return {100, fontMetrics().height() + 4}; }

protected:
    void paintEvent(QPaintEvent* /*event*/) override {
        QPainter painter(this);
        painter.fillRect(rect(), m_background);
        painter.setPen(m_textColour);
        painter.drawText(rect().adjusted(4, 0, -2, 0), Qt::AlignLeft | Qt::AlignVCenter, m_text);
    }

private:
    QString m_text;
    QColor m_textColour;
    QColor m_background;
};

MainStatusBar::MainStatusBar(QWidget* parent) : QStatusBar(parent) {
    setObjectName(QStringLiteral("MainStatusBar"));
    setSizeGripEnabled(false);
    m_message = new MessagePanel(this);
    addWidget(m_message, 1);
    m_last = new QWidget(this);
    const int side = m_message->sizeHint().height();
    m_last->setFixedSize(side, side);
    addPermanentWidget(m_last);
}

void MainStatusBar::ShowMessage(const std::string& text, const QColor& textColour, const QColor& background) {
    m_message->Set(text.empty() ? m_result : QString::fromStdString(text), textColour, background);
}

void MainStatusBar::ShowResult(const std::string& text) {
    m_result = QString::fromStdString(text);
    m_message->Set(m_result, palette().color(QPalette::WindowText), palette().color(QPalette::Button));
}

void MainStatusBar::ShowMakerPanel(const std::string& text) {
    if (m_maker != nullptr) {
        return;
    }
    m_maker = new QLabel(QString::fromStdString(text), this);
    m_maker->setAlignment(Qt::AlignCenter);
    m_maker->setAutoFillBackground(true);
    QPalette colours = m_maker->palette();
    colours.setColor(QPalette::Window, QColor(128, 0, 0));
    colours.setColor(QPalette::WindowText, Qt::white);
    m_maker->setPalette(colours);
    m_maker->setFixedWidth(fontMetrics().horizontalAdvance(m_maker->text() + QStringLiteral("XX")));
    removeWidget(m_last);
    addPermanentWidget(m_maker);
    addPermanentWidget(m_last);
    m_last->show();
}

QString MainStatusBar::MessageText() const {
    return m_message->Text();
}
