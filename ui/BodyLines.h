#pragma once

#include <string>
#include <string_view>
#include <vector>

class IDefinitionSource;

namespace ui {

// One line of a menu or tree body: its depth (the number of characters before the first '+') and the
// cell definition after that '+'. A line without '+' is all depth and has an empty definition.
struct BodyLine {
    int depth = 0;
    std::string definition;
};

// Splits one body line into depth and definition.
BodyLine SplitBodyLine(std::string_view line);

// Lines 0, 1, ... of section `key`, up to (without) the first line whose first character is '#'. A
// missing section is the overlay's fatal error.
std::vector<std::string> ReadBodyLines(IDefinitionSource& source, std::string_view key);

// All lines of section `key` up to the first '#' line, joined by "\n" (a text of several lines).
std::string JoinedLines(IDefinitionSource& source, std::string_view key);

// The state flags of a menu item's or tool button's cell as the behaviour object answers them.
inline constexpr int kItemTicked = 0; // check mark, or a tool button held down
inline constexpr int kItemHidden = 1;
inline constexpr int kItemDisabled = 2;
inline constexpr int kItemCaptionFromText = 3; // the caption follows the cell's display text

// A body line placed in its nesting: `parent` is the position in the result of the node it belongs
// under, -1 for a top-level node.
struct BodyNode {
    int parent = -1;
    BodyLine line;
};

// The nesting of menu and tree bodies. The first line's depth fixes the level of a run; a later line
// of the same depth is a sibling, a deeper line starts the children of the node made just before, a
// shallower line ends the run. At the top, a line shallower than the first ends the whole body, and
// the lines after it are not part of the result. Nodes come in line order, parents before children.
std::vector<BodyNode> NestBody(const std::vector<std::string>& lines);

} // namespace ui
