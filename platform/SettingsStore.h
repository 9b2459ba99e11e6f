#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace platform {

// The per-user settings store: named values in named groups ("Global"/"ComPort"). On Windows it is the
// registry under the program's key, elsewhere an INI file; tests use an in-memory store.
//
// Reads say whether the value was there and of the asked type, so a caller can fall back to its
// defaults; writes are buffered until Sync, which reports whether they reached the store.
class ISettingsStore {
public:
    enum class ReadStatus {
        Ok,        // the value is there and of the asked type
        Missing,   // no such value (or the store could not be read)
        WrongType, // a value of that name exists but is not of the asked type
    };

    template <typename T> struct Read {
        ReadStatus status = ReadStatus::Missing;
        T value{};
        bool Ok() const { return status == ReadStatus::Ok; }
    };

    virtual ~ISettingsStore() = default;

    // A signed 32-bit integer: a decimal text with an optional sign in range, or a native integer.
    virtual Read<std::int32_t> ReadInt(std::string_view group, std::string_view name) const = 0;
    // A text (UTF-8). Any stored scalar reads as its text.
    virtual Read<std::string> ReadString(std::string_view group, std::string_view name) const = 0;

    virtual void WriteInt(std::string_view group, std::string_view name, std::int32_t value) = 0;
    virtual void WriteString(std::string_view group, std::string_view name, const std::string& value) = 0;
    // Removes one value; an empty name removes the whole group.
    virtual void Remove(std::string_view group, std::string_view name) = 0;

    // Writes buffered changes out; false when the store could not be written (or could not be parsed,
    // in which case it is left as it is rather than overwritten).
    virtual bool Sync() = 0;
};

} // namespace platform
