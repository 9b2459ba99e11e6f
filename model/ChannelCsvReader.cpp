#include "model/ChannelCsvReader.h"

#include "model/ChannelExport.h"

#include <algorithm>
#include <fstream>

namespace model {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

ChannelCsvProblem Problem(int line, std::string_view key, std::vector<std::string> values = {}) {
    return ChannelCsvProblem{line, key, std::move(values)};
}

// The separators a channel file may use: the export's comma, and the semicolon and tab that
// spreadsheet programs write in many countries.
constexpr std::string_view kSeparators = ",;\t";

// Splits one line into fields at `separator`; false when a quoted field is not closed or a quote stands
// inside an unquoted field.
bool SplitFields(std::string_view line, char separator, std::vector<std::string>& fields) {
    fields.clear();
    std::size_t at = 0;
    while (true) {
        std::string field;
        if (at < line.size() && line[at] == '"') {
            ++at;
            while (true) {
                if (at >= line.size()) {
                    return false;
                }
                if (line[at] == '"') {
                    if (at + 1 < line.size() && line[at + 1] == '"') {
                        field += '"';
                        at += 2;
                        continue;
                    }
                    ++at;
                    break;
                }
                field += line[at++];
            }
            if (at < line.size() && line[at] != separator) {
                return false;
            }
        } else {
            const std::size_t end = std::min(line.find(separator, at), line.size());
            field.assign(line.substr(at, end - at));
            if (field.find('"') != std::string::npos) {
                return false;
            }
            at = end;
        }
        fields.push_back(std::move(field));
        if (at >= line.size()) {
            return true;
        }
        ++at; // the separator
    }
}

// The export's column names, in order.
std::vector<std::string> HeaderColumns() {
    std::vector<std::string> columns;
    SplitFields(kChannelCsvHeader, ',', columns);
    return columns;
}

// The columns a header line that is not the export's shows, for the message: split at the separator
// that gives the most fields, quotes taken off; the line as it is when it cannot be split. Cut to a
// length a message can show.
std::string FoundColumns(std::string_view line) {
    std::vector<std::string> best{std::string(line)};
    std::vector<std::string> fields;
    for (const char separator : kSeparators) {
        if (SplitFields(line, separator, fields) && fields.size() > best.size()) {
            best = fields;
        }
    }
    std::string found;
    for (const std::string& field : best) {
        found += (found.empty() ? "" : ",") + field;
    }
    constexpr std::size_t kShown = 160;
    return found.size() > kShown ? found.substr(0, kShown) + "..." : found;
}

// A line whose fields are all empty: the rows a spreadsheet program writes below its data.
bool AllEmpty(const std::vector<std::string>& fields) {
    return std::all_of(fields.begin(), fields.end(), [](const std::string& field) { return field.empty(); });
}

} // namespace

ChannelCsvProblem ReadChannelCsv(std::string_view text, std::vector<ChannelCsvLine>& lines) {
    lines.clear();
    if (text.size() > kChannelCsvMaxBytes) {
        return Problem(0, kCsvTooLarge, {std::to_string(kChannelCsvMaxBytes)});
    }
    if (text.starts_with(kByteOrderMark)) {
        text.remove_prefix(kByteOrderMark.size());
    }
    const std::vector<std::string> header = HeaderColumns();
    std::vector<ChannelCsvLine> read;
    std::vector<std::string> fields;
    char separator = 0;
    int number = 0;
    while (!text.empty()) {
        ++number;
        const std::size_t end = std::min(text.find('\n'), text.size());
        std::string_view line = text.substr(0, end);
        text.remove_prefix(std::min(end + 1, text.size()));
        if (line.ends_with('\r')) {
            line.remove_suffix(1);
        }
        if (number == 1) {
            // The header line decides the separator: the one that splits it into the export's columns.
            for (const char candidate : kSeparators) {
                if (separator == 0 && SplitFields(line, candidate, fields) && fields == header) {
                    separator = candidate;
                }
            }
            if (separator == 0) {
                return Problem(1, kCsvHeader, {kChannelCsvHeader, FoundColumns(line)});
            }
            continue;
        }
        if (line.empty()) {
            continue;
        }
        if (!SplitFields(line, separator, fields)) {
            return Problem(number, kCsvQuote);
        }
        if (AllEmpty(fields)) {
            continue;
        }
        if (fields.size() != kChannelCsvColumns) {
            return Problem(number, kCsvColumns, {std::to_string(fields.size()), std::to_string(kChannelCsvColumns)});
        }
        ChannelCsvLine& out = read.emplace_back();
        out.line = number;
        std::move(fields.begin(), fields.end(), out.fields.begin());
    }
    if (number == 0) {
        return Problem(1, kCsvHeader, {kChannelCsvHeader, ""});
    }
    lines = std::move(read);
    return {};
}

ChannelCsvProblem LoadChannelCsvFile(const std::filesystem::path& path, std::string& text) {
    text.clear();
    std::error_code error;
    std::ifstream in(path, std::ios::binary);
    if (std::filesystem::is_directory(path, error) || !in) {
        return Problem(0, kCsvCannotRead, {path.string()});
    }
    // One byte more than allowed tells a file at the limit from a larger one without reading it all.
    std::string read(kChannelCsvMaxBytes + 1, '\0');
    in.read(read.data(), static_cast<std::streamsize>(read.size()));
    if (in.bad()) {
        return Problem(0, kCsvCannotRead, {path.string()});
    }
    read.resize(static_cast<std::size_t>(in.gcount()));
    if (read.size() > kChannelCsvMaxBytes) {
        return Problem(0, kCsvTooLarge, {std::to_string(kChannelCsvMaxBytes)});
    }
    text = std::move(read);
    return {};
}

} // namespace model
