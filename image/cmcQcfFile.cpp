#include "image/cmcQcfFile.h"

#include "image/QcfLineReader.h"
#include "overlay/OverlayMessages.h"
#include "platform/AtomicFile.h"

#include <algorithm>
#include <cstdio>
#include <system_error>

namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kCommentKey = "Comment=";
constexpr std::string_view kMapRevisionKey = "MapRev=";
constexpr std::size_t kShortestDataLine = 8;  // address, count and one byte
constexpr std::size_t kLongestDataLine = 516; // address, count and 255 bytes

// The value of a hexadecimal digit of either case, or -1.
int HexValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    return -1;
}

// The hexadecimal number of `digits` (all already known to be hexadecimal digits).
std::int32_t HexNumber(std::string_view digits) {
    std::int32_t value = 0;
    for (char c : digits) {
        value = value * 16 + HexValue(c);
    }
    return value;
}

// A plain decimal conversion: leading blanks, an optional sign, digits up to the first other character;
// 0 when there are none. Values beyond 32 bits are held at the nearest limit.
std::int32_t DecimalNumber(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r'))) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i++] == '-';
    }
    std::int64_t value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = std::min<std::int64_t>(value * 10 + (text[i] - '0'), std::int64_t{1} << 32);
    }
    value = negative ? -value : value;
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(value, INT32_MIN, INT32_MAX));
}

void AppendHex(std::string& out, std::uint32_t value, int digits) {
    char buffer[16];
    const int n = std::snprintf(buffer, sizeof buffer, "%0*X", digits, static_cast<unsigned>(value));
    out.append(buffer, static_cast<std::size_t>(n));
}

// `address` is a valid address of the image, so never negative.
void Mark(std::vector<std::uint8_t>& bitmap, std::int32_t address) {
    const auto bit = static_cast<std::size_t>(address);
    bitmap[bit / 8] |= static_cast<std::uint8_t>(1u << (bit % 8));
}

} // namespace

cmcQcfFile::cmcQcfFile(OverlayMessages& messages) : m_messages(messages) {}

cmcQcfFile::~cmcQcfFile() = default;

void cmcQcfFile::AttachImage(cmcEeprom& image) {
    m_image = &image;
    m_expected.clear();
    m_loaded.clear();
    ResizeBitmaps();
}

void cmcQcfFile::SetModelCodes(std::uint32_t modelCode, std::uint32_t extraCode) {
    m_modelCode = modelCode;
    m_extraCode = extraCode;
}

void cmcQcfFile::SetComment(std::string_view text) {
    m_comment = text;
}

void cmcQcfFile::SetMapRevision(std::int32_t revision) {
    m_mapRevision = revision;
}

void cmcQcfFile::SetMapRevisionTest(MapRevisionTest test) {
    m_mapRevisionTest = std::move(test);
}

void cmcQcfFile::ResizeBitmaps() {
    // The image may have been resized since it was attached; the bitmaps follow it.
    const auto bytes = static_cast<std::size_t>(m_image->GetSize() + 7) / 8;
    m_expected.resize(bytes, 0);
    m_loaded.resize(bytes, 0);
}

void cmcQcfFile::ForEachRange(CloneFileRangeTable table,
                              const std::function<void(std::int32_t, std::int32_t)>& visit) const {
    for (const auto& range : table) {
        if (range.last < range.first || !m_image->IsValidAddress(range.first) || !m_image->IsValidAddress(range.last)) {
            break;
        }
        visit(range.first, range.last);
    }
}

std::string cmcQcfFile::Compose(CloneFileRangeTable table) const {
    std::string out;
    AppendHex(out, m_modelCode, 4);
    AppendHex(out, m_extraCode, 4);
    out += kLineEnd;
    // A line end or other control byte inside the comment would break the file's line structure.
    std::string comment = m_comment;
    std::replace_if(
        comment.begin(), comment.end(), [](char c) { return c < 0x20 || c > 0x7E; }, ' ');
    out.append("#").append(kCommentKey).append(comment).append(kLineEnd);
    out.append("#").append(kMapRevisionKey).append(std::to_string(m_mapRevision)).append(kLineEnd);
    ForEachRange(table, [&](std::int32_t first, std::int32_t last) {
        for (std::int32_t a = first; a <= last;) {
            const std::int32_t n = std::min(m_bytesPerLine - a % m_bytesPerLine, last - a + 1);
            AppendHex(out, static_cast<std::uint32_t>(a), 4);
            AppendHex(out, static_cast<std::uint32_t>(n), 2);
            for (std::int32_t i = 0; i < n; ++i) {
                AppendHex(out, m_image->GetByte(a + i), 2);
            }
            out += kLineEnd;
            a += n;
        }
    });
    return out;
}

std::uint8_t cmcQcfFile::Write(const std::filesystem::path& path, CloneFileRangeTable table) {
    std::uint8_t result = qcf::kOk;
    platform::AtomicFile file;
    if (!file.Open(path)) {
        result = qcf::kFileOpen;
    } else if (!file.Write(Compose(table)) || !file.Commit()) {
        result = qcf::kFileAccess;
    }
    ShowResult(result);
    return result;
}

std::uint8_t cmcQcfFile::Read(const std::filesystem::path& path) {
    return ReadFrom(path, nullptr);
}

