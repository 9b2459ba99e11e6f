#include "link/core/cmcBuff.h"

#include "platform/Fault.h"

#include <algorithm>
#include <cstring>
#include <functional>
#include <limits>
#include <vector>

namespace {

// Consumed bytes are reclaimed once more than this many lie before the front.
constexpr std::int64_t kCompactAfter = 4096;

} // namespace

cmcBuff::cmcBuff() {
    Clear();
}

cmcBuff::cmcBuff(const cmcBuff& other) {
    Clear();
    AssignBuff(other);
}

cmcBuff& cmcBuff::operator=(const cmcBuff& other) {
    if (&other != this) {
        Assign(other.m_front, other.m_length);
    }
    return *this;
}

cmcBuff::~cmcBuff() = default;

void cmcBuff::Clear() {
    m_block = std::make_unique<std::uint8_t[]>(1);
    m_front = m_block.get();
    m_length = 0;
    m_capacity = 1;
    m_fill = 0;
}

void cmcBuff::Reallocate(std::int32_t size, std::int32_t keep) {
    auto block = std::make_unique<std::uint8_t[]>(static_cast<std::size_t>(size));
    std::memcpy(block.get(), m_front, static_cast<std::size_t>(keep));
    std::memset(block.get() + keep, m_fill, static_cast<std::size_t>(size - keep));
    m_block = std::move(block);
    m_front = m_block.get();
    m_capacity = size;
}

std::int32_t cmcBuff::SetLength(std::int32_t n) {
    n = std::max(n, 0); // a negative length would be a caller's slip; it empties the buffer
    if (n > m_capacity) {
        // A quarter of the old length as spare room keeps appending one byte at a time amortised.
        const std::int64_t size = std::int64_t{n} + m_length / 4;
        Reallocate(static_cast<std::int32_t>(std::min<std::int64_t>(size, std::numeric_limits<std::int32_t>::max())),
                   m_length);
    } else if (n > m_length) {
        std::memset(m_front + m_length, m_fill, static_cast<std::size_t>(n - m_length));
    }
    m_length = n;
    return m_length;
}

std::uint8_t cmcBuff::At(std::int32_t i) const {
    if (i < 0 || i >= m_length) {
        platform::Fault("Out of cmcBuff element !");
    }
    return m_front[i];
}

bool cmcBuff::Owns(const std::uint8_t* bytes) const {
    const std::less<> before;
    const std::uint8_t* begin = m_block.get();
    return !before(bytes, begin) && before(bytes, m_front + m_capacity);
}

void cmcBuff::Assign(const std::uint8_t* bytes, std::int32_t n) {
    if (n > 0 && Owns(bytes)) {
        const std::vector<std::uint8_t> copy(bytes, bytes + n);
        Assign(copy.data(), n);
        return;
    }
    SetLength(n);
    if (m_length > 0) {
        std::memcpy(m_front, bytes, static_cast<std::size_t>(m_length));
    }
}

void cmcBuff::AssignBuff(const cmcBuff& other) {
    *this = other;
}

void cmcBuff::Append(const std::uint8_t* bytes, std::int32_t n) {
    if (n <= 0) {
        return;
    }
    if (Owns(bytes)) {
        // Growth may free the block the bytes live in (appending a buffer to itself).
        const std::vector<std::uint8_t> copy(bytes, bytes + n);
        Append(copy.data(), n);
        return;
    }
    const std::int32_t end = m_length;
    SetLength(end + n);
    std::memcpy(m_front + end, bytes, static_cast<std::size_t>(n));
}

void cmcBuff::AppendBuff(const cmcBuff& other) {
    Append(other.m_front, other.m_length);
}

void cmcBuff::AppendByte(std::uint8_t b) {
    if (m_length == m_capacity) {
        SetLength(m_length + 1);
    } else {
        ++m_length;
    }
    m_front[m_length - 1] = b;
}

void cmcBuff::AppendFill(std::uint8_t b, std::int32_t n) {
    if (n <= 0) {
        return;
    }
    const std::int32_t end = m_length;
    SetLength(end + n);
    std::memset(m_front + end, b, static_cast<std::size_t>(n));
}

int cmcBuff::PopFront() {
    if (m_length == 0) {
        return -1;
    }
    const int byte = *m_front;
    ++m_front;
    --m_length;
    --m_capacity;
    if (Consumed() > kCompactAfter) {
        Compact();
    } else if (m_length == 0) {
        // Nothing is left to move: the whole block is free again, and the capacity never drops to 0.
        m_capacity += static_cast<std::int32_t>(Consumed());
        m_front = m_block.get();
    }
    return byte;
}

void cmcBuff::Compact() {
    Reallocate(std::max(m_length, 1), m_length);
}
