#include "QtMessageBox.h"

#include "../Fault.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace platform {
namespace {

QMessageBox::Icon ToQt(IMessageBox::Icon icon) {
    switch (icon) {
    case IMessageBox::Icon::Error:
        return QMessageBox::Critical;
    case IMessageBox::Icon::Warning:
        return QMessageBox::Warning;
    case IMessageBox::Icon::Question:
        return QMessageBox::Question;
    case IMessageBox::Icon::Information:
        break;
    }
    return QMessageBox::Information;
}

QMessageBox::StandardButtons ToQt(IMessageBox::Buttons buttons) {
    switch (buttons) {
    case IMessageBox::Buttons::OkCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case IMessageBox::Buttons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case IMessageBox::Buttons::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case IMessageBox::Buttons::Ok:
        break;
    }
    return QMessageBox::Ok;
}

void ShowQtFault(std::string_view caption, std::string_view text) {
    if (qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr) {
        WriteFaultToStandardError(caption, text); // no window system to show a box on
        return;
    }
    QMessageBox::critical(nullptr,
                          QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size())),
                          QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

} // namespace

IMessageBox::Answer
QtMessageBox::Show(const std::string& caption, const std::string& text, Icon icon, Buttons buttons) {
    QMessageBox box(ToQt(icon),
                    QString::fromStdString(caption),
                    QString::fromStdString(text),
                    ToQt(buttons),
                    m_parent ? m_parent : QApplication::activeWindow());
    switch (box.exec()) {
    case QMessageBox::Ok:
        return Answer::Ok;
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    case QMessageBox::Cancel:
        return Answer::Cancel;
    default:
        return ClosingAnswer(buttons);
    }
}

IMessageBox::Answer QtMessageBox::ShowWithAction(const std::string& caption,
                                                 const std::string& text,
                                                 Icon icon,
                                                 const std::string& action) {
    QMessageBox box(ToQt(icon),
                    QString::fromStdString(caption),
                    QString::fromStdString(text),
                    QMessageBox::Ok,
                    m_parent ? m_parent : QApplication::activeWindow());
    QAbstractButton* choose = box.addButton(QString::fromStdString(action), QMessageBox::ActionRole);
    box.setDefaultButton(QMessageBox::Ok);
    box.exec();
    return box.clickedButton() == choose ? Answer::Yes : Answer::Ok;
}

void InstallQtFaultHandler() {
    SetFaultHandler(&ShowQtFault);
}

} // namespace platform
