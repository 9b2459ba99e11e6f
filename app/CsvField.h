#pragma once

#include <string>
#include <string_view>

// A field of the CSV lines the command-line tool prints and the channel import lists: a text holding a
// comma, a double quote or a carriage return is quoted with doubled quotes; line feeds are written as \n
// and backslashes as \\, so every record stays on one line.
std::string CsvField(std::string_view text);
