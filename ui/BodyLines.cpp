#include "ui/BodyLines.h"

#include "overlay/DefinitionSource.h"

namespace ui {

namespace {

// Read(parent, start) of the nesting rule: adds the run starting at `start` under `parent` and
// returns how many lines it consumed.
std::size_t ReadRun(const std::vector<BodyLine>& lines, std::size_t start, int parent, std::vector<BodyNode>& out) {
    const int level = lines[start].depth;
    int lastAdded = parent;
    std::size_t i = start;
    while (i < lines.size()) {
        const int depth = lines[i].depth;
        if (depth == level) {
            out.push_back({parent, lines[i]});
            lastAdded = static_cast<int>(out.size()) - 1;
            ++i;
        } else if (depth > level) {
            i += ReadRun(lines, i, lastAdded, out);
        } else {
            break;
        }
    }
    return i - start;
}

} // namespace

BodyLine SplitBodyLine(std::string_view line) {
    const std::size_t plus = line.find('+');
    if (plus == std::string_view::npos) {
        return {static_cast<int>(line.size()), std::string()};
    }
    return {static_cast<int>(plus), std::string(line.substr(plus + 1))};
}

std::vector<std::string> ReadBodyLines(IDefinitionSource& source, std::string_view key) {
    std::vector<std::string> lines;
    for (int index = 0;; ++index) {
        std::string line = source.GetLine(key, index);
        if (!line.empty() && line.front() == '#') {
            return lines;
        }
        lines.push_back(std::move(line));
    }
}

std::string JoinedLines(IDefinitionSource& source, std::string_view key) {
    std::string joined;
    for (const std::string& line : ReadBodyLines(source, key)) {
        joined += (joined.empty() ? "" : "\n") + line;
    }
    return joined;
}

std::vector<BodyNode> NestBody(const std::vector<std::string>& lines) {
    std::vector<BodyLine> split;
    split.reserve(lines.size());
    for (const std::string& line : lines) {
        split.push_back(SplitBodyLine(line));
    }
    std::vector<BodyNode> nodes;
    if (!split.empty()) {
        ReadRun(split, 0, -1, nodes);
    }
    return nodes;
}

} // namespace ui
