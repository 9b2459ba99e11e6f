#include "model/ChannelImport.h"

#include "model/ChannelExport.h"
#include "model/ChannelPlan.h"
#include "model/FrequencyEditor.h"
#include "model/datCh.h"
#include "overlay/DefinitionSource.h"
#include "overlay/FormatText.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <map>
#include <optional>
#include <tuple>
#include <utility>

namespace model {
namespace {

// Columns of a channel line.
enum Column : std::size_t {
    kPlan,
    kRow,
    kChannel,
    kMark,
    kInhibited,
    kTagged,
    kTxInhibit,
    kPoc,
    kSimplex,
    kRx,
    kTx,
    kName
};

constexpr std::array<std::string_view, kChannelCsvColumns> kColumnNames = {
    "plan", "row", "channel", "mark", "inhibited", "tagged", "tx_inhibit", "poc", "simplex", "rx_hz", "tx_hz", "name"};

// The columns each kind of plan fills; the others must stay empty.
constexpr std::array<Column, 6> kListColumns = {kMark, kInhibited, kTagged, kTxInhibit, kPoc, kSimplex};
constexpr std::array<Column, 1> kWeatherColumns = {kInhibited};
constexpr std::array<Column, 3> kFreeColumns = {kRx, kTx, kName};

// A whole decimal number of digits only; nothing when empty, signed, too long or not a number.
std::optional<std::uint64_t> Digits(std::string_view text) {
    if (text.empty() || text.size() > 12) {
        return std::nullopt;
    }
    std::uint64_t value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        value = value * 10 + static_cast<std::uint64_t>(c - '0');
    }
    return value;
}

// A place of a mark: the row and the line that gave it.
struct MarkPlace {
    int row = -1;
    int line = 0;
};

// The import of one file on a working copy of the image.
class Import {
public:
    explicit Import(cmcEeprom& work) : m_work(work) {}

    // Each step stops at the first problem, which Problem() then holds.
    void Line(const ChannelCsvLine& line);
    // Moves the marks the lines gave; refuses a mark taken away.
    void Marks();
    int Changed() const { return m_changed; }
    const ChannelCsvProblem& Problem() const { return m_problem; }

private:
    void CheckColumns(const ChannelCsvLine& line, std::uint8_t plan);
    void ListRow(const ChannelCsvLine& line, std::uint8_t plan, int row);
    void WeatherRow(const ChannelCsvLine& line, int row);
    void FreeRow(const ChannelCsvLine& line, int row);
    bool Flag(const ChannelCsvLine& line, Column column);
    // A frequency field: nothing for a blank one, else Hz checked against the limits and the raster.
    std::optional<std::uint32_t> Frequency(const ChannelCsvLine& line, Column column, std::uint64_t blankHz);
    std::array<std::uint8_t, kFreeNameLength> Name(const ChannelCsvLine& line);
    // Notes the first problem.
    void Refuse(int line, std::string_view key, std::vector<std::string> values = {});

