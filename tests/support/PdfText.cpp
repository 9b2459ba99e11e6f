#include "support/PdfText.h"

#include "support/RunCommand.h"

#include <cstdio>
#include <cstdlib>
#include <sstream>

namespace testsupport {
namespace {

std::string Info(const std::filesystem::path& file, const std::string& field) {
    const CommandRun run = RunCommand("pdfinfo " + Quoted(file.string()));
    std::istringstream lines(run.output);
    for (std::string line; std::getline(lines, line);) {
        if (line.rfind(field + ":", 0) == 0) {
            return line.substr(field.size() + 1);
        }
    }
    return {};
}

std::string Unescaped(std::string text) {
    const std::pair<const char*, const char*> entities[] = {
        {"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&apos;", "'"}, {"&amp;", "&"}};
    for (const auto& [entity, character] : entities) {
        for (std::size_t at; (at = text.find(entity)) != std::string::npos;) {
            text.replace(at, std::string(entity).size(), character);
        }
    }
    return text;
}

} // namespace

int PdfText::Pages() const {
    return std::atoi(Info(m_file, "Pages").c_str());
}

std::string PdfText::Field(const std::string& name) const {
    const std::string value = Info(m_file, name);
    const auto first = value.find_first_not_of(' ');
    return first == std::string::npos ? std::string() : value.substr(first);
}

std::pair<double, double> PdfText::PageSize() const {
    double width = 0;
    double height = 0;
    const std::string size = Info(m_file, "Page size");
    std::sscanf(size.c_str(), " %lf x %lf", &width, &height);
    return {width, height};
}

std::string PdfText::PageText(int page) const {
    const std::string number = std::to_string(page);
    return RunCommand("pdftotext -q -layout -f " + number + " -l " + number + " " + Quoted(m_file.string()) + " -")
        .output;
}

std::vector<PdfText::Word> PdfText::Words(int page) const {
    const std::string number = std::to_string(page);
    const std::string xhtml =
        RunCommand("pdftotext -q -bbox -f " + number + " -l " + number + " " + Quoted(m_file.string()) + " -").output;
    // Lines of the form <word xMin="…" yMin="…" xMax="…" yMax="…">text</word>.
    std::vector<Word> words;
    const std::string open = "<word ";
    for (std::size_t at = xhtml.find(open); at != std::string::npos; at = xhtml.find(open, at + 1)) {
        const std::size_t textStart = xhtml.find('>', at);
        const std::size_t textEnd = xhtml.find("</word>", at);
        if (textStart == std::string::npos || textEnd == std::string::npos || textEnd < textStart) {
            break;
        }
        Word w;
        if (std::sscanf(xhtml.c_str() + at,
                        "<word xMin=\"%lf\" yMin=\"%lf\" xMax=\"%lf\" yMax=\"%lf\"",
                        &w.xMin,
                        &w.yMin,
                        &w.xMax,
                        &w.yMax) == 4) {
            w.text = Unescaped(xhtml.substr(textStart + 1, textEnd - textStart - 1));
            words.push_back(std::move(w));
        }
    }
    return words;
}

} // namespace testsupport
