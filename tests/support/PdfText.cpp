#include "support/PdfText.h"

#include "support/RunCommand.h"

#include <cstdio>
#include <cstdlib>
#include <regex>
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
    static const std::regex word(
        R"re(<word xMin="([-0-9.]+)" yMin="([-0-9.]+)" xMax="([-0-9.]+)" yMax="([-0-9.]+)">([^<]*)</word>)re");
    std::vector<Word> words;
    for (auto it = std::sregex_iterator(xhtml.begin(), xhtml.end(), word); it != std::sregex_iterator(); ++it) {
        const std::smatch& m = *it;
        words.push_back({Unescaped(m[5]), std::stod(m[1]), std::stod(m[2]), std::stod(m[3]), std::stod(m[4])});
    }
    return words;
}

} // namespace testsupport