    cmcEeprom& m_work;
    ChannelCsvProblem m_problem;
    int m_changed = 0;
    std::map<std::pair<int, int>, int> m_seen;     // (plan, row) → line
    std::array<MarkPlace, 4> m_markA{}, m_markB{}; // by plan code 1 to 3
};

void Import::Refuse(int line, std::string_view key, std::vector<std::string> values) {
    if (!m_problem) {
        m_problem = ChannelCsvProblem{line, key, std::move(values)};
    }
}

void Import::Line(const ChannelCsvLine& line) {
    const auto& f = line.fields;
    std::uint8_t plan = kPlanNone;
    for (std::uint8_t p = kPlanInternational; p <= kPlanFree; ++p) {
        if (f[kPlan] == PlanCsvName(p)) {
            plan = p;
        }
    }
    if (plan == kPlanNone) {
        Refuse(line.line, kCsvPlan, {f[kPlan]});
        return;
    }
    const auto row = Digits(f[kRow]);
    if (!row || *row >= static_cast<std::uint64_t>(RowCountOfPlan(plan))) {
        Refuse(line.line, kCsvRow, {f[kRow], PlanCsvName(plan), std::to_string(RowCountOfPlan(plan) - 1)});
        return;
    }
    const int r = static_cast<int>(*row);
    if (const auto [at, added] = m_seen.emplace(std::pair{plan, r}, line.line); !added) {
        Refuse(line.line, kCsvDuplicate, {f[kRow], PlanCsvName(plan), std::to_string(at->second)});
        return;
    }
    // The channel column is free text for rows that stand for a free channel (its name may change in
    // the same file); elsewhere it must name the row's channel when it is given.
    if (!f[kChannel].empty() && !(IsChannelListPlan(plan) && r >= kFirstFreeRow)) {
        const std::string expected = ChannelLabel(m_work, plan, r);
        if (f[kChannel] != expected) {
            Refuse(line.line, kCsvChannel, {f[kRow], expected, f[kChannel]});
            return;
        }
    }
    CheckColumns(line, plan);
    if (m_problem) {
        return;
    }
    if (IsChannelListPlan(plan)) {
        ListRow(line, plan, r);
    } else if (plan == kPlanWeather) {
        WeatherRow(line, r);
    } else {
        FreeRow(line, r);
    }
}

void Import::CheckColumns(const ChannelCsvLine& line, std::uint8_t plan) {
    const auto filled = [plan](std::size_t column) {
        const auto has = [column](const auto& columns) {
            return std::find(columns.begin(), columns.end(), static_cast<Column>(column)) != columns.end();
        };
        return IsChannelListPlan(plan) ? has(kListColumns)
               : plan == kPlanWeather  ? has(kWeatherColumns)
                                       : has(kFreeColumns);
    };
    for (std::size_t column = kMark; column < kChannelCsvColumns; ++column) {
        if (!filled(column) && !line.fields[column].empty()) {
            Refuse(line.line, kCsvNotInPlan, {PlanCsvName(plan), std::string(kColumnNames[column])});
            return;
        }
    }
}

bool Import::Flag(const ChannelCsvLine& line, Column column) {
    const std::string& text = line.fields[column];
    if (text != "0" && text != "1") {
        Refuse(line.line, kCsvFlag, {std::string(kColumnNames[column]), text});
        return false;
    }
    return text == "1";
}

void Import::ListRow(const ChannelCsvLine& line, std::uint8_t plan, int row) {
    const std::string& mark = line.fields[kMark];
    if (mark != "" && mark != "P" && mark != "C" && mark != "PC" && mark != "CP") {
        Refuse(line.line, kCsvMark, {mark});
        return;
    }
    for (const auto& [letter, places] : {std::pair{'P', &m_markA}, std::pair{'C', &m_markB}}) {
        if (mark.find(letter) == std::string::npos) {
            continue;
        }
        MarkPlace& place = (*places)[plan];
        if (place.row >= 0) {
            Refuse(line.line, kCsvMarkTwice, {std::string(1, letter), PlanCsvName(plan), std::to_string(place.line)});
            return;
        }
        place = {row, line.line};
    }
    datCh record(m_work);
    record.Load(plan, row);
    const bool inhibited = Flag(line, kInhibited);
    const bool tagged = Flag(line, kTagged);
    const bool txInhibit = Flag(line, kTxInhibit);
    const bool poc = Flag(line, kPoc);
    bool simplex = Flag(line, kSimplex);
    if (row >= kFirstFreeRow) {
        simplex = record.Simplex; // the free channel's own frequencies decide it
    }
    if (m_problem) {
        return;
    }
    if (IsARow(row) && !simplex) {
        Refuse(line.line, kCsvSimplex, {ChannelLabel(m_work, plan, row)});
        return;
    }
    if (inhibited == record.Inhibited && tagged == record.Tagged && txInhibit == record.TxInhibit &&
        poc == record.Poc && simplex == record.Simplex) {
        return;
    }
    // The cells of an inhibited row show "---" and take no entry: the row must be allowed to change them.
    if (inhibited) {
        for (const auto& [column, value, stored] : {std::tuple{kTagged, tagged, record.Tagged},
                                                    std::tuple{kTxInhibit, txInhibit, record.TxInhibit},
                                                    std::tuple{kPoc, poc, record.Poc},
                                                    std::tuple{kSimplex, simplex, record.Simplex}}) {
            if (value != stored) {
                Refuse(line.line, kCsvInhibited, {ChannelLabel(m_work, plan, row), std::string(kColumnNames[column])});
                return;
            }
        }
    }
    record.Inhibited = inhibited;
    record.Tagged = tagged;
    record.TxInhibit = txInhibit;
    record.Poc = poc;
    record.Simplex = simplex;
    record.MarkA = record.MarkB = false; // marks move in Marks(), after every line was read
    record.Store(0, row);
    ++m_changed;
}

void Import::WeatherRow(const ChannelCsvLine& line, int row) {
    datCh record(m_work);
    record.Load(kPlanWeather, row);
    const bool inhibited = Flag(line, kInhibited);
    if (!m_problem && inhibited != record.Inhibited) {
        record.Inhibited = inhibited;
        record.Store(0, row);
        ++m_changed;
    }
}

std::optional<std::uint32_t> Import::Frequency(const ChannelCsvLine& line, Column column, std::uint64_t blankHz) {
    const std::string& text = line.fields[column];
    const std::string name(kColumnNames[column]);
    if (text.empty()) {
        return std::nullopt;
    }
    const auto hz = Digits(text);
    if (!hz) {
        Refuse(line.line, kCsvFrequency, {name, text});
        return std::nullopt;
    }
    if (*hz == blankHz) {
        return std::nullopt;
    }
    if (*hz < static_cast<std::uint64_t>(kLowestFrequencyHz) || *hz > static_cast<std::uint64_t>(kHighestCommittedHz)) {
        Refuse(line.line, kCsvLimits, {name, text});
        return std::nullopt;
    }
    if (*hz % static_cast<std::uint64_t>(kRasterHz) != 0) {
        Refuse(line.line, kCsvRaster, {name, text});
        return std::nullopt;
    }
    return static_cast<std::uint32_t>(*hz);
}

std::array<std::uint8_t, kFreeNameLength> Import::Name(const ChannelCsvLine& line) {
    const std::string& name = line.fields[kName];
    if (name.size() > static_cast<std::size_t>(kFreeNameLength)) {
        Refuse(line.line, kCsvNameLength, {name});
        return {};
    }
    std::array<std::uint8_t, kFreeNameLength> bytes{' ', ' ', ' '};
    for (std::size_t i = 0; i < name.size(); ++i) {
        const std::string_view allowed = i + 1 < bytes.size() ? kNameLeadChars : kNameLastChars;
        if (allowed.find(name[i]) == std::string_view::npos) {
            Refuse(
                line.line, kCsvNameChar, {name, std::string(1, name[i]), std::to_string(i + 1), std::string(allowed)});
            return {};
        }
        bytes[i] = static_cast<std::uint8_t>(name[i]);
    }
    return bytes;
}

void Import::FreeRow(const ChannelCsvLine& line, int row) {
    const auto& f = line.fields;
    datCh record(m_work);
    record.Load(kPlanFree, row);
    datCh updated = record;
    // Only a value that differs from what the export writes for this record is taken (and checked). The
    // numbers older exports wrote for a blank frequency (21700000, 0) read as blank.
    if (f[kRx] != FrequencyCsvText(record.RxBlank, record.RxHz)) {
        const auto rx = Frequency(line, kRx, kFreeRxOffsetHz);
        updated.RxBlank = !rx;
        updated.RxHz = rx.value_or(record.RxBlank ? record.RxHz : kFreeRxOffsetHz);
    }
    if (f[kTx] != FrequencyCsvText(record.TxBlank, record.TxHz)) {
        const auto tx = Frequency(line, kTx, 0);
        updated.TxBlank = !tx;
        updated.TxHz = tx.value_or(0);
    }
    if (f[kName] != NameText(record)) {
        const auto name = Name(line);
        std::copy(name.begin(), name.end(), updated.Name.begin());
    }
    if (m_problem) {
        return;
    }
    const bool same = updated.RxBlank == record.RxBlank && updated.TxBlank == record.TxBlank &&
                      updated.RxHz == record.RxHz && updated.TxHz == record.TxHz && updated.Name == record.Name;
    if (same) {
        return;
    }
    if (updated.RxBlank && !updated.TxBlank) {
        Refuse(line.line, kCsvTxAlone);
        return;
    }
    // A row without a receive frequency takes nothing else: its cells send every key to that frequency.
    if (updated.RxBlank && updated.Name != record.Name && NameText(updated) != "") {
        Refuse(line.line, kCsvNameAlone);
        return;
    }
    updated.Store(0, row);
    ++m_changed;
}

void Import::Marks() {
    for (std::uint8_t plan = kPlanInternational; plan <= kPlanCanada; ++plan) {
        for (const auto& [letter, places] : {std::pair{'P', &m_markA}, std::pair{'C', &m_markB}}) {
            const bool isA = letter == 'P';
            int current = -1;
            datCh record(m_work);
            for (int row = 0; row < kPlanRowCount && current < 0; ++row) {
                record.Load(plan, row);
                current = (isA ? record.MarkA : record.MarkB) ? row : -1;
            }
            const MarkPlace& wanted = (*places)[plan];
            if (wanted.row < 0) {
                // A row that holds the mark and was given without it: the cells can only move a mark.
                if (const auto at = m_seen.find({plan, current}); current >= 0 && at != m_seen.end()) {
                    Refuse(at->second, kCsvMarkTaken, {std::string(1, letter), ChannelLabel(m_work, plan, current)});
                    return;
                }
                continue;
            }
            if (wanted.row == current) {
                continue;
            }
            record.Load(plan, wanted.row);
            record.MarkA = isA;
            record.MarkB = !isA;
            record.Store(0, wanted.row);
            ++m_changed;
        }
    }
}

} // namespace

