#include "link/cmcCloneDrv.h"

#include "platform/Clock.h"

#include <algorithm>

namespace {

constexpr int kReadChunk = 256;
constexpr int kFlushLimit = 65535;
constexpr int kSettleMs = 100;
constexpr int kCompactAbove = 4096;
// While sending data the echo may trail by this many bytes before the driver holds back.
constexpr int kDataEchoWindow = 128;
constexpr int kFramesPerStep = 8;
// A frame under assembly never grows past this; the radio's longest frame is far shorter.
constexpr int kMaxFrame = 520;

} // namespace

cmcCloneDrv::cmcCloneDrv(platform::ISerialDevice& device, platform::ITimerSource& timers, const platform::IClock& clock)
    : m_comm(device, timers), m_countdown(clock), m_settleWait(platform::SleepMs), m_task(timers) {
    m_task.SetStep(&cmcCloneDrv::TaskStep, this);
}

cmcCloneDrv::~cmcCloneDrv() {
    m_task.Stop();
    m_comm.Close();
}

void cmcCloneDrv::SetModel(std::int32_t modelCode, std::int32_t subCode) {
    m_modelCode = modelCode;
    m_subCode = subCode;
}

void cmcCloneDrv::SetImageSize(std::int32_t n) {
    m_imageSize = n;
}

void cmcCloneDrv::SetPort(int port, std::string_view settings) {
    m_comPort = port;
    m_settings = std::string(settings);
}

bool cmcCloneDrv::StartInfo(Handler handler, void* data) {
    return Begin(clonelink::kInfo, nullptr, handler, data);
}

bool cmcCloneDrv::StartRead(const CloneRange* ranges, Handler handler, void* data) {
    return Begin(clonelink::kRead, ranges, handler, data);
}

bool cmcCloneDrv::StartWrite(const cmcEeprom& image, const CloneRange* ranges, Handler handler, void* data) {
    if (ranges == nullptr || !Begin(clonelink::kWrite, ranges, handler, data)) {
        return false;
    }
    m_nextAddress = m_ranges.front().first;
    // Later edits of the document must not change what is sent.
    const std::int32_t n = std::min(image.GetSize(), m_result->image.GetSize());
    if (n > 0) {
        m_result->image.WriteBlock(0, image.Data(), n);
    }
    return true;
}

bool cmcCloneDrv::Begin(std::uint8_t op, const CloneRange* ranges, Handler handler, void* data) {
    if (IsBusy()) {
        return false;
    }
    m_handler = handler;
    m_handlerData = data;
    // Nothing of an earlier operation carries over: a failed one may have left its unmatched echo, a
    // half frame or unread replies behind, and a completion handler starts the next one at once.
    m_receive.Clear();
    m_frame.Clear();
    m_echo.Clear();
    m_read = {m_imageSize, 0, 0};
    m_op = op;
    m_state = kStart;
    m_ranges.clear();
    m_range = 0;
    if (ranges != nullptr) {
        for (const CloneRange* r = ranges;; ++r) {
            m_ranges.push_back(*r);
            if (r->last < r->first) {
                break;
            }
        }
    }
    m_result = std::make_unique<dst_CDrv_Result>();
    m_result->op = op;
    m_result->code = clonecode::kPortFailed;
    m_result->modelCode = m_modelCode;
    m_result->subCode = m_subCode;
    m_result->image.SetSize(m_imageSize);
    m_task.SetPeriod(10);
    return true;
}

void cmcCloneDrv::TaskStep(void* data, cmcTask* /*task*/) {
    static_cast<cmcCloneDrv*>(data)->OnTask();
}

void cmcCloneDrv::OnTask() {
    if (m_state != kIdle) {
        StateStep();
    }
    if (m_state != kIdle && m_comm.WriteFailed()) {
        m_result->code = clonecode::kShortWrite;
        m_state = kFinish;
    }
    if (m_state == kFinish) {
        Finish();
    }
    if (m_state == kIdle) {
        m_task.SetPeriod(-1);
    }
}

void cmcCloneDrv::Finish() {
    m_comm.Close();
    m_state = kIdle;
    std::unique_ptr<dst_CDrv_Result> result = std::move(m_result);
    if (m_handler != nullptr) {
        // Forgotten first: the handler may start the next operation.
        const Handler handler = m_handler;
        void* data = m_handlerData;
        m_handler = nullptr;
        m_handlerData = nullptr;
        handler(data, *result);
    }
    result.reset();
    if (m_state == kIdle) {
        m_receive.Clear();
        m_frame.Clear();
        m_echo.Clear();
    }
}

