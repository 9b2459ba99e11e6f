#pragma once

#include "platform/qt/AtomicFileDevice.h"

#include <QPdfWriter>
#include <filesystem>
#include <memory>

class QPageLayout;
class QString;

// A PDF document printed into a file without ever spoiling the file: the pages are painted on Writer(),
// whose bytes go to a temporary file beside the destination; Commit renames that file over the
// destination only when the painter ended cleanly and every byte reached the disk. Anything else (a
// failed write on a full disk, a failed rename, no Commit at all) removes the temporary file and leaves
// the destination as it was. Runs on the user-interface thread.
class PdfFileOutput {
public:
    // Prepares the document for `destination` with the page layout and resolution (dots per inch) it is
    // printed with, and the title and creator (the program and its version) the file carries. Null
    // when the temporary file cannot be made: the folder is missing or may not be written, or the
    // destination is no regular file or may not be written.
    static std::unique_ptr<PdfFileOutput> Open(const std::filesystem::path& destination,
                                               const QPageLayout& layout,
                                               int dpi,
                                               const QString& title,
                                               const QString& creator);

    ~PdfFileOutput();
    PdfFileOutput(const PdfFileOutput&) = delete;
    PdfFileOutput& operator=(const PdfFileOutput&) = delete;

    // The device the pages are painted on; the painter must have ended before Commit.
    QPdfWriter& Writer() { return *m_writer; }
    int Dpi() const { return m_writer->resolution(); }
    // Puts the document in the destination's place; false, with the destination as it was, when any
    // write failed or the file could not be synced or renamed.
    bool Commit();

private:
    PdfFileOutput() = default;

    platform::AtomicFileDevice m_device; // declared before the writer, which writes into it
    std::unique_ptr<QPdfWriter> m_writer;
};
