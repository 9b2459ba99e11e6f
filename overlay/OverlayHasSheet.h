#pragma once

#include <filesystem>
#include <string_view>

// Whether the overlay file defines sheet `sheet`: a line "#<sheet>_Cells". Asking the overlay reader
// for a missing section ends the program with a fault, which is no answer to a name typed on a
// command line; this scan answers false instead (also when the file cannot be read).
bool OverlayHasSheet(const std::filesystem::path& overlay, std::string_view sheet);
