#pragma once

#include <cstdint>
#include <string_view>

// The bytes of the clone protocol's frames, FE FE <to> <from> <command> <body> FD: shared by the clone
// driver and the simulated radio, so both speak the same protocol.
namespace cloneframes {

inline constexpr std::uint8_t kPreamble = 0xFE; // twice before every frame
inline constexpr std::uint8_t kEnd = 0xFD;      // ends every frame
inline constexpr std::uint8_t kRadio = 0xEE;    // the radio's address
inline constexpr std::uint8_t kProgram = 0xEF;  // the program's address

// Commands, the byte after the addresses.
inline constexpr std::uint8_t kInfoRequest = 0xE0;  // program: send the information reply
inline constexpr std::uint8_t kInfoReply = 0xE1;    // radio: model code, sub code and information bytes
inline constexpr std::uint8_t kReadRequest = 0xE2;  // program: send the memory
inline constexpr std::uint8_t kWriteRequest = 0xE3; // program: data frames follow
inline constexpr std::uint8_t kData = 0xE4;         // address, count, data and checksum as hex digits
inline constexpr std::uint8_t kDataEnd = 0xE5;      // the maker's name and the data frame count
inline constexpr std::uint8_t kWriteAnswer = 0xE6;  // radio: kWriteAccepted or a refusal

inline constexpr std::uint8_t kWriteAccepted = 0x00;
inline constexpr std::uint8_t kWriteRefused = 0x01;

// The maker's name that an end frame carries before the count.
inline constexpr std::string_view kMaker = "Quon Inc.";

} // namespace cloneframes
