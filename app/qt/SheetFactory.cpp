#include "app/qt/SheetFactory.h"

SheetReference ParseSheetReference(std::string_view argument) {
    SheetReference reference;
    const std::size_t comma = argument.find(',');
    std::string_view key = argument.substr(0, comma);
    if (const std::size_t close = key.find(']');
        key.find('[') != std::string_view::npos && close != std::string_view::npos) {
        key = key.substr(close + 1);
    }
    reference.key = std::string(key);
    if (comma != std::string_view::npos) {
        reference.parameter = std::string(argument.substr(comma + 1));
    }
    return reference;
}
