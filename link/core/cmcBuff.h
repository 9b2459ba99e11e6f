#pragma once

#include <cstdint>
#include <memory>

// A growable byte buffer, appended at the back and consumed at the front. Growth adds a quarter of the
// old length as spare room; consumed bytes are reclaimed only after more than 4096 have gathered, so
// PopFront costs constant time. Copies are deep.
class cmcBuff {
public:
    cmcBuff();
    cmcBuff(const cmcBuff& other);
    cmcBuff& operator=(const cmcBuff& other);
    ~cmcBuff();

    void Clear();
    // Sets the length; bytes added read as 0. Returns the new length.
    std::int32_t SetLength(std::int32_t n);
    std::int32_t Length() const { return m_length; }
    std::int32_t Capacity() const { return m_capacity; }
    const std::uint8_t* Data() const { return m_front; }
    std::uint8_t* Data() { return m_front; }
    // The byte at index i; an index at or past the length is a fault ("Out of cmcBuff element !").
    std::uint8_t At(std::int32_t i) const;

    void Assign(const std::uint8_t* bytes, std::int32_t n);
    void AssignBuff(const cmcBuff& other);
    void Append(const std::uint8_t* bytes, std::int32_t n);
    void AppendBuff(const cmcBuff& other);
    void AppendByte(std::uint8_t b);
    void AppendFill(std::uint8_t b, std::int32_t n);
    // The first byte (0 to 255) and drops it; -1 when empty.
    int PopFront();
    // Moves the held bytes to a block of exactly max(length, 1) bytes.
    void Compact();

private:
    // Replaces the block by a fresh one of `size` bytes holding the `keep` first bytes held now, the
    // rest set to the fill byte; the front moves to the start of the new block.
    void Reallocate(std::int32_t size, std::int32_t keep);
    // Bytes consumed by PopFront that still lie before the front.
    std::int64_t Consumed() const { return m_front - m_block.get(); }
    // Whether `bytes` points into this buffer's own block (then growth could free it under the copy).
    bool Owns(const std::uint8_t* bytes) const;

    std::unique_ptr<std::uint8_t[]> m_block;
    std::uint8_t* m_front = nullptr;
    std::int32_t m_length = 0;
    std::int32_t m_capacity = 0;
    std::uint8_t m_fill = 0;
};