void cmcCloneDrv::StateStep() {
    Step step{static_cast<std::uint8_t>(m_state + 1), true};
    const bool timedOut = m_countdown.Remaining() == 0;
    bool mismatch = false;
    if (!m_echoCheck) {
        m_echo.Clear();
    } else if (m_state != kDrain && m_echo.Length() > 0) {
        MatchEcho(step, mismatch);
    }
    if (!mismatch) {
        // The drain never holds: after a failure the echo of the bytes sent may never come.
        const int hold = m_state == kSendData ? kDataEchoWindow : 0;
        if (m_state != kDrain && m_echo.Length() > hold) {
            step.next = m_state;
        } else {
            RunAction(step);
        }
    }
    if (step.next != m_state) {
        step.progress = true;
    }
    if (step.progress) {
        m_countdown.Start(step.next == kAwaitAck ? m_ackTimeout : m_replyTimeout);
    } else if (timedOut) {
        m_result->code = m_echoCheck && m_echo.Length() > 0 ? clonecode::kEchoFailed : clonecode::kNoReply;
        // A drain that cannot empty the output in time gives up rather than wait for ever.
        step.next = m_state == kDrain ? kFinish : kDrain;
    }
    if (m_receive.Length() > kCompactAbove) {
        m_receive.Compact();
    }
    if (m_echo.Length() > kCompactAbove) {
        m_echo.Compact();
    }
    m_state = step.next;
}

void cmcCloneDrv::MatchEcho(Step& step, bool& mismatch) {
    ReadIntoReceive();
    step.progress = false;
    while (m_receive.Length() > 0 && m_echo.Length() > 0) {
        if (m_receive.At(0) != m_echo.At(0)) {
            m_result->code = clonecode::kEchoFailed;
            step.next = kDrain;
            mismatch = true;
            return;
        }
        m_receive.PopFront();
        m_echo.PopFront();
        step.progress = true;
    }
    if (m_echo.Length() == 0) {
        m_echo.Clear();
    }
}

void cmcCloneDrv::RunAction(Step& step) {
    switch (m_state) {
    case kPrepare:
        step.progress = false;
        if (m_comm.PendingOut() > 0) {
            step.next = kPrepare;
            step.progress = true;
        }
        break;
    case kOpen:
        OpenPort(step);
        break;
    case kSendInfo:
    case kSendRead:
    case kSendWrite: {
        const std::uint8_t command = m_state == kSendInfo   ? cloneframes::kInfoRequest
                                     : m_state == kSendRead ? cloneframes::kReadRequest
                                                            : cloneframes::kWriteRequest;
        Send(cloneframes::RequestFrame(command, m_modelCode, m_subCode, m_commandPreamble));
        m_frame.Clear();
        break;
    }
    case kAwaitInfo: {
        step.next = kAwaitInfo;
        step.progress = false;
        cmcBuff frame;
        if (ReceiveFrame(frame)) {
            cloneframes::CheckInfoReply(frame, *m_result);
            step.progress = m_result->code == clonecode::kSuccess;
            step.next = kDrain;
        }
        break;
    }
    case kReceive:
        step.next = kReceive;
        step.progress = false;
        ReceiveData(step);
        break;
    case kSendData:
        step.next = kSendData;
        step.progress = false;
        SendData(step);
        break;
    case kSendEnd:
        Send(cloneframes::EndFrame(m_read.frameCount));
        break;
    case kAwaitAck: {
        step.next = kAwaitAck;
        step.progress = false;
        cmcBuff frame;
        if (ReceiveFrame(frame)) {
            static constexpr std::uint8_t kAccepted[] = {cloneframes::kPreamble,
                                                         cloneframes::kProgram,
                                                         cloneframes::kRadio,
                                                         cloneframes::kWriteAnswer,
                                                         cloneframes::kWriteAccepted};
            const bool accepted = frame.Length() == 5 && std::equal(kAccepted, kAccepted + 5, frame.Data());
            m_result->code = accepted ? clonecode::kSuccess : clonecode::kWriteRefused;
            step.next = kDrain;
        }
        break;
    }
    case kDrain:
        step.progress = false;
        if (m_comm.PendingOut() > 0) {
            step.next = kDrain;
        } else {
            step.next = kFinish;
            step.progress = true;
        }
        break;
    default:
        break;
    }
}