std::uint8_t cmcQcfFile::Read(const std::filesystem::path& path, CloneFileRangeTable table) {
    return ReadFrom(path, &table);
}

std::uint8_t cmcQcfFile::Read(std::FILE* stream, CloneFileRangeTable table) {
    return ReadStream(stream, &table);
}

std::uint8_t cmcQcfFile::ReadFrom(const std::filesystem::path& path, const CloneFileRangeTable* table) {
    std::error_code error;
    // Only a regular file can be a clone file: a directory opens on some systems and fails only on
    // reading, a FIFO would block the open and a device such as /dev/zero would be read forever.
    std::FILE* file = std::filesystem::is_regular_file(path, error) ? std::fopen(path.c_str(), "rb") : nullptr;
    const std::uint8_t result = ReadStream(file, table);
    if (file != nullptr) {
        std::fclose(file);
    }
    return result;
}

std::uint8_t cmcQcfFile::ReadStream(std::FILE* stream, const CloneFileRangeTable* table) {
    const cmcEeprom backup = *m_image;
    m_mapRevision = -1; // only what this file says counts
    ResizeBitmaps();
    std::fill(m_loaded.begin(), m_loaded.end(), std::uint8_t{0});

    std::uint8_t result = qcf::kFileOpen;
    if (stream != nullptr) {
        QcfLineReader reader(stream);
        result = ReadLines(reader);
        // A read error ends the lines early: whatever they held, the file could not be read.
        if (reader.Failed()) {
            result = qcf::kFileOpen;
        }
    }
    if (result == qcf::kOk && table != nullptr) {
        result = CheckCoverage(*table);
    }
    if (result != qcf::kOk) {
        // Assigning an image of the same size keeps its buffer, so pointers into it stay valid.
        *m_image = backup;
    }
    ShowResult(result);
    return result;
}

std::uint8_t cmcQcfFile::ReadLines(QcfLineReader& reader) {
    QcfLineReader::Line line;
    // Exactly eight digits and the line end.
    const bool isIdentification =
        reader.Next(line) && line.ended && line.text.size() == 8 &&
        std::all_of(line.text.begin(), line.text.end(), [](char c) { return c >= '0' && c <= '9'; });
    if (!isIdentification) {
        return reader.Failed() ? qcf::kFileOpen : qcf::kFormat;
    }
    // The digits are decimal characters taken as hexadecimal digits: "2691" is 0x2691.
    const auto modelCode = static_cast<std::uint32_t>(HexNumber(std::string_view(line.text).substr(0, 4)));
    const auto extraCode = static_cast<std::uint32_t>(HexNumber(std::string_view(line.text).substr(4, 4)));
    if (modelCode != m_modelCode) {
        return qcf::kModel;
    }
    if (extraCode != m_extraCode) {
        return qcf::kExtra;
    }
    bool seenData = false;
    while (reader.Next(line)) {
        const std::string_view text = line.text;
        if (!text.empty() && text.front() == '#') {
            if (text.substr(1).starts_with(kMapRevisionKey)) {
                m_mapRevision = DecimalNumber(text.substr(1 + kMapRevisionKey.size()));
            }
            continue;
        }
        // The map revision decides once, at the first data line, whether the data fit this map.
        if (!seenData) {
            seenData = true;
            if (!m_mapRevisionTest || !m_mapRevisionTest(m_mapRevision)) {
                return qcf::kMapRev;
            }
        }
        const std::uint8_t result = ReadDataLine(text);
        if (result != qcf::kOk) {
            return result;
        }
    }
    return qcf::kOk;
}

std::uint8_t cmcQcfFile::ReadDataLine(std::string_view text) {
    if (text.size() < kShortestDataLine || text.size() > kLongestDataLine ||
        !std::all_of(text.begin(), text.end(), [](char c) { return HexValue(c) >= 0; })) {
        return qcf::kFormat;
    }
    const std::int32_t start = HexNumber(text.substr(0, 4));
    const std::int32_t count = HexNumber(text.substr(4, 2));
    if (text.size() != 2 * static_cast<std::size_t>(count) + 6) {
        return qcf::kFormat;
    }
    if (!m_image->IsValidAddress(start) || !m_image->IsValidAddress(start + count - 1)) {
        return qcf::kData;
    }
    for (std::int32_t i = 0; i < count; ++i) {
        m_image->SetByte(start + i, static_cast<std::uint8_t>(HexNumber(text.substr(6 + 2 * i, 2))));
        Mark(m_loaded, start + i);
    }
    return qcf::kOk;
}

std::uint8_t cmcQcfFile::CheckCoverage(CloneFileRangeTable table) {
    ResizeBitmaps();
    std::fill(m_expected.begin(), m_expected.end(), std::uint8_t{0});
    ForEachRange(table, [&](std::int32_t first, std::int32_t last) {
        for (std::int32_t a = first; a <= last; ++a) {
            Mark(m_expected, a);
        }
    });
    if (m_loaded == m_expected) {
        return qcf::kOk;
    }
    for (std::size_t j = 0; j < m_loaded.size(); ++j) {
        if ((m_loaded[j] & ~m_expected[j]) != 0) {
            return qcf::kData;
        }
    }
    return qcf::kCoverage;
}

void cmcQcfFile::ShowResult(std::uint8_t code) {
    if (code >= qcf::kFileOpen && code <= qcf::kNewer) {
        m_messages.ShowCloneFileResult(code);
    }
}
