#pragma once

#include "image/cmcEeprom.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <vector>

// The simulated radio: the clone protocol as the radio speaks it, without any I/O. Bytes the program
// sends go in through Receive; everything the wire carries back (the echo of every byte, then the
// radio's replies) comes out of Output in order. Faults are injected on request.
namespace radiosim {

struct Faults {
    bool silent = false;      // the radio never answers (the cable still echoes)
    long corruptByte = -1;    // the radio's own output byte with this index (from 0) is altered
    long dropByte = -1;       // the radio's own output byte with this index is never sent
    bool badChecksum = false; // the first data frame of a read carries a wrong checksum
    bool badEndCount = false; // the end frame of a read counts one frame too many
    bool refuseWrite = false; // a write is answered with a refusal
    long hangUpAfter = -1;    // the line goes dead after this many bytes on the wire (echo included)
    long misstore = -1;       // an accepted write keeps the byte at this address with its bits inverted,
                              // as a failing memory cell would (the acknowledgement says nothing of it)
};

struct Identity {
    std::uint16_t modelCode = 0x2691;
    std::uint16_t subCode = 0x0001;
    std::vector<std::uint8_t> info; // information bytes of the reply; empty: InfoOf(the memory)
};

// 22 information bytes: count 22, revision 1.0, marker 1, a comment, options, battery, model type 0.
std::vector<std::uint8_t> DefaultInfo();

// DefaultInfo with the clone comment that `image` holds, as the radio reports the memory it has.
std::vector<std::uint8_t> InfoOf(const cmcEeprom& image);

class RadioSim {
public:
    explicit RadioSim(const cmcEeprom& image);

    void SetFaults(const Faults& faults) { m_faults = faults; }
    void SetIdentity(const Identity& identity) { m_identity = identity; }
    // Called with the new memory after every accepted write.
    void OnWritten(std::function<void(const cmcEeprom&)> handler) { m_onWritten = std::move(handler); }

    // The program's bytes arrive on the wire.
    void Receive(const std::uint8_t* bytes, int n);
    // Bytes waiting to go out on the wire, oldest first.
    std::deque<std::uint8_t>& Output() { return m_output; }

    const cmcEeprom& Image() const { return m_image; }
    const Faults& GetFaults() const { return m_faults; }
    int WritesAccepted() const { return m_writesAccepted; }
    int FramesReceived() const { return m_framesReceived; }

private:
    void OnFrame();
    void SendRadio(const std::vector<std::uint8_t>& frame);
    void ReplyInfo();
    void ReplyRead();
    void TakeData();
    void EndWrite();

    cmcEeprom m_image;
    cmcEeprom m_pending;
    Faults m_faults;
    Identity m_identity;
    std::function<void(const cmcEeprom&)> m_onWritten;
    std::deque<std::uint8_t> m_output;
    std::vector<std::uint8_t> m_frame;
    long m_radioBytes = 0;
    bool m_writing = false;
    bool m_writeValid = false;
    int m_writeFrames = 0;
    int m_writesAccepted = 0;
    int m_framesReceived = 0;
};

} // namespace radiosim