void cmcCloneDrv::OpenPort(Step& step) {
    m_comm.Close();
    if (!m_comm.Open(m_comPort, m_settings)) {
        m_result->code = clonecode::kPortFailed;
        step.next = kDrain;
        return;
    }
    // Let the line settle, then throw away whatever the cable picked up before.
    m_settleWait(kSettleMs);
    std::uint8_t byte = 0;
    for (int discarded = 0; discarded < kFlushLimit && m_comm.Read(&byte, 1) == 1; ++discarded) {
    }
    step.next = m_op == clonelink::kInfo ? kSendInfo : m_op == clonelink::kRead ? kSendRead : kSendWrite;
}

void cmcCloneDrv::Send(const cmcBuff& bytes) {
    m_comm.Write(bytes.Data(), bytes.Length());
    m_echo.AppendBuff(bytes);
}

void cmcCloneDrv::ReadIntoReceive() {
    const int n = m_comm.Read(m_scratch, kReadChunk);
    if (n > 0) {
        m_receive.Append(m_scratch, n);
    }
}

bool cmcCloneDrv::FrameStartOrNoise(int b) {
    if (b == cloneframes::kPreamble) {
        m_frame.Clear();
        m_frame.AppendByte(cloneframes::kPreamble);
        return true;
    }
    return m_frame.Length() == 0; // noise between frames is dropped
}

bool cmcCloneDrv::ReceiveFrame(cmcBuff& frame) {
    ReadIntoReceive();
    bool found = false;
    for (int b = m_receive.PopFront(); b >= 0; b = m_receive.PopFront()) {
        if (FrameStartOrNoise(b)) {
            continue;
        }
        if (b == cloneframes::kEnd) {
            // Of several complete frames the last one counts.
            frame.AssignBuff(m_frame);
            m_frame.Clear();
            found = true;
        } else if (m_frame.Length() > kMaxFrame) {
            m_frame.Clear();
            frame.Clear();
            frame.AppendByte(0x00); // a candidate every check refuses
            return true;
        } else {
            m_frame.AppendByte(static_cast<std::uint8_t>(b));
        }
    }
    return found;
}

void cmcCloneDrv::ReceiveData(Step& step) {
    ReadIntoReceive();
    for (int b = m_receive.PopFront(); b >= 0; b = m_receive.PopFront()) {
        if (FrameStartOrNoise(b)) {
            continue;
        }
        if (b == cloneframes::kEnd) {
            const int parsed = cloneframes::ParseReadFrame(m_frame, m_read, *m_result);
            if (parsed == clonecode::kFrameAccepted) {
                ++m_read.frameCount;
                step.progress = true;
                m_frame.Clear();
                continue;
            }
            m_result->code = static_cast<std::uint8_t>(parsed);
            if (parsed == clonecode::kSuccess && !m_ranges.empty()) {
                m_result->code =
                    static_cast<std::uint8_t>(cloneframes::CoverageCheck(m_ranges, m_imageSize, m_result->received));
            }
            step.next = kDrain;
            return;
        } else {
            m_frame.AppendByte(static_cast<std::uint8_t>(b));
            if (m_frame.Length() > kMaxFrame + 1) {
                m_result->code = clonecode::kBadFrame;
                step.next = kDrain;
                return;
            }
        }
    }
}

void cmcCloneDrv::SendData(Step& step) {
    for (int pass = 0; pass < kFramesPerStep; ++pass) {
        const CloneRange& range = m_ranges[m_range];
        bool last = false;
        if (range.last < range.first) {
            if (m_comm.PendingOut() == 0 && m_frame.Length() == 0) {
                step.next = kSendEnd;
            }
            last = true;
        } else if (range.last < m_nextAddress) {
            ++m_range;
            m_nextAddress = m_ranges[m_range].first;
        } else {
            const int n = std::min(kBlockSize - m_nextAddress % kBlockSize, range.last - m_nextAddress + 1);
            std::uint8_t data[kBlockSize];
            for (int i = 0; i < n; ++i) {
                data[i] = m_result->image.GetByte(m_nextAddress + i);
            }
            m_frame.AppendBuff(cloneframes::DataFrame(m_nextAddress, data, n, m_dataPreamble));
            ++m_read.frameCount;
            m_nextAddress += n;
            m_read.dataBytes += n;
        }
        const int c = m_frame.Length();
        if (step.next != m_state || c == 0 || m_comm.PendingOut() > 4 * c) {
            return; // anything built waits in the frame buffer for a later step
        }
        Send(m_frame);
        m_frame.Clear();
        step.progress = true;
        if (last) {
            return;
        }
    }
}
