#pragma once

#include "overlay/DefinitionSource.h"
#include "platform/FontMetrics.h"
#include "sheets/SheetLayout.h"

#include <memory>
#include <string>
#include <vector>

namespace sheetstest {

// The overlay text of a sheet "S" with the given style line, basic cell line and cell lines; the cell
// list is closed by a '#' line.
inline std::string SheetText(const std::string& style,
                             const std::string& basic,
                             const std::vector<std::string>& cells,
                             const std::string& more = "") {
    std::string text = "#S_Style\n" + style + "\n#S_BasicCell\n" + basic + "\n#S_Cells\n";
    for (const auto& line : cells) {
        text += line + "\n";
    }
    return text + "#\n" + more + "#End_Of_Ovl\n";
}

// A sheet "S" laid out from an overlay text with the fixed-width metrics: with the default font (pixel
// height 12) a character is 7 pixels wide and a line 15 pixels high.
template <typename Layout = SheetLayout> struct Sheet {
    template <typename... Extra>
    explicit Sheet(const std::string& text, Extra&&... extra)
        : source(text), layout(source, "S", metrics, std::forward<Extra>(extra)...) {}

    Layout& Build() {
        layout.Build();
        return layout;
    }

    TextDefinitionSource source;
    platform::FixedFontMetrics metrics;
    Layout layout;
};

// The line numbers of the rows of a built layout.
inline std::vector<std::int32_t> RowLines(const SheetLayout& layout) {
    std::vector<std::int32_t> lines;
    for (std::int32_t row = 0; row < layout.RowCount(); ++row) {
        lines.push_back(layout.Rows()[static_cast<std::size_t>(row)].Line);
    }
    return lines;
}

} // namespace sheetstest
