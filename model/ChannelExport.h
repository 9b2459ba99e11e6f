#pragma once

#include "image/cmcEeprom.h"

#include <cstdint>
#include <string>

class datCh;

// Channel rows of an image as comma-separated text, one line per row of every channel list.
namespace model {

// The header line, without its line end.
inline constexpr const char* kChannelCsvHeader =
    "plan,row,channel,mark,inhibited,tagged,tx_inhibit,poc,simplex,rx_hz,tx_hz,name";

// The plan's name in the first column: international, usa, canada, weather, free; empty for others.
const char* PlanCsvName(std::uint8_t plan);

// A free-channel record's name as the export writes it: printable characters only, trailing blanks cut.
std::string NameText(const datCh& record);

// A free channel's frequency as the export writes it: whole Hz, or an empty field for a blank one (as
// the window shows it; the stored empty form is no frequency of the radio).
std::string FrequencyCsvText(bool blank, std::uint32_t hz);

// The channel as the sheets show it: "16", "22A" for rows below 234 of plans 1 to 3, the free channel's
// name for the rows from 234; the row number counted from 1 for the weather and free lists.
std::string ChannelLabel(cmcEeprom& image, std::uint8_t plan, int row);

// One row, without its line end. Fields a plan does not have stay empty; flags are 0 or 1; names keep
// printable characters only, trailing blanks cut, and are quoted when they hold a comma or a quote.
std::string ChannelCsvRow(cmcEeprom& image, std::uint8_t plan, int row);

// The header and every row: International, USA, Canada rows 0 to 303, weather 0 to 9, free 0 to 69;
// each line ends with a line feed.
std::string ExportChannels(const cmcEeprom& image);

} // namespace model
