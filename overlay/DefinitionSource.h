#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

class cmcGTex;

// Where definition lines come from: the overlay reader in the programs, an overlay text held in memory
// in tests, benchmarks and fuzz targets. Both answer exactly as the overlay reader does: line `index`
// (from 0) of section `key`, and a missing key (or a line past the end) ends the process with
// "GTEX Error !\nThe index '<key>' was not found.".
class IDefinitionSource {
public:
    virtual ~IDefinitionSource() = default;
    virtual std::string GetLine(std::string_view key, int index) = 0;
};

// The overlay reader as a definition source. Does not own the reader.
class GTexDefinitionSource final : public IDefinitionSource {
public:
    explicit GTexDefinitionSource(cmcGTex& gtex) : m_gtex(gtex) {}
    std::string GetLine(std::string_view key, int index) override;

private:
    cmcGTex& m_gtex;
};

// An overlay text held in memory, indexed like the overlay file: a section starts after a line
// "#<key>" (a line of just "#" is no header), the first of two equal keys wins, and the header
// "End_Of_Ovl" ends the index. A carriage return before a line feed is dropped.
class TextDefinitionSource final : public IDefinitionSource {
public:
    explicit TextDefinitionSource(std::string_view text);
    std::string GetLine(std::string_view key, int index) override;

private:
    std::vector<std::string> m_lines;
    std::unordered_map<std::string, std::size_t> m_sections; // key → index of the section's line 0
};
