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

// `text` as a message may quote it from a file: every control byte (below 0x20, 0x7F, and the C1
// controls U+0080 to U+009F) and every byte that is not part of a well-formed UTF-8 character is
// written as \xNN, so a NUL cannot cut the message short and an escape sequence cannot reach the
// terminal. Everything else, backslashes included, stays as it is.
std::string PrintableText(std::string_view text);

class IDefinitionSource;

// A count in words that agree with it: line 0 of the overlay text `key` for a count of one, line 1 for
// any other count, with its "%s" taken by the count ("1 row changed", "3 rows changed").
std::string CountText(IDefinitionSource& texts, std::string_view key, long long count);
