#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace testsupport {

// A PDF file read back with the poppler tools (pdfinfo, pdftotext): page count, page size, the text
// of each page and the boxes of its words, in points from the page's top-left corner.
class PdfText {
public:
    struct Word {
        std::string text;
        double xMin = 0;
        double yMin = 0;
        double xMax = 0;
        double yMax = 0;
    };

    explicit PdfText(std::filesystem::path file) : m_file(std::move(file)) {}

    // The page count; 0 when the file is no PDF (or the tools are missing).
    int Pages() const;
    // A field of the document's information ("Title", "Creator"), without the blanks before it; empty
    // when the file has none.
    std::string Field(const std::string& name) const;
    // Width and height of page 1 in points.
    std::pair<double, double> PageSize() const;
    // The text of page `page` (from 1), in reading order.
    std::string PageText(int page) const;
    // The words of page `page` with their boxes.
    std::vector<Word> Words(int page) const;

private:
    std::filesystem::path m_file;
};

} // namespace testsupport
