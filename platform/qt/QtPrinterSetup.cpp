#include "platform/qt/QtPrinterSetup.h"

#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

namespace platform {

bool QtPrinterSetup::HasPrinter() {
    return !QPrinterInfo::availablePrinterNames().isEmpty();
}

bool QtPrinterSetup::Setup(QPrinter& printer, QWidget* owner) {
    QPrintDialog dialog(&printer, owner);
    // One copy, whole sheets: the job decides the pages itself.
    dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace platform
