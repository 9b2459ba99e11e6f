#include "ui/CloneProgressWindow.h"

#include "ui/CentreOver.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

namespace {

constexpr int kOpRead = 2;
constexpr int kOpWrite = 3;

} // namespace

// The bar: cell i of 32 is filled with the highlight colour while i < the filled count, and each cell
// ends in a one-pixel column of the window colour.
class CloneProgressWindow::Bar final : public QWidget {
public:
    explicit Bar(CloneProgressWindow& owner, QWidget* parent) : QWidget(parent), m_owner(owner) {}

protected:
    void paintEvent(QPaintEvent* /*event*/) override {
        QPainter painter(this);
        const int cellWidth = width() / kCells;
        const QColor filled = palette().color(QPalette::Highlight);
        const QColor empty = palette().color(QPalette::Window);
        painter.fillRect(rect(), empty);
        for (int i = 0; i < kCells; ++i) {
            const int left = i * cellWidth;
            painter.fillRect(left, 0, cellWidth - 1, height(), i < m_owner.m_filled ? filled : empty);
            painter.fillRect(left + cellWidth - 1, 0, 1, height(), empty);
        }
    }

private:
    CloneProgressWindow& m_owner;
};

CloneProgressWindow::CloneProgressWindow(QWidget* mainWindow, const std::string& caption)
    : QWidget(nullptr, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint), m_mainWindow(mainWindow),
      m_caption(caption) {
    setObjectName(QStringLiteral("CloneProgressWindow"));
    setWindowTitle(QString::fromStdString(caption));
    m_doing = new QLabel(this);
    m_doing->setTextFormat(Qt::PlainText);
    m_panel = new QFrame(this);
    m_panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_panel->setLineWidth(1);
    m_panel->setFixedSize(258, 16);
    m_bar = new Bar(*this, m_panel);
    m_bar->setGeometry(1, 1, 256, 14);
    m_detailLine = new QLabel(this);
    m_detailLine->setTextFormat(Qt::PlainText);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(16, 8, 16, 8);
    column->setSpacing(6);
    column->addWidget(m_doing);
    column->addWidget(m_panel, 0, Qt::AlignLeft);
    column->addWidget(m_detailLine);
    column->setSizeConstraint(QLayout::SetFixedSize);
    setMinimumWidth(kClientWidth);
}

QString CloneProgressWindow::DoingText() const {
    return m_doing->text();
}

QString CloneProgressWindow::DetailText() const {
    return m_detailLine->text();
}

void CloneProgressWindow::BeginOperation(int op) {
    m_busy = true;
    m_filled = 0;
    // Disabling the main window takes the focus from the widget inside it that had it.
    if (QWidget* focus = QApplication::focusWidget();
        focus != nullptr && m_mainWindow != nullptr && m_mainWindow->isAncestorOf(focus)) {
        m_focusBefore = focus;
    } else {
        m_focusBefore = nullptr;
    }
    if (m_mainWindow != nullptr) {
        m_mainWindow->setEnabled(false);
    }
    if (op == kOpRead || op == kOpWrite || op == clonelink::kCheckRead) {
        const Texts texts = m_describe ? m_describe(op) : Texts{m_caption, std::string()};
        setWindowTitle(QString::fromStdString(texts.caption));
        m_doing->setText(QString::fromStdString(texts.doing));
        m_doing->setVisible(!texts.doing.empty());
        m_detailLine->clear();
        m_detailLine->setVisible(static_cast<bool>(m_detail));
        adjustSize();
        PlaceOverMainWindow();
        show();
        raise();
        // Painted at once: the first step of the driver may keep the loop busy a while.
        repaint();
    }
}

void CloneProgressWindow::ShowProgress(const clonelink::CloneProgress& progress) {
    m_filled = progress.filledCells;
    m_bar->repaint();
    if (m_detail) {
        const QString detail = QString::fromStdString(m_detail(progress));
        if (detail != m_detailLine->text()) {
            m_detailLine->setText(detail);
            m_detailLine->repaint();
        }
    }
}

void CloneProgressWindow::EndOperation() {
    m_busy = false;
    hide();
    if (m_mainWindow != nullptr) {
        m_mainWindow->setEnabled(true);
        m_mainWindow->activateWindow();
        QWidget* before = m_focusBefore != nullptr && m_focusBefore->isVisible() && m_focusBefore->isEnabled()
                              ? m_focusBefore.data()
                              : nullptr;
        if (m_restoreFocus) {
            m_restoreFocus(before);
        } else if (before != nullptr) {
            before->setFocus(Qt::OtherFocusReason);
        } else {
            m_mainWindow->setFocus();
        }
    }
    m_focusBefore = nullptr;
}

void CloneProgressWindow::closeEvent(QCloseEvent* event) {
    if (m_busy) {
        event->ignore();
        return;
    }
    QWidget::closeEvent(event);
}

void CloneProgressWindow::PlaceOverMainWindow() {
    ui::CentreOver(*this, m_mainWindow);
}

QWidget* CloneProgressWindow::BarArea() const {
    return m_bar;
}
