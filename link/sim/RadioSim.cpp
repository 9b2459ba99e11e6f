#include "link/sim/RadioSim.h"

#include "link/CloneFrameBytes.h"
#include "model/ImageMap.h"

#include <cstdio>
#include <string>
#include <string_view>

namespace radiosim {

namespace {

using namespace cloneframes;

constexpr std::int32_t kCloneEnd = 0x800; // addresses 0x000 to 0x7FF travel over the cable
constexpr int kFrameBytes = 16;
constexpr int kInfoComment = 3; // the comment's place in the information bytes

void AppendHex(std::vector<std::uint8_t>& out, unsigned value, int digits) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    for (int shift = 4 * (digits - 1); shift >= 0; shift -= 4) {
        out.push_back(static_cast<std::uint8_t>(kDigits[(value >> shift) & 0xF]));
    }
}

std::vector<std::uint8_t> Header(std::uint8_t command) {
    return {kPreamble, kPreamble, kProgram, kRadio, command};
}

int Digit(std::uint8_t c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    return c >= 'A' && c <= 'F' ? c - 'A' + 10 : -1;
}

} // namespace

std::vector<std::uint8_t> DefaultInfo() {
    // count, revision 1.0, marker 1, 16 comment characters, options, battery type, model type
    const std::string_view text("\x16\x10\x01SIMULATED RADIO \x00\x00\x00", 22);
    return {text.begin(), text.end()};
}

std::vector<std::uint8_t> InfoOf(const cmcEeprom& image) {
    std::vector<std::uint8_t> info = DefaultInfo();
    for (int i = 0; i < model::kCommentLength; ++i) {
        info[static_cast<std::size_t>(kInfoComment) + i] = image.GetByte(model::kCommentAddress + i);
    }
    return info;
}

RadioSim::RadioSim(const cmcEeprom& image) : m_image(image) {}

void RadioSim::Receive(const std::uint8_t* bytes, int n) {
    for (int i = 0; i < n; ++i) {
        const std::uint8_t b = bytes[i];
        m_output.push_back(b); // the one-wire cable: the program hears itself first
        if (b == kPreamble) {
            m_frame.assign(1, kPreamble);
        } else if (m_frame.empty()) {
            // noise between frames
        } else if (b == kEnd) {
            OnFrame();
            m_frame.clear();
        } else if (m_frame.size() < 600) {
            m_frame.push_back(b);
        }
    }
}

void RadioSim::OnFrame() {
    if (m_frame.size() < 4 || m_frame[1] != kRadio || m_frame[2] != kProgram) {
        return;
    }
    ++m_framesReceived;
    switch (m_frame[3]) {
    case kInfoRequest:
        ReplyInfo();
        break;
    case kReadRequest:
        ReplyRead();
        break;
    case kWriteRequest:
        m_writing = true;
        m_writeValid = true;
        m_writeFrames = 0;
        m_pending = m_image;
        break;
    case kData:
        TakeData();
        break;
    case kDataEnd:
        EndWrite();
        break;
    default:
        break;
    }
}

void RadioSim::SendRadio(const std::vector<std::uint8_t>& frame) {
    if (m_faults.silent) {
        return;
    }
    for (std::uint8_t b : frame) {
        const long index = m_radioBytes++;
        if (index == m_faults.dropByte) {
            continue;
        }
        if (index == m_faults.corruptByte) {
            b = static_cast<std::uint8_t>(b ^ 0x04);
        }
        m_output.push_back(b);
    }
}

void RadioSim::ReplyInfo() {
    std::vector<std::uint8_t> frame = Header(kInfoReply);
    for (const unsigned word : {m_identity.modelCode, m_identity.subCode}) {
        frame.push_back(static_cast<std::uint8_t>(word >> 8));
        frame.push_back(static_cast<std::uint8_t>(word & 0xFF));
    }
    const std::vector<std::uint8_t> info = m_identity.info.empty() ? InfoOf(m_image) : m_identity.info;
    frame.insert(frame.end(), info.begin(), info.end());
    frame.push_back(kEnd);
    SendRadio(frame);
}

