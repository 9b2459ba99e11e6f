#pragma once

class QPrinter;
class QWidget;

namespace platform {

// The printer set-up of the desktop program: whether the machine has a printer, and the set-up dialog
// that chooses the printer (or a PDF file, which counts as a printer) and its page for a job.
class IPrinterSetup {
public:
    virtual ~IPrinterSetup() = default;
    // True when at least one printer is installed.
    virtual bool HasPrinter() = 0;
    // Shows the set-up dialog for `printer` over `owner`; false when it was cancelled (the printer is
    // then left as it was).
    virtual bool Setup(QPrinter& printer, QWidget* owner) = 0;
};

// The installed printers and Qt's print dialog, which offers printing to a PDF file beside them.
class QtPrinterSetup final : public IPrinterSetup {
public:
    bool HasPrinter() override;
    bool Setup(QPrinter& printer, QWidget* owner) override;
};

} // namespace platform
