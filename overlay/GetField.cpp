#include "overlay/TextScan.h"
#include "overlay/cmcGTex.h"

std::optional<std::string> GetField(std::string_view text, char separator, int n) {
    if (n < 0) {
        return std::nullopt;
    }
    std::size_t fieldStart = 0;
    int field = 0;
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t length = CharLengthAt(text, pos);
        // Only a whole single-byte character separates: a byte inside a multi-byte character never does.
        if (length == 1 && text[pos] == separator) {
            if (field == n) {
                return std::string(text.substr(fieldStart, pos - fieldStart));
            }
            ++field;
            fieldStart = pos + 1;
        }
        pos += length;
    }
    if (field == n) {
        return std::string(text.substr(fieldStart));
    }
    return std::nullopt;
}
