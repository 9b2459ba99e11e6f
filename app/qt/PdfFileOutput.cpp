#include "app/qt/PdfFileOutput.h"

#include <QPageLayout>
#include <QString>

std::unique_ptr<PdfFileOutput> PdfFileOutput::Open(const std::filesystem::path& destination,
                                                   const QPageLayout& layout,
                                                   int dpi,
                                                   const QString& title,
                                                   const QString& creator) {
    std::unique_ptr<PdfFileOutput> output(new PdfFileOutput);
    if (!output->m_device.Begin(destination)) {
        return nullptr;
    }
    output->m_writer = std::make_unique<QPdfWriter>(&output->m_device);
    output->m_writer->setPageLayout(layout);
    output->m_writer->setResolution(dpi);
    output->m_writer->setTitle(title);
    output->m_writer->setCreator(creator);
    return output;
}

PdfFileOutput::~PdfFileOutput() {
    m_writer.reset();
    m_device.close(); // without a Commit: the temporary file goes, the destination stays
}

bool PdfFileOutput::Commit() {
    return m_device.Commit();
}
