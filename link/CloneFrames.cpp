#include "link/CloneFrames.h"

#include <cstdio>
#include <string>

namespace cloneframes {

namespace {

constexpr char kDigits[] = "0123456789ABCDEF";

int HexValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

// Uppercase digits only: the payload of a data frame admits nothing else.
int UpperHexValue(std::uint8_t c) {
    return c >= 'a' ? -1 : HexValue(static_cast<char>(c));
}

void AppendHex(std::vector<std::uint8_t>& out, unsigned value, int digits) {
    for (int shift = 4 * (digits - 1); shift >= 0; shift -= 4) {
        out.push_back(static_cast<std::uint8_t>(kDigits[(value >> shift) & 0xF]));
    }
}

// The head of a frame: `preamble` extra FE bytes, FE FE, the addresses and the command.
void AppendHead(cmcBuff& frame, std::uint8_t to, std::uint8_t from, std::uint8_t command, int preamble) {
    frame.AppendFill(kPreamble, preamble + 2);
    frame.AppendByte(to);
    frame.AppendByte(from);
    frame.AppendByte(command);
}

bool StartsWith(const cmcBuff& frame, std::uint8_t to, std::uint8_t from, std::uint8_t command) {
    return frame.Length() >= 4 && frame.At(0) == kPreamble && frame.At(1) == to && frame.At(2) == from &&
           frame.At(3) == command;
}

// The data payload check of a read: the bytes after the command byte.
int CheckPayload(const cmcBuff& frame, ReadProgress& progress, dst_CDrv_Result& result) {
    const int chars = frame.Length() - 4;
    if ((chars & 2) != 0) {
        return clonecode::kBadFrame;
    }
    std::vector<std::uint8_t> bytes;
    bytes.reserve(static_cast<std::size_t>(chars / 2));
    for (int i = 0; i < chars; ++i) {
        const int digit = UpperHexValue(frame.At(4 + i));
        if (digit < 0) {
            return clonecode::kBadFrame;
        }
        if (i % 2 == 0) {
            bytes.push_back(static_cast<std::uint8_t>(digit << 4));
        } else {
            bytes.back() = static_cast<std::uint8_t>(bytes.back() | digit);
        }
    }
    if (chars % 2 != 0) {
        bytes.pop_back(); // a final single digit is ignored
    }
    if (bytes.size() < 4) {
        return clonecode::kBadFrame;
    }
    const int n = bytes[2];
    if (n + 4 != static_cast<int>(bytes.size())) {
        return clonecode::kBadFrame;
    }
    unsigned sum = 0;
    for (const std::uint8_t b : bytes) {
        sum += b;
    }
    if ((sum & 0xFF) != 0) {
        return clonecode::kBadFrame;
    }
    const std::int32_t address = bytes[0] * 256 + bytes[1];
    if (n > 0 && address + n > progress.imageSize) {
        return clonecode::kOutsideImage;
    }
    if (n == 0) {
        return clonecode::kFrameAccepted;
    }
    result.image.WriteBlock(address, bytes.data() + 3, n);
    const std::int32_t lastByte = (address + n - 1) / 8;
    if (result.received.Length() <= lastByte) {
        result.received.SetLength(lastByte + 1);
    }
    for (std::int32_t a = address; a < address + n; ++a) {
        result.received.Data()[a / 8] = static_cast<std::uint8_t>(result.received.At(a / 8) | (1u << (a % 8)));
    }
    progress.dataBytes += n;
    return clonecode::kFrameAccepted;
}

int CheckEnd(const cmcBuff& frame, const ReadProgress& progress) {
    char count[3];
    std::snprintf(count, sizeof count, "%02X", static_cast<unsigned>(progress.frameCount % 256));
    const std::string expected = std::string(kMaker) + count;
    const int length = frame.Length() - 4;
    if (length != static_cast<int>(expected.size())) {
        return clonecode::kBadFrame;
    }
    for (int i = 0; i < length; ++i) {
        if (frame.At(4 + i) != static_cast<std::uint8_t>(expected[static_cast<std::size_t>(i)])) {
            return i < static_cast<int>(kMaker.size()) ? clonecode::kBadFrame : clonecode::kBadFrameCount;
        }
    }
    return clonecode::kSuccess;
}

} // namespace

cmcBuff HexToBytes(std::string_view text) {
    cmcBuff out;
    int high = -1;
    for (const char c : text) {
        const int digit = HexValue(c);
        if (digit < 0) {
            continue;
        }
        if (high < 0) {
            high = digit;
        } else {
            out.AppendByte(static_cast<std::uint8_t>(high << 4 | digit));
            high = -1;
        }
    }
    if (high >= 0) {
        out.AppendByte(static_cast<std::uint8_t>(high << 4));
    }
    return out;
}

cmcBuff RequestFrame(std::uint8_t command, std::int32_t modelCode, std::int32_t subCode, int preamble) {
    char text[24];
    std::snprintf(text, sizeof text, "%04X %04X", static_cast<unsigned>(modelCode), static_cast<unsigned>(subCode));
    cmcBuff frame;
    AppendHead(frame, kRadio, kProgram, command, preamble);
    frame.AppendBuff(HexToBytes(text));
    frame.AppendByte(kEnd);
    return frame;
}

std::vector<std::uint8_t> DataPayload(std::int32_t address, const std::uint8_t* data, int n) {
    std::vector<std::uint8_t> payload;
    payload.reserve(8 + 2 * static_cast<std::size_t>(n));
    AppendHex(payload, static_cast<unsigned>(address), 4);
    AppendHex(payload, static_cast<unsigned>(n), 2);
    auto sum = static_cast<unsigned>((address >> 8) + address + n);
    for (int i = 0; i < n; ++i) {
        AppendHex(payload, data[i], 2);
        sum += data[i];
    }
    AppendHex(payload, (0x100 - (sum & 0xFF)) & 0xFF, 2);
    return payload;
}

cmcBuff DataFrame(std::int32_t address, const std::uint8_t* data, int n, int preamble) {
    cmcBuff frame;
    AppendHead(frame, kRadio, kProgram, kData, preamble);
    const auto payload = DataPayload(address, data, n);
    frame.Append(payload.data(), static_cast<std::int32_t>(payload.size()));
    frame.AppendByte(kEnd);
    return frame;
}

cmcBuff EndFrame(int frameCount, std::uint8_t to, std::uint8_t from) {
    cmcBuff frame;
    AppendHead(frame, to, from, kDataEnd, 0);
    frame.Append(reinterpret_cast<const std::uint8_t*>(kMaker.data()), static_cast<std::int32_t>(kMaker.size()));
    std::vector<std::uint8_t> count;
    AppendHex(count, static_cast<unsigned>(frameCount % 256), 2);
    frame.Append(count.data(), 2);
    frame.AppendByte(kEnd);
    return frame;
}

void CheckInfoReply(const cmcBuff& frame, dst_CDrv_Result& result) {
    if (!StartsWith(frame, kProgram, kRadio, kInfoReply) || frame.Length() < 8) {
        result.code = clonecode::kBadFrame;
        return;
    }
    for (int i = 4; i < 8; ++i) {
        if ((frame.At(i) >> 4) > 9 || (frame.At(i) & 0xF) > 9) {
            result.code = clonecode::kBadFrame;
            return;
        }
    }
    result.modelCode = frame.At(4) * 256 + frame.At(5);
    result.subCode = frame.At(6) * 256 + frame.At(7);
    result.info.Assign(frame.Data() + 8, frame.Length() - 8);
    result.code = clonecode::kSuccess;
}

int ParseReadFrame(const cmcBuff& frame, ReadProgress& progress, dst_CDrv_Result& result) {
    if (frame.Length() < 12 || frame.Length() > 522 || frame.At(0) != kPreamble || frame.At(1) != kProgram ||
        frame.At(2) != kRadio) {
        return clonecode::kBadFrame;
    }
    switch (frame.At(3)) {
    case kData:
        return CheckPayload(frame, progress, result);
    case kDataEnd:
        return CheckEnd(frame, progress);
    default:
        return clonecode::kBadFrame;
    }
}

int CoverageCheck(const std::vector<CloneRange>& ranges, std::int32_t imageSize, cmcBuff& received) {
    const std::int32_t size = (imageSize + 7) / 8;
    std::vector<std::uint8_t> requested(static_cast<std::size_t>(size), 0);
    for (const CloneRange& range : ranges) {
        if (range.last < range.first) {
            break;
        }
        for (std::int32_t a = std::max(range.first, 0); a <= range.last && a < imageSize; ++a) {
            requested[static_cast<std::size_t>(a / 8)] |= static_cast<std::uint8_t>(1u << (a % 8));
        }
    }
    if (received.Length() > size) {
        return clonecode::kOutsideImage;
    }
    received.SetLength(size);
    bool missing = false;
    for (std::int32_t i = 0; i < size; ++i) {
        const std::uint8_t want = requested[static_cast<std::size_t>(i)];
        const std::uint8_t got = received.At(i);
        if ((got & ~want) != 0) {
            return clonecode::kOutsideImage;
        }
        missing = missing || got != want;
    }
    return missing ? clonecode::kMissingData : clonecode::kSuccess;
}

} // namespace cloneframes
