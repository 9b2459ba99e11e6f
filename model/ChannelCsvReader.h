#pragma once

#include <array>
#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

// Reading a channel list written by the channel export back into lines of fields. No meaning is given
// to a field here: that is ChannelImport's work.
namespace model {

// The most a channel file may hold. The export of a whole image is about 40 KB; anything beyond this
// is refused before it is parsed, so a large file of garbage ends at once.
inline constexpr std::size_t kChannelCsvMaxBytes = std::size_t{1024} * 1024;
inline constexpr std::size_t kChannelCsvColumns = 12;

// Why a channel file could not be taken, with the line it concerns (0 for the whole file) and the
// values the message's placeholders take after the line number. `key` names the overlay text.
struct ChannelCsvProblem {
    int line = 0;
    std::string_view key; // empty: no problem
    std::vector<std::string> values;
    explicit operator bool() const { return !key.empty(); }
};

// One line of channel fields, with its line number in the file (the header is line 1).
struct ChannelCsvLine {
    int line = 0;
    std::array<std::string, kChannelCsvColumns> fields;
};

// Overlay keys of the reader's problems.
inline constexpr std::string_view kCsvCannotRead = "GI_Csv_Err_CannotRead"; // %s: the file
inline constexpr std::string_view kCsvTooLarge = "GI_Csv_Err_TooLarge";     // %s: the limit in bytes
inline constexpr std::string_view kCsvHeader = "GI_Csv_Err_Header";         // %s expected, %s found
inline constexpr std::string_view kCsvColumns = "GI_Csv_Err_Columns";       // line, %s count, %s expected
inline constexpr std::string_view kCsvQuote = "GI_Csv_Err_Quote";           // line

// Splits `text` into its field lines: UTF-8 with or without a byte-order mark, lines ended by LF or
// CR LF, the first line the export's header with its fields separated by commas, semicolons or tabs
// (each field may be quoted, as spreadsheet programs write them), then lines of exactly twelve fields
// separated as the header is, a field optionally in double quotes with "" for a quote. Empty lines and
// lines of empty fields only (the rows spreadsheet programs leave below the data) are skipped. The first
// problem found ends the reading; `lines` then holds nothing.
ChannelCsvProblem ReadChannelCsv(std::string_view text, std::vector<ChannelCsvLine>& lines);

// Reads the file `path` into `text`, at most kChannelCsvMaxBytes; a larger file, or one that cannot
// be read, is a problem and leaves `text` empty.
ChannelCsvProblem LoadChannelCsvFile(const std::filesystem::path& path, std::string& text);

} // namespace model
