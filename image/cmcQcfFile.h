#pragma once

#include "image/QcfTypes.h"
#include "image/cmcEeprom.h"

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

class OverlayMessages;
class QcfLineReader;

// The clone file: an EEPROM image kept as text. One identification line (model code and extra code as
// four digits each), '#' header lines (a comment and "MapRev=<n>"), then data lines
// "AAAANN" + NN bytes, all in hexadecimal. Lines end with CR LF when written; LF alone is read too.
//
// One object serves one Write or Read: construct, AttachImage, SetModelCodes, SetMapRevisionTest (for
// reading), then call it. Every operation that fails shows its message through ShowResult before it
// returns the result code (see QcfTypes.h), so callers only stop.
//
// Write never leaves a half-written file: the old file stays as it was until the new one is complete.
// Read never leaves a half-read image: on any failure the image is restored byte for byte.
class cmcQcfFile {
public:
    // Accepts (true) or refuses (false) the map revision read from a file; -1 means none was read.
    using MapRevisionTest = std::function<bool(std::int32_t revision)>;

    // `messages` shows the failures; it must outlive this object.
    explicit cmcQcfFile(OverlayMessages& messages);
    ~cmcQcfFile();
    cmcQcfFile(const cmcQcfFile&) = delete;
    cmcQcfFile& operator=(const cmcQcfFile&) = delete;

    // The image to write or to read into (not owned; must outlive this object). Clears both coverage
    // bitmaps.
    void AttachImage(cmcEeprom& image);
    void SetModelCodes(std::uint32_t modelCode, std::uint32_t extraCode);
    // Text of the comment header line. Bytes outside 0x20 to 0x7E are written as spaces.
    void SetComment(std::string_view text);
    void SetMapRevision(std::int32_t revision);
    // The value written, or after Read the last "MapRev=" value read (-1 when there was none).
    std::int32_t GetMapRevision() const { return m_mapRevision; }
    void SetMapRevisionTest(MapRevisionTest test);

    // Saves the image's addresses covered by `table` to `path`. 0, 1 (cannot create) or 2 (write failed).
    std::uint8_t Write(const std::filesystem::path& path, CloneFileRangeTable table);

    // Loads `path` into the image. With a table the result is also CheckCoverage(table); without one,
    // any addresses inside the image are accepted. 0 to 8.
    std::uint8_t Read(const std::filesystem::path& path, CloneFileRangeTable table);
    std::uint8_t Read(const std::filesystem::path& path);
    // Loads from `stream`, opened for reading in binary and left open, as Read(path, table) does. A read
    // error of the stream, at any point, is code 1.
    std::uint8_t Read(std::FILE* stream, CloneFileRangeTable table);

    // Compares the addresses loaded by the last Read with those of `table`: 0 when they are the same, 8
    // when an address outside the table was loaded, else 7 (some were missing). Shows nothing.
    std::uint8_t CheckCoverage(CloneFileRangeTable table);

    // Shows the message of result code 1 to 9; 0 and other values show nothing.
    void ShowResult(std::uint8_t code);

private:
    std::uint8_t ReadFrom(const std::filesystem::path& path, const CloneFileRangeTable* table);
    std::uint8_t ReadStream(std::FILE* stream, const CloneFileRangeTable* table);
    std::uint8_t ReadLines(QcfLineReader& reader);
    std::uint8_t ReadDataLine(std::string_view text);
    std::string Compose(CloneFileRangeTable table) const;
    // Calls visit(first, last) for each pair of `table` up to its ending pair.
    void ForEachRange(CloneFileRangeTable table, const std::function<void(std::int32_t, std::int32_t)>& visit) const;
    void ResizeBitmaps();

    OverlayMessages& m_messages;
    cmcEeprom m_noImage; // the target until one is attached: an empty image
    cmcEeprom* m_image = &m_noImage;
    std::uint32_t m_modelCode = 0;
    std::uint32_t m_extraCode = 0;
    std::string m_comment;
    int m_bytesPerLine = 16;
    std::int32_t m_mapRevision = -1;
    MapRevisionTest m_mapRevisionTest;
    // Bit k of byte j stands for address 8j + k.
    std::vector<std::uint8_t> m_expected;
    std::vector<std::uint8_t> m_loaded;
};
