#pragma once

#include <cstddef>
#include <string_view>

// The one place that knows how characters of overlay text are encoded.
//
// Overlay texts are UTF-8. Every scan of overlay text steps a character at a time with CharLengthAt, so
// a byte inside a multi-byte character is never taken as a separator, escape or bracket. (No byte of a
// multi-byte UTF-8 character is below 0x80, so an ASCII separator can never match one anyway; stepping
// by characters keeps that promise explicit and would hold for any other multi-byte encoding too.)

// True when `byte` starts a character of more than one byte.
bool IsLeadByte(char byte);

// The byte length of the character that starts at `pos` of `text`: 1 for a single-byte character, a
// stray continuation byte or a malformed sequence; never past the end of `text`; 0 at or past the end.
std::size_t CharLengthAt(std::string_view text, std::size_t pos);
