#include "overlay/cmcHash2.h"

#include "overlay/DefinitionSource.h"
#include "overlay/HashBucket.h"
#include "platform/Fault.h"

#include <algorithm>

struct cmcHash2::Node {
    std::string key;
    CellTable table;
    std::unique_ptr<Node> next;
};

cmcHash2::cmcHash2(IDefinitionSource& source, CellReader reader)
    : m_source(source), m_reader(std::move(reader)), m_buckets(kDefaultHashBuckets) {}

cmcHash2::~cmcHash2() {
    for (auto& head : m_buckets) {
        while (head) {
            head = std::move(head->next);
        }
    }
}

std::string cmcHash2::RegistryKey(std::string_view sheet, std::int32_t kind) {
    return std::string(sheet) + "#" + std::to_string(kind);
}

const cmcHash2::CellTable* cmcHash2::Find(std::string_view sheet, std::int32_t kind) const {
    const std::string key = RegistryKey(sheet, kind);
    for (const Node* node = m_buckets[HashBucket(key, kDefaultHashBuckets)].get(); node != nullptr;
         node = node->next.get()) {
        if (node->key == key) {
            return &node->table;
        }
    }
    return nullptr;
}

void cmcHash2::BuildCellTable(std::string_view sheet, std::int32_t kind) {
    const std::string section = std::string(sheet) + "_Cells";
    auto node = std::make_unique<Node>();
    node->key = RegistryKey(sheet, kind);
    if (Find(sheet, kind) != nullptr) {
        platform::Fault("Overlapped Hash2 table.");
    }
    CellTable& table = node->table;
    // One pass gathers what the two passes of the definition need: each line is parsed once.
    for (std::int32_t line = 0;; ++line) {
        const std::string text = m_source.GetLine(section, line);
        if (!text.empty() && text.front() == '#') {
            table.lineCount = line;
            break;
        }
        std::int32_t position = 0;
        for (std::string_view rest = text; !rest.empty(); ++position) {
            CellInfo cell;
            rest = m_reader(rest, cell);
            if (cell.kind == kind) {
                table.byNumber.push_back({line, position, cell.number, std::move(cell.name)});
            }
        }
        table.widestLine = std::max(table.widestLine, position);
    }
    table.byPosition = table.byNumber;
    std::stable_sort(table.byNumber.begin(), table.byNumber.end(), [](const Entry& a, const Entry& b) {
        return a.number < b.number;
    });
    const std::int64_t lines = table.lineCount;
    std::stable_sort(table.byPosition.begin(), table.byPosition.end(), [lines](const Entry& a, const Entry& b) {
        return a.line + lines * a.position < b.line + lines * b.position;
    });
    auto& head = m_buckets[HashBucket(node->key, kDefaultHashBuckets)];
    node->next = std::move(head);
    head = std::move(node);
}

std::string cmcHash2::NameByNumber(std::string_view sheet, std::int32_t kind, std::int32_t number) {
    const CellTable* table = Find(sheet, kind);
    if (table == nullptr) {
        BuildCellTable(sheet, kind);
        table = Find(sheet, kind);
    }
    const auto& entries = table->byNumber;
    const auto found =
        std::lower_bound(entries.begin(), entries.end(), number, [](const Entry& entry, std::int32_t value) {
            return entry.number < value;
        });
    if (found == entries.end() || found->number != number) {
        return "error";
    }
    return found->name;
}

std::optional<std::int32_t>
cmcHash2::StepByPosition(std::string_view sheet, std::int32_t kind, std::int32_t number, std::int32_t offset) const {
    const CellTable* table = Find(sheet, kind);
    if (table == nullptr || table->byPosition.empty()) {
        return std::nullopt;
    }
    const auto& entries = table->byPosition;
    const auto found =
        std::find_if(entries.begin(), entries.end(), [number](const Entry& entry) { return entry.number == number; });
    if (found == entries.end()) {
        return entries.front().number;
    }
    const auto count = static_cast<std::int64_t>(entries.size());
    std::int64_t place = (found - entries.begin() + std::int64_t{offset}) % count;
    if (place < 0) {
        place += count;
    }
    return entries[static_cast<std::size_t>(place)].number;
}
