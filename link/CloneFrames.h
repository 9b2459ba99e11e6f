#pragma once

#include "link/CloneFrameBytes.h"
#include "link/CloneResult.h"
#include "link/core/cmcBuff.h"

#include <cstdint>
#include <string_view>
#include <vector>

// The frames of the clone protocol, built and checked without any state: FE FE <to> <from> <command>
// <body> FD, the radio at EE, the program at EF (link/CloneFrameBytes.h names the bytes).
namespace cloneframes {

// Bytes of a hexadecimal text: characters other than hex digits are skipped, digits pair high first,
// a final unpaired digit fills the high half of a last byte.
cmcBuff HexToBytes(std::string_view text);

// A request frame (kInfoRequest, kReadRequest or kWriteRequest) with `preamble` extra FE bytes in front.
cmcBuff RequestFrame(std::uint8_t command, std::int32_t modelCode, std::int32_t subCode, int preamble);

// The ASCII payload of a data frame: address, count, the data bytes and the checksum, as hex digits.
std::vector<std::uint8_t> DataPayload(std::int32_t address, const std::uint8_t* data, int n);

// A data frame (kData) from the program with `preamble` extra FE bytes in front.
cmcBuff DataFrame(std::int32_t address, const std::uint8_t* data, int n, int preamble);

// The end frame (kDataEnd) carrying the data frame count modulo 256, from `from` to `to`.
cmcBuff EndFrame(int frameCount, std::uint8_t to = kRadio, std::uint8_t from = kProgram);

// Checks an information reply (FD not included) and fills model code, sub code, info and code 0;
// code 6 when it is malformed.
void CheckInfoReply(const cmcBuff& frame, dst_CDrv_Result& result);

// The state a read keeps while frames arrive.
struct ReadProgress {
    std::int32_t imageSize = 1;
    int frameCount = 0;
    int dataBytes = 0;
};

// Checks one frame of a read (FD not included): 1 a data frame was accepted into the result,
// 0 a valid end frame, 6 malformed, 7 end count wrong, 9 addressed outside the image.
int ParseReadFrame(const cmcBuff& frame, ReadProgress& progress, dst_CDrv_Result& result);

// Compares the received bitmap with the ranges asked for: 0 complete, 8 addresses missing,
// 9 addresses outside the ranges.
int CoverageCheck(const std::vector<CloneRange>& ranges, std::int32_t imageSize, cmcBuff& received);

} // namespace cloneframes
