#include "image/cmcEeprom.h"

#include "platform/Fault.h"

#include <algorithm>
#include <cstring>

cmcEeprom::cmcEeprom(const cmcEeprom& other) {
    *this = other;
}

cmcEeprom& cmcEeprom::operator=(const cmcEeprom& other) {
    // Copying re-zeroes first; assigning an image to itself must not wipe it on the way.
    if (this != &other) {
        SetSize(other.GetSize());
        std::copy(other.m_data.begin(), other.m_data.end(), m_data.begin());
    }
    return *this;
}

void cmcEeprom::SetSize(std::int32_t n) {
    if (n <= 0) {
        m_data.clear();
        m_data.shrink_to_fit();
        return;
    }
    if (static_cast<std::size_t>(n) != m_data.size()) {
        // A new buffer: holders of the old pointer must not be served by a buffer that merely moved.
        m_data = std::vector<std::uint8_t>(static_cast<std::size_t>(n), 0);
    } else {
        std::fill(m_data.begin(), m_data.end(), std::uint8_t{0});
    }
}

std::int32_t cmcEeprom::GetSize() const {
    return static_cast<std::int32_t>(m_data.size());
}

bool cmcEeprom::IsValidAddress(std::int32_t a) const {
    return a >= 0 && a < GetSize();
}

void cmcEeprom::Fill(std::uint8_t value) {
    std::fill(m_data.begin(), m_data.end(), value);
}

void cmcEeprom::SetByte(std::int32_t address, std::uint8_t value) {
    if (!IsValidAddress(address)) {
        platform::Fault("Out of EEPROM image address (SetByte).");
    }
    m_data[static_cast<std::size_t>(address)] = value;
}

std::uint8_t cmcEeprom::GetByte(std::int32_t address) const {
    if (!IsValidAddress(address)) {
        platform::Fault("Out of EEPROM image address (GetByte).");
    }
    return m_data[static_cast<std::size_t>(address)];
}

bool cmcEeprom::IsValidBlock(std::int32_t address, std::int32_t length) const {
    // Compared in 64 bits so address + length cannot overflow.
    return IsValidAddress(address) && length > 0 &&
           static_cast<std::int64_t>(address) + length <= static_cast<std::int64_t>(GetSize());
}

void cmcEeprom::WriteBlock(std::int32_t address, const std::uint8_t* source, std::int32_t length) {
    if (source != nullptr && IsValidBlock(address, length)) {
        std::memmove(m_data.data() + address, source, static_cast<std::size_t>(length));
    }
}

void cmcEeprom::ReadBlock(std::int32_t address, std::uint8_t* destination, std::int32_t length) const {
    if (destination != nullptr && IsValidBlock(address, length)) {
        std::memmove(destination, m_data.data() + address, static_cast<std::size_t>(length));
    }
}

bool cmcEeprom::Equals(const cmcEeprom& other) const {
    return m_data == other.m_data;
}

std::uint8_t* cmcEeprom::Data() {
    return m_data.empty() ? nullptr : m_data.data();
}

const std::uint8_t* cmcEeprom::Data() const {
    return m_data.empty() ? nullptr : m_data.data();
}
