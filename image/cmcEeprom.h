#pragma once

#include <cstdint>
#include <vector>

// The radio's EEPROM held as a flat byte array with bounds-tested byte access. Knows nothing of the
// radio: the meaning of addresses belongs to the model layer.
class cmcEeprom {
public:
    cmcEeprom() = default;
    cmcEeprom(const cmcEeprom& other);
    cmcEeprom& operator=(const cmcEeprom& other);

    // Resizes to n bytes (n <= 0: empty) and sets every byte to 0, also when the size did not change.
    void SetSize(std::int32_t n);
    std::int32_t GetSize() const;
    bool IsValidAddress(std::int32_t a) const;
    void Fill(std::uint8_t value);
    // Out of range is a fault ("Out of EEPROM image address (SetByte)." / "(GetByte).").
    void SetByte(std::int32_t address, std::uint8_t value);
    std::uint8_t GetByte(std::int32_t address) const;
    // Copy length bytes in or out; nothing unless 0 <= address < size, length > 0, address + length <= size.
    void WriteBlock(std::int32_t address, const std::uint8_t* source, std::int32_t length);
    void ReadBlock(std::int32_t address, std::uint8_t* destination, std::int32_t length) const;
    bool Equals(const cmcEeprom& other) const;
    bool Differs(const cmcEeprom& other) const { return !Equals(other); }
    // Direct access for the model layer; valid until the next size change. nullptr when empty.
    std::uint8_t* Data();
    const std::uint8_t* Data() const;

private:
    std::vector<std::uint8_t> m_data; // exactly GetSize() bytes
    // True when [address, address + length) lies inside the image and length > 0.
    bool IsValidBlock(std::int32_t address, std::int32_t length) const;
};
