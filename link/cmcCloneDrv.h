#pragma once

#include "image/cmcEeprom.h"
#include "link/CloneFrames.h"
#include "link/CloneResult.h"
#include "link/cmcComm.h"
#include "link/core/cmcBuff.h"
#include "link/core/cmcTask.h"
#include "link/core/cmcTick.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

// The clone protocol driver: the information exchange, the clone read and the clone write, each a
// state machine stepped every 10 ms by its own task. It opens the port at the start of an operation
// and closes it at the end, matches the echo of everything it sends before it listens to the radio,
// and hands a dst_CDrv_Result to the completion handler exactly once. Time-outs run from the last
// progress: 1000 ms, 2000 ms while awaiting the write acknowledgement. There are no retries.
class cmcCloneDrv {
public:
    // Called once per started operation, after the port is closed and the driver is idle, so it may
    // start the next operation. The result is destroyed when it returns.
    using Handler = void (*)(void* data, dst_CDrv_Result& result);
    // The settling wait after the port opens (a real sleep; tests replace it).
    using SettleWait = std::function<void(int ms)>;

    cmcCloneDrv(platform::ISerialDevice& device, platform::ITimerSource& timers, const platform::IClock& clock);
    ~cmcCloneDrv();
    cmcCloneDrv(const cmcCloneDrv&) = delete;
    cmcCloneDrv& operator=(const cmcCloneDrv&) = delete;

    void SetModel(std::int32_t modelCode, std::int32_t subCode);
    void SetImageSize(std::int32_t n);
    void SetPort(int port, std::string_view settings);
    void SetCommandPreamble(int p) { m_commandPreamble = p; }
    void SetDataPreamble(int d) { m_dataPreamble = d; }
    void SetEchoCheck(bool on) { m_echoCheck = on; }
    void SetSettleWait(SettleWait wait) { m_settleWait = std::move(wait); }

    // Each returns false without effect while an operation runs. `ranges` ends with a pair whose last
    // is below its first and is copied; a read without ranges skips the coverage check. A write copies
    // `image` at the start.
    bool StartInfo(Handler handler, void* data);
    bool StartRead(const CloneRange* ranges, Handler handler, void* data);
    bool StartWrite(const cmcEeprom& image, const CloneRange* ranges, Handler handler, void* data);

    bool IsBusy() const { return m_state != 0; }
    // Data bytes accepted (read) or built (write) so far: the progress measure.
    int DataBytes() const { return m_read.dataBytes; }
    int FrameCount() const { return m_read.frameCount; }
    int Port() const { return m_comPort; }
    cmcComm& Comm() { return m_comm; }

    // Bytes from the text's hexadecimal digits (see cloneframes::HexToBytes).
    static cmcBuff HexToBytes(std::string_view text) { return cloneframes::HexToBytes(text); }

private:
    enum State : std::uint8_t {
        kIdle = 0,
        kStart = 2,
        kPrepare,
        kOpen,
        kSendInfo,
        kAwaitInfo,
        kSendRead,
        kReceive,
        kSendWrite,
        kSendData,
        kSendEnd,
        kAwaitAck,
        kDrain,
        kFinish
    };
    struct Step {
        std::uint8_t next;
        bool progress;
    };

    bool Begin(std::uint8_t op, const CloneRange* ranges, Handler handler, void* data);
    static void TaskStep(void* data, cmcTask* task);
    void OnTask();
    void StateStep();
    void RunAction(Step& step);
    void MatchEcho(Step& step, bool& mismatch);
    void OpenPort(Step& step);
    void Send(const cmcBuff& bytes);
    void ReadIntoReceive();
    // An FE starts a new frame; other bytes outside a frame are dropped. True when the byte is used up.
    bool FrameStartOrNoise(int b);
    bool ReceiveFrame(cmcBuff& frame);
    void ReceiveData(Step& step);
    void SendData(Step& step);
    void Finish();

    std::int32_t m_modelCode = 0;
    std::int32_t m_subCode = 0;
    std::int32_t m_imageSize = 1;
    int m_comPort = 1;
    std::string m_settings = "9600,n,8,1";
    int m_commandPreamble = 0;
    int m_dataPreamble = 0;
    std::uint8_t m_op = 0;
    bool m_echoCheck = false;
    cmcComm m_comm;
    cmcBuff m_receive;
    cmcBuff m_frame;
    cmcBuff m_echo;
    std::uint8_t m_scratch[256] = {};
    cloneframes::ReadProgress m_read;
    static constexpr int kBlockSize = 16;
    std::vector<CloneRange> m_ranges; // with its end marker; empty for a read without ranges
    std::size_t m_range = 0;
    std::int32_t m_nextAddress = 0;
    std::unique_ptr<dst_CDrv_Result> m_result;
    Handler m_handler = nullptr;
    void* m_handlerData = nullptr;
    std::uint8_t m_state = kIdle;
    cmcTick m_countdown;
    std::uint32_t m_replyTimeout = 1000;
    std::uint32_t m_ackTimeout = 2000;
    SettleWait m_settleWait;
    cmcTask m_task;
};
