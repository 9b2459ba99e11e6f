#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

// Fills the placeholders of an overlay format text without handing the text to printf.
//
// Overlay texts are data: a text with a stray "%n" or one "%s" too many must not be able to read or
// write memory, so they are never used as a printf format. Each "%s", "%d", "%i" or "%u" takes the next
// of `values` as text (numbers are converted by the caller); a placeholder beyond the last value gives
// nothing. "%%" gives one "%"; any other "%" stays as it stands.
std::string FormatText(std::string_view format, std::initializer_list<std::string_view> values);
