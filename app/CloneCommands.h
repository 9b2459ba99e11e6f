#pragma once

#include "app/ICloneDocument.h"
#include "link/indCloneMan.h"
#include "model/ModelRules.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string>

class OverlayMessages;

// What the radio last said about itself, shown by the information sheet.
struct CloneIdentity {
    std::uint16_t modelCode = 0;
    std::uint16_t subCode = 0;
    std::array<std::uint8_t, 22> bytes{}; // the first 22 information bytes of the reply
};

// The three radio commands of the main window: clone read, clone write and clone information, each a
// chain of clone manager operations that starts with an information exchange proving the right radio
// is attached. Also the information and read handlers that judge the radio's replies. A chain stops at
// the first failure, whose message the manager has already shown. Unless the document says otherwise,
// a write is followed by an information exchange and a read of the written ranges, compared byte by
// byte with what was sent (kCheckDiffers, kNotChecked).
class CloneCommands {
public:
    // Model constants of this radio, and the model's ranges as the clone manager takes them.
    static constexpr std::int32_t kModelCode = static_cast<std::int32_t>(model::kModelCode);
    static constexpr std::int32_t kSubCode = 0;
    static constexpr std::int32_t kExtraCode = static_cast<std::int32_t>(model::kExtraCode);
    static constexpr CloneRange kReadRanges[] = {{model::kCoveredRanges[0].first, model::kCoveredRanges[0].last},
                                                 {1, 0}};
    static constexpr CloneRange kWriteRangesNormal[] = {
        {model::kWriteRangesNormal[0].first, model::kWriteRangesNormal[0].last}, {1, 0}};
    static constexpr CloneRange kWriteRangesMaker[] = {
        {model::kWriteRangesMaker[0].first, model::kWriteRangesMaker[0].last}, {1, 0}};

    // Installs the handlers, the settings' COM port and the document's device path of a port in
    // `manager`; every reference must outlive this object.
    CloneCommands(indCloneMan& manager, OverlayMessages& messages, ICloneDocument& document);

    void CloneRead();
    void CloneWrite();
    void CloneInfo();

    // Codes of a chain stopped before the radio was asked.
    static constexpr int kStopped = -1;           // by the user (a question), or the line was busy
    static constexpr int kStoppedDataErrors = -2; // a write refused: the warning check found cells in error

    // Called once when a chain ends, with 0, the clone result code that stopped it, or kStopped or
    // kStoppedDataErrors.
    void OnFinished(std::function<void(int code)> finished) { m_finished = std::move(finished); }

    // A text added to the messages that end a clone operation (the simulated radio says it is one); the
    // function is asked each time, empty adds nothing.
    void SetDeviceNote(std::function<std::string()> note) { m_deviceNote = std::move(note); }

    // How the last chain ended, for a line that says what happened.
    struct Outcome {
        int op = 0;           // clonelink::kInfo, kRead or kWrite
        int code = 0;         // as OnFinished gave it
        int bytes = 0;        // data bytes read or written (0 when the chain stopped before)
        std::uint32_t ms = 0; // from the start of the chain to its end
        bool checked = false; // a write that was read back and found as written
    };
    const Outcome& LastOutcome() const { return m_outcome; }

    // The identity of the last information exchange that ended with code 0 (all zero before one did).
    const CloneIdentity& Identity() const { return m_identity; }

    // The handlers, public for the manager's function-pointer interface.
    static void InfoHandler(void* data, dst_CDrv_Result& result);
    static void ReadHandler(void* data, dst_CDrv_Result& result);

private:
    template <void (CloneCommands::*Method)(dst_CDrv_Result&)>
    static void Continue(void* data, dst_CDrv_Result& result) {
        (static_cast<CloneCommands*>(data)->*Method)(result);
    }
    void AfterReadInfo(dst_CDrv_Result& result);
    void AfterRead(dst_CDrv_Result& result);
    void AfterWriteInfo(dst_CDrv_Result& result);
    void AfterWrite(dst_CDrv_Result& result);
    void AfterCheckInfo(dst_CDrv_Result& result);
    void AfterCheckRead(dst_CDrv_Result& result);
    // The write went through but its check did not: says so and ends with kNotChecked.
    void NotChecked();
    // Shows the overlay message `key` as information, with the device note after it.
    void ShowDone(const char* key);
    const CloneRange* WriteRanges() const;
    void AfterInfo(dst_CDrv_Result& result);
    void Finish(int code);

    indCloneMan& m_manager;
    OverlayMessages& m_messages;
    ICloneDocument& m_document;
    CloneIdentity m_identity;
    std::function<void(int)> m_finished;
    std::function<std::string()> m_deviceNote;
    bool m_checking = false; // the read under way checks a write: the image is compared, not adopted
    Outcome m_outcome;
    void Begin(int op);
};
