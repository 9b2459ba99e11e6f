#include "model/ChannelExport.h"

#include "model/ChannelPlan.h"
#include "model/datCh.h"

namespace model {

namespace {

std::string Flag(bool on) {
    return on ? "1" : "0";
}

std::string CsvField(const std::string& text) {
    if (text.find_first_of(",\"") == std::string::npos) {
        return text;
    }
    std::string quoted = "\"";
    for (const char c : text) {
        quoted += c;
        if (c == '"') {
            quoted += '"';
        }
    }
    return quoted + "\"";
}

std::string FreeName(cmcEeprom& image, int index) {
    datCh record(image);
    record.Load(kPlanFree, index);
    return NameText(record);
}

} // namespace

std::string NameText(const datCh& record) {
    std::string name;
    for (const std::uint8_t c : record.Name) {
        name += (c >= 0x20 && c <= 0x7E) ? static_cast<char>(c) : ' ';
    }
    name.erase(name.find_last_not_of(' ') + 1);
    return name;
}

std::string FrequencyCsvText(bool blank, std::uint32_t hz) {
    return blank ? std::string() : std::to_string(hz);
}

const char* PlanCsvName(std::uint8_t plan) {
    switch (plan) {
    case kPlanInternational:
        return "international";
    case kPlanUsa:
        return "usa";
    case kPlanCanada:
        return "canada";
    case kPlanWeather:
        return "weather";
    case kPlanFree:
        return "free";
    default:
        return "";
    }
}

std::string ChannelLabel(cmcEeprom& image, std::uint8_t plan, int row) {
    if (IsChannelListPlan(plan)) {
        if (row >= kFirstFreeRow) {
            return FreeName(image, row - kFirstFreeRow);
        }
        return std::to_string(row / 2) + (row % 2 == 1 ? "A" : "");
    }
    return std::to_string(row + 1);
}

std::string ChannelCsvRow(cmcEeprom& image, std::uint8_t plan, int row) {
    datCh record(image);
    record.Load(plan, row);
    // plan,row,channel,mark,inhibited,tagged,tx_inhibit,poc,simplex,rx_hz,tx_hz,name
    std::string line = std::string(PlanCsvName(plan)) + "," + std::to_string(row) + "," +
                       CsvField(ChannelLabel(image, plan, row)) + ",";
    if (IsChannelListPlan(plan)) {
        line += std::string(record.MarkA ? "P" : "") + (record.MarkB ? "C" : "") + ",";
        line += Flag(record.Inhibited) + "," + Flag(record.Tagged) + "," + Flag(record.TxInhibit) + "," +
                Flag(record.Poc) + "," + Flag(record.Simplex) + ",,,";
    } else if (plan == kPlanWeather) {
        line += "," + Flag(record.Inhibited) + ",,,,,,,";
    } else if (plan == kPlanFree) {
        line += ",,,,,," + FrequencyCsvText(record.RxBlank, record.RxHz) + "," +
                FrequencyCsvText(record.TxBlank, record.TxHz) + "," + CsvField(NameText(record));
    } else {
        line += ",,,,,,,,";
    }
    return line;
}

std::string ExportChannels(const cmcEeprom& image) {
    // The records bind a writable image; they only read it, so they read a copy.
    cmcEeprom copy(image);
    std::string out = std::string(kChannelCsvHeader) + "\n";
    for (const std::uint8_t plan : {kPlanInternational, kPlanUsa, kPlanCanada, kPlanWeather, kPlanFree}) {
        for (int row = 0; row < RowCountOfPlan(plan); ++row) {
            out += ChannelCsvRow(copy, plan, row) + "\n";
        }
    }
    return out;
}

} // namespace model
