#include "overlay/OverlayHasSheet.h"

#include <fstream>
#include <string>

bool OverlayHasSheet(const std::filesystem::path& overlay, std::string_view sheet) {
    std::ifstream in(overlay, std::ios::binary);
    const std::string header = "#" + std::string(sheet) + "_Cells";
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (line == header) {
            return true;
        }
    }
    return false;
}
