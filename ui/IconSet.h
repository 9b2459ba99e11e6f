#pragma once

#include <QIcon>
#include <filesystem>
#include <string>
#include <vector>

namespace ui {

// The tree's pictures, by index: the program's tree entries and the Caution (4) and Warning (5) marks.
std::vector<std::string> TreeIconNames();
// The tool bar's pictures, by index (0 to 12).
std::vector<std::string> ToolBarIconNames();
// The program's own picture.
inline constexpr const char* kAppIconName = "imgIcon_App";

// One icon per name from `directory` (NAME.png with NAME@2x.png for 2x screens), in order. A picture
// that is missing gives an empty icon: the entry then shows its text only.
std::vector<QIcon> LoadIcons(const std::filesystem::path& directory, const std::vector<std::string>& names);

} // namespace ui
