#pragma once

#include "link/ICloneView.h"
#include "link/cmcCloneDrv.h"
#include "link/core/cmcTask.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

class OverlayMessages;

// Runs this radio's clone operations for the main window's commands: configures the driver for the
// cable ("9600,N,8,1", 12 command preamble bytes, no data preamble, echo on, the settings' port),
// hands results to the information and read handlers, reports a failure as the one message of its
// code, and then calls the command's completion, which may start the next operation.
class indCloneMan {
public:
    using Handler = cmcCloneDrv::Handler;
    using PortSource = std::function<int()>;

    indCloneMan(OverlayMessages& messages,
                platform::ISerialDevice& device,
                platform::ITimerSource& timers,
                const platform::IClock& clock);
    ~indCloneMan();
    indCloneMan(const indCloneMan&) = delete;
    indCloneMan& operator=(const indCloneMan&) = delete;

    // Where the COM port number comes from at every start (the settings); port 1 when none.
    void SetPortSource(PortSource source) { m_portSource = std::move(source); }
    // A device chosen by its path rather than by a COM port: the port-failure message then names this
    // path (line 0 of `GI_Mess_CloneErr_Device`) instead of the port number. Empty: the port.
    void SetDeviceName(std::string name) { m_deviceName = std::move(name); }
    // The progress display; none shows nothing. Borrowed.
    void SetView(clonelink::ICloneView* view) { m_view = view; }

    void SetModel(std::int32_t modelCode, std::int32_t subCode) { m_driver.SetModel(modelCode, subCode); }
    void SetImageSize(std::int32_t n) { m_driver.SetImageSize(n); }
    void SetInfoHandler(Handler handler, void* data);
    void SetReadHandler(Handler handler, void* data);

    // Each returns false and does nothing while an operation runs.
    bool CloneInfo(Handler completion, void* data);
    // `viewOp` is the operation the progress display names (clonelink::kCheckRead for the read that
    // checks a write).
    bool CloneRead(const CloneRange* ranges, Handler completion, void* data, int viewOp = clonelink::kRead);
    bool CloneWrite(const cmcEeprom& image, const CloneRange* ranges, Handler completion, void* data);
    bool IsBusy() const { return m_driver.IsBusy(); }

    // A way out of the failures a wrong port causes (the port could not be opened, no echo, no answer):
    // their message offers a button labelled `label`, and when it is pressed `fix` runs once the
    // operation has ended (the main window enabled again, after the completion). None: OK alone.
    void SetPortFix(std::string label, std::function<void()> fix) {
        m_portFixLabel = std::move(label);
        m_portFix = std::move(fix);
    }
    // Whether a failed operation shows its message (on by default). Off, the caller words the failure.
    void SetReportFailures(bool report) { m_reportFailures = report; }
    // The message shown for result code `code`; empty for 0.
    std::string ErrorText(int code);
    // Cells of the 32-cell bar to fill: 33 x data bytes / total bytes, 0 without a total.
    static int FilledCells(int dataBytes, int totalBytes);
    int FilledCells() const { return FilledCells(m_driver.DataBytes(), m_totalBytes); }
    // Seconds left when `done` of `total` bytes moved in `elapsedMs` since the first of them: the pace
    // so far carried on, rounded up; -1 before any byte moved.
    static int SecondsLeft(int done, int total, std::uint32_t elapsedMs);
    // The progress now, for the display.
    clonelink::CloneProgress Progress();

    cmcCloneDrv& Driver() { return m_driver; }
    const platform::IClock& Clock() const { return m_clock; }

private:
    struct Callback {
        Handler handler = nullptr;
        void* data = nullptr;
    };

    void Configure();
    void BeginProgress(int op);
    static void DriverDone(void* data, dst_CDrv_Result& result);
    void OnDriverDone(dst_CDrv_Result& result);
    static void ProgressStep(void* data, cmcTask* task);
    std::string OpenFailureText();

    OverlayMessages& m_messages;
    PortSource m_portSource;
    std::string m_deviceName;
    clonelink::ICloneView* m_view = nullptr;
    Callback m_info;
    Callback m_read;
    Callback m_completion;
    cmcCloneDrv m_driver;
    int m_totalBytes = 0;
    std::uint8_t m_operation = 0;
    bool m_viewOpen = false;
    bool m_reportFailures = true;
    std::string m_portFixLabel;
    std::function<void()> m_portFix;
    const platform::IClock& m_clock;
    std::optional<std::uint32_t> m_firstByteMs; // clock time the first data byte of the operation moved
    cmcTask m_progress;
};
