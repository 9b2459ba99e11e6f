#include "overlay/FormatText.h"

#include "overlay/DefinitionSource.h"

std::string FormatText(std::string_view format, std::initializer_list<std::string_view> values) {
    std::string text;
    text.reserve(format.size());
    auto next = values.begin();
    for (std::size_t pos = 0; pos < format.size(); ++pos) {
        const char c = format[pos];
        // The character after a "%"; '\0' when `c` opens no placeholder.
        const char kind = c == '%' && pos + 1 < format.size() ? format[pos + 1] : '\0';
        if (kind == '%') {
            text.push_back('%');
            ++pos;
        } else if (kind == 's' || kind == 'd' || kind == 'i' || kind == 'u') {
            if (next != values.end()) {
                text.append(*next++);
            }
            ++pos;
        } else {
            text.push_back(c); // any other character, and a "%" at the end or before any other character
        }
    }
    return text;
}

namespace {

// The length of the well-formed UTF-8 character at the start of `text` (overlong forms, surrogates and
// code points above U+10FFFF are not well formed); 0 when there is none.
std::size_t Utf8Length(std::string_view text) {
    const auto byte = [&text](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(0);
    std::size_t length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (text.size() < length || byte(1) < low || byte(1) > high) {
        return 0;
    }
    for (std::size_t i = 2; i < length; ++i) {
        if (byte(i) < 0x80 || byte(i) > 0xBF) {
            return 0;
        }
    }
    return length;
}

void AppendEscaped(std::string& out, unsigned char byte) {
    constexpr std::string_view kDigits = "0123456789ABCDEF";
    out += "\\x";
    out += kDigits[byte >> 4];
    out += kDigits[byte & 0x0F];
}

} // namespace

std::string PrintableText(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    while (!text.empty()) {
        const auto byte = static_cast<unsigned char>(text[0]);
        if (byte >= 0x20 && byte < 0x7F) {
            out += text[0];
            text.remove_prefix(1);
            continue;
        }
        const std::size_t length = byte < 0x80 ? 0 : Utf8Length(text);
        // A C1 control is the two bytes C2 80 to C2 9F: both are shown.
        if (length == 0 || (length == 2 && byte == 0xC2 && static_cast<unsigned char>(text[1]) <= 0x9F)) {
            const std::size_t shown = length == 0 ? 1 : 2;
            for (std::size_t i = 0; i < shown; ++i) {
                AppendEscaped(out, static_cast<unsigned char>(text[i]));
            }
            text.remove_prefix(shown);
            continue;
        }
        out.append(text.substr(0, length));
        text.remove_prefix(length);
    }
    return out;
}

std::string CountText(IDefinitionSource& texts, std::string_view key, long long count) {
    return FormatText(texts.GetLine(key, count == 1 ? 0 : 1), {std::to_string(count)});
}
