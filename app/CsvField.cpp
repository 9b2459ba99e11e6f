#include "app/CsvField.h"

std::string CsvField(std::string_view text) {
    std::string field;
    bool quote = false;
    for (const char c : text) {
        if (c == '\n') {
            field += "\\n";
        } else if (c == '\\') {
            field += "\\\\";
        } else {
            quote = quote || c == ',' || c == '"' || c == '\r';
            field += c;
            if (c == '"') {
                field += '"';
            }
        }
    }
    return quote ? '"' + field + '"' : field;
}
