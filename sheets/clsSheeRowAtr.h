#pragma once

#include <cstdint>
#include <vector>

// One grid row of a sheet's row table: the number of the "_Cells" line that defines it and whether it
// may take part in multi-selection (the SelectON state when the row was added).
struct clsSheeRowAtr {
    std::int32_t Line = 0;
    bool RowSelectOn = true;
};

// The row table. Asking for entry i beyond the allocated end grows the table to i + i/2 + 1 entries,
// new entries holding line 0 with RowSelectOn set; Count() is the number of rows actually added.
class SheetRowTable {
public:
    // Entry i, growing the table when needed.
    clsSheeRowAtr& At(std::size_t i) {
        if (i >= m_entries.size()) {
            m_entries.resize(i + i / 2 + 1);
        }
        return m_entries[i];
    }
    const clsSheeRowAtr& operator[](std::size_t i) const { return m_entries[i]; }

    // Appends a row (line, flag) after the last added one.
    void Append(std::int32_t line, bool selectOn) {
        At(m_count) = {line, selectOn};
        ++m_count;
    }
    // Drops rows beyond `count`.
    void Truncate(std::size_t count) {
        if (count < m_count) {
            m_count = count;
        }
    }
    std::size_t Count() const { return m_count; }
    std::size_t Allocated() const { return m_entries.size(); }

private:
    std::vector<clsSheeRowAtr> m_entries;
    std::size_t m_count = 0;
};
