#pragma once

#include <string_view>

// Calls `apply` with the text of every "( ... )" group of a style or directive line, left to right.
// Text outside groups is ignored; groups neither nest nor escape; a group that is not closed runs to
// the end of the line.
template <typename Apply> void ForEachGroup(std::string_view line, Apply&& apply) {
    std::size_t open = line.find('(');
    while (open != std::string_view::npos) {
        const std::size_t close = line.find(')', open + 1);
        apply(line.substr(open + 1, close == std::string_view::npos ? std::string_view::npos : close - open - 1));
        if (close == std::string_view::npos) {
            return;
        }
        open = line.find('(', close + 1);
    }
}
