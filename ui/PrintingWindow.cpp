#include "ui/PrintingWindow.h"

#include "overlay/DefinitionSource.h"
#include "ui/CentreOver.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

PrintingWindow::PrintingWindow(QWidget* mainWindow, IDefinitionSource& texts, std::function<void()> cancel)
    : QWidget(nullptr, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint), m_mainWindow(mainWindow),
      m_cancel(std::move(cancel)) {
    setObjectName(QStringLiteral("PrintingWindow"));
    setWindowTitle(QString::fromStdString(texts.GetLine("GI_Sys_Printer_PrintingDialog", 0)));
    m_message = new QLabel(QString::fromStdString(texts.GetLine("GI_Sys_Printer_PrintingDialog", 1)), this);
    m_message->setTextFormat(Qt::PlainText);
    m_message->adjustSize();
    m_button = new QPushButton(QString::fromStdString(texts.GetLine("GI_Sys_Printer_PrintingDialog", 2)), this);
    m_button->setDefault(true);
    m_button->setAutoDefault(true);
    connect(m_button, &QPushButton::clicked, this, [this] {
        if (m_cancel) {
            m_cancel();
        }
    });

    // The label's size decides the window: twice its width, three times label and button high.
    const int labelWidth = m_message->width();
    const int labelHeight = m_message->height();
    const int buttonHeight = m_button->sizeHint().height();
    const int buttonWidth = std::max(labelWidth * 12 / 10, m_button->sizeHint().width());
    const int width = 2 * labelWidth;
    const int height = 3 * (labelHeight + buttonHeight);
    m_message->move((width - labelWidth) / 2, 2 * labelHeight);
    m_button->setGeometry((width - buttonWidth) / 2, height - buttonHeight * 3 / 2, buttonWidth, buttonHeight);
    setFixedSize(width, height);
}

void PrintingWindow::Open() {
    ui::CentreOver(*this, m_mainWindow);
    show();
    raise();
    m_button->setFocus();
    repaint();
}

void PrintingWindow::closeEvent(QCloseEvent* event) {
    if (m_busy) {
        event->ignore();
        return;
    }
    QWidget::closeEvent(event);
}

void PrintingWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        m_button->click();
        return;
    }
    QWidget::keyPressEvent(event);
}
