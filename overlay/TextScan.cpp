#include "overlay/TextScan.h"

namespace {

bool IsContinuationByte(unsigned char byte) {
    return (byte & 0xC0U) == 0x80U;
}

// The length a lead byte announces (2 to 4), or 1.
std::size_t AnnouncedLength(unsigned char byte) {
    if (byte >= 0xC2U && byte <= 0xDFU) {
        return 2;
    }
    if (byte >= 0xE0U && byte <= 0xEFU) {
        return 3;
    }
    if (byte >= 0xF0U && byte <= 0xF4U) {
        return 4;
    }
    return 1;
}

} // namespace

bool IsLeadByte(char byte) {
    return AnnouncedLength(static_cast<unsigned char>(byte)) > 1;
}

std::size_t CharLengthAt(std::string_view text, std::size_t pos) {
    if (pos >= text.size()) {
        return 0;
    }
    const std::size_t announced = AnnouncedLength(static_cast<unsigned char>(text[pos]));
    std::size_t length = 1;
    // Take only the continuation bytes that are really there: a truncated sequence ends early.
    while (length < announced && pos + length < text.size() &&
           IsContinuationByte(static_cast<unsigned char>(text[pos + length]))) {
        ++length;
    }
    return length;
}
