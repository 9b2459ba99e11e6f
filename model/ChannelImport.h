#pragma once

#include "image/cmcEeprom.h"
#include "model/ChannelCsvReader.h"

#include <string>
#include <string_view>

class IDefinitionSource;

// Taking a channel list written by the channel export back into an image: the attributes and marks of
// the International, USA and Canada rows, the weather channels' inhibit bits, the free channels'
// frequencies and names. Every value is checked as the channel cells check an entry; the first bad
// line refuses the whole file and the image stays exactly as it was.
namespace model {

// What an import did: the problem that refused it, or the lines taken and the rows they changed.
struct ChannelImportResult {
    ChannelCsvProblem problem;
    int rows = 0;    // channel lines read
    int changed = 0; // rows (and moved marks) whose values differ from the image's
    bool Ok() const { return !problem; }
};

// Imports the channel lines of `text` into `image`. The work is done on a copy, which replaces
// `image` only when every line was accepted. A value equal to the image's own is left as it is, so the
// bytes behind it stay untouched (a name the export cut to printable characters keeps its bytes).
//
// The columns are the export's; a field a plan does not have must stay empty, the channel column may
// be empty or must name the row's channel, flags are 0 or 1, the mark column holds P, C, PC or
// nothing. A row's P or C mark can move to another row of the same plan but not be taken away. The
// simplex column of an "A" channel must be 1; that of a row standing for a free channel is not taken
// (the free channel's frequencies decide it). Frequencies are whole Hz from 100 to 199.9875 MHz on the
// 6.25 kHz raster, or empty (also 21700000 and 0, which older exports wrote) for none; a transmit
// frequency and a name need a receive frequency. Names hold at most three characters of the radio's name
// sets. As in the cells, a row that is inhibited after its line keeps its tag, transmit inhibit, Poc and
// simplex values: a line that changes one of them must allow the row.
ChannelImportResult ImportChannels(cmcEeprom& image, std::string_view text);

// Reads the file `path` (LoadChannelCsvFile) and imports it as ImportChannels does.
ChannelImportResult ImportChannelFile(cmcEeprom& image, const std::filesystem::path& path);

// The user's message of a problem: its overlay text with the placeholders filled (control bytes and
// bytes that are no UTF-8 shown as \xNN, see PrintableText), preceded by "GI_Csv_Err_Line" with the
// line number for a problem of one line.
std::string ChannelCsvMessage(IDefinitionSource& texts, const ChannelCsvProblem& problem);

// What an accepted import read and changed ("992 channel lines were read; 3 rows changed."), or would
// change when it is not `applied` (a dry run, a list of changes still to be confirmed).
std::string ChannelImportSummary(IDefinitionSource& texts, const ChannelImportResult& result, bool applied);

// Overlay keys of the import's problems, besides the reader's.
inline constexpr std::string_view kCsvLine = "GI_Csv_Err_Line";             // %s: line number
inline constexpr std::string_view kCsvPlan = "GI_Csv_Err_Plan";             // %s: the text
inline constexpr std::string_view kCsvRow = "GI_Csv_Err_Row";               // %s row, %s plan, %s last row
inline constexpr std::string_view kCsvDuplicate = "GI_Csv_Err_Duplicate";   // %s row, %s plan, %s line
inline constexpr std::string_view kCsvChannel = "GI_Csv_Err_Channel";       // %s row, %s channel, %s text
inline constexpr std::string_view kCsvNotInPlan = "GI_Csv_Err_NotInPlan";   // %s plan, %s column
inline constexpr std::string_view kCsvFlag = "GI_Csv_Err_Flag";             // %s column, %s text
inline constexpr std::string_view kCsvMark = "GI_Csv_Err_Mark";             // %s text
inline constexpr std::string_view kCsvMarkTwice = "GI_Csv_Err_MarkTwice";   // %s mark, %s plan, %s line
inline constexpr std::string_view kCsvMarkTaken = "GI_Csv_Err_MarkTaken";   // %s mark, %s channel
inline constexpr std::string_view kCsvSimplex = "GI_Csv_Err_Simplex";       // %s channel
inline constexpr std::string_view kCsvFrequency = "GI_Csv_Err_Frequency";   // %s column, %s text
inline constexpr std::string_view kCsvLimits = "GI_Csv_Err_Limits";         // %s column, %s Hz
inline constexpr std::string_view kCsvRaster = "GI_Csv_Err_Raster";         // %s column, %s Hz
inline constexpr std::string_view kCsvTxAlone = "GI_Csv_Err_TxAlone";       // -
inline constexpr std::string_view kCsvInhibited = "GI_Csv_Err_Inhibited";   // %s channel, %s column
inline constexpr std::string_view kCsvNameAlone = "GI_Csv_Err_NameAlone";   // -
inline constexpr std::string_view kCsvNameLength = "GI_Csv_Err_NameLength"; // %s name
inline constexpr std::string_view kCsvNameChar = "GI_Csv_Err_NameChar";     // %s name, %s char, %s place, %s set

} // namespace model