void RadioSim::ReplyRead() {
    int frames = 0;
    for (std::int32_t address = 0; address < kCloneEnd && address < m_image.GetSize(); address += kFrameBytes) {
        const int n = std::min<int>(kFrameBytes, m_image.GetSize() - address);
        std::vector<std::uint8_t> frame = Header(kData);
        AppendHex(frame, static_cast<unsigned>(address), 4);
        AppendHex(frame, static_cast<unsigned>(n), 2);
        auto sum = static_cast<unsigned>((address >> 8) + (address & 0xFF) + n);
        for (int i = 0; i < n; ++i) {
            const std::uint8_t b = m_image.GetByte(address + i);
            AppendHex(frame, b, 2);
            sum += b;
        }
        unsigned check = (0x100 - (sum & 0xFF)) & 0xFF;
        if (m_faults.badChecksum && frames == 0) {
            check = (check + 1) & 0xFF;
        }
        AppendHex(frame, check, 2);
        frame.push_back(kEnd);
        SendRadio(frame);
        ++frames;
    }
    std::vector<std::uint8_t> end = Header(kDataEnd);
    end.insert(end.end(), kMaker.begin(), kMaker.end());
    AppendHex(end, static_cast<unsigned>((frames + (m_faults.badEndCount ? 1 : 0)) % 256), 2);
    end.push_back(kEnd);
    SendRadio(end);
}

void RadioSim::TakeData() {
    if (!m_writing) {
        return;
    }
    // Payload: address (4 digits), count (2), data (2 each), checksum (2), all uppercase hex.
    std::vector<std::uint8_t> bytes;
    const std::size_t chars = m_frame.size() - 4;
    for (std::size_t i = 0; i + 1 < chars; i += 2) {
        const int high = Digit(m_frame[4 + i]);
        const int low = Digit(m_frame[5 + i]);
        if (high < 0 || low < 0) {
            m_writeValid = false;
            return;
        }
        bytes.push_back(static_cast<std::uint8_t>(high << 4 | low));
    }
    unsigned sum = 0;
    for (const std::uint8_t b : bytes) {
        sum += b;
    }
    if (chars % 2 != 0 || bytes.size() < 4 || bytes[2] + 4u != bytes.size() || (sum & 0xFF) != 0) {
        m_writeValid = false;
        return;
    }
    const std::int32_t address = bytes[0] * 256 + bytes[1];
    const int n = bytes[2];
    if (address + n > m_pending.GetSize() || address / kFrameBytes != (address + n - 1) / kFrameBytes) {
        m_writeValid = false;
        return;
    }
    m_pending.WriteBlock(address, bytes.data() + 3, n);
    ++m_writeFrames;
}

void RadioSim::EndWrite() {
    if (!m_writing) {
        return;
    }
    m_writing = false;
    std::string expected(kMaker);
    char count[3];
    std::snprintf(count, sizeof count, "%02X", static_cast<unsigned>(m_writeFrames % 256));
    expected += count;
    const bool countOk = std::string(m_frame.begin() + 4, m_frame.end()) == expected;
    const bool accepted = m_writeValid && countOk && !m_faults.refuseWrite && !m_faults.silent;
    std::vector<std::uint8_t> ack = {
        kPreamble, kPreamble, kProgram, kRadio, kWriteAnswer, accepted ? kWriteAccepted : kWriteRefused, kEnd};
    if (accepted) {
        m_image = m_pending;
        if (m_faults.misstore >= 0 && m_faults.misstore < m_image.GetSize()) {
            const auto at = static_cast<std::int32_t>(m_faults.misstore);
            m_image.SetByte(at, static_cast<std::uint8_t>(~m_image.GetByte(at)));
        }
        ++m_writesAccepted;
        if (m_onWritten) {
            m_onWritten(m_image);
        }
    }
    SendRadio(ack);
}

} // namespace radiosim