ChannelImportResult ImportChannels(cmcEeprom& image, std::string_view text) {
    ChannelImportResult result;
    std::vector<ChannelCsvLine> lines;
    result.problem = ReadChannelCsv(text, lines);
    if (result.problem) {
        return result;
    }
    cmcEeprom work(image);
    Import import(work);
    for (std::size_t i = 0; i < lines.size() && !import.Problem(); ++i) {
        import.Line(lines[i]);
    }
    if (!import.Problem()) {
        import.Marks();
    }
    if (import.Problem()) {
        result.problem = import.Problem();
        return result;
    }
    result.rows = static_cast<int>(lines.size());
    result.changed = import.Changed();
    image = work;
    return result;
}

ChannelImportResult ImportChannelFile(cmcEeprom& image, const std::filesystem::path& path) {
    std::string text;
    ChannelImportResult result;
    result.problem = LoadChannelCsvFile(path, text);
    return result.problem ? result : ImportChannels(image, text);
}

std::string ChannelCsvMessage(IDefinitionSource& texts, const ChannelCsvProblem& problem) {
    if (!problem) {
        return {};
    }
    // The values quote the file: its bytes are shown escaped where they are no printable text.
    std::vector<std::string> values;
    for (const std::string& value : problem.values) {
        values.push_back(PrintableText(value));
    }
    if (problem.key == kCsvColumns) {
        for (std::string& count : values) {
            count = CountText(texts, "GI_Csv_Columns", std::strtoll(count.c_str(), nullptr, 10));
        }
    }
    values.resize(4);
    std::string text = FormatText(texts.GetLine(problem.key, 0), {values[0], values[1], values[2], values[3]});
    if (problem.line > 0) {
        text = FormatText(texts.GetLine(kCsvLine, 0), {std::to_string(problem.line)}) + " " + text;
    }
    return text;
}

std::string ChannelImportSummary(IDefinitionSource& texts, const ChannelImportResult& result, bool applied) {
    return FormatText(texts.GetLine("GI_Csv_Import_Done", 0),
                      {CountText(texts, "GI_Csv_Lines_Read", result.rows),
                       CountText(texts, applied ? "GI_Csv_Rows_Changed" : "GI_Csv_Rows_WouldChange", result.changed)});
}

} // namespace model
