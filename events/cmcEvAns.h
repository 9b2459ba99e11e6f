#pragma once

#include <cstdint>
#include <memory>
#include <vector>

// One answer to a query of the event manager: two values and an owned copy of the data the handler
// gave. Further answers to the same query follow through Next(). Answer records are owned by the
// manager; a query's result stays valid until the next query at the same nesting level.
class cmcEvAns {
public:
    cmcEvAns() = default;
    ~cmcEvAns();
    cmcEvAns(const cmcEvAns&) = delete;
    cmcEvAns& operator=(const cmcEvAns&) = delete;

    std::uint32_t First() const { return m_first; }
    std::uint32_t Second() const { return m_second; }
    const std::uint8_t* Data() const { return m_data.data(); }
    std::int32_t Length() const { return static_cast<std::int32_t>(m_data.size()); }
    // The data as a zero-terminated text; "" when the answer holds no terminated text.
    const char* Text() const;
    // The next answer to the same query; nullptr after the last.
    const cmcEvAns* Next() const { return m_next.get(); }

private:
    friend class cmcEvMan;

    std::uint32_t m_first = 0;
    std::uint32_t m_second = 0;
    std::vector<std::uint8_t> m_data;
    std::unique_ptr<cmcEvAns> m_next;
    std::unique_ptr<cmcEvAns> m_inner; // result of the latest query made while this record was current
};
