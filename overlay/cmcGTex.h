#pragma once

#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

// The definition overlay reader: answers lookups of texts and definition lines by section key.
//
// The overlay is a text file of '#'-headed sections. The file is opened lazily by the first lookup and
// never read whole: the section index grows only as far as lookups need, sequential reads of a section
// are served from a per-section bookmark, and the 64 most recently read lines are cached.
//
// A failed lookup (missing key, missing or unreadable file, end of file inside a section) is a fault:
// "GTEX Error !\nThe index '<key>' was not found." through platform::Fault, so callers never see an
// error result.
class cmcGTex {
public:
    cmcGTex();
    ~cmcGTex();
    cmcGTex(const cmcGTex&) = delete;
    cmcGTex& operator=(const cmcGTex&) = delete;

    // Records the overlay's path; succeeds only the first time (false, nothing changed, afterwards).
    // Does not open the file.
    bool SetSourceFile(const std::string& path);

    // Line `index` (from 0) of section `key`, without its line end.
    std::string GetLine(std::string_view key, int index);

    // Line 0 of section `key`.
    std::string GetText(std::string_view key);

    // Lines 0, 1, 2 ... of `key` up to (not including) the first non-empty line that begins with '#',
    // joined by "\n".
    std::string GetLongText(std::string_view key);

    // (The private part is the implementer's.)
};

// Field `n` (from 0) of `text` split at `separator`; nothing when the text has fewer than n + 1 fields.
// Fields are not trimmed; two separators in a row give an empty field.
std::optional<std::string> GetField(std::string_view text, char separator, int n);
