#include "overlay/FormatText.h"

std::string FormatText(std::string_view format, std::initializer_list<std::string_view> values) {
    std::string text;
    text.reserve(format.size());
    auto next = values.begin();
    for (std::size_t pos = 0; pos < format.size(); ++pos) {
        const char c = format[pos];
        const char kind = pos + 1 < format.size() ? format[pos + 1] : '\0';
        if (c != '%' || kind == '\0') {
            text.push_back(c);
        } else if (kind == '%') {
            text.push_back('%');
            ++pos;
        } else if (kind == 's' || kind == 'd' || kind == 'i' || kind == 'u') {
            if (next != values.end()) {
                text.append(*next++);
            }
            ++pos;
        } else {
            text.push_back(c);
        }
    }
    return text;
}
