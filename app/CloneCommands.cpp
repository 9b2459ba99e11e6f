#include "app/CloneCommands.h"

#include "overlay/FormatText.h"
#include "overlay/OverlayMessages.h"
#include "overlay/cmcGTex.h"
#include "platform/Clock.h"

#include <algorithm>
#include <cstdio>

CloneCommands::CloneCommands(indCloneMan& manager, OverlayMessages& messages, ICloneDocument& document)
    : m_manager(manager), m_messages(messages), m_document(document) {
    m_manager.SetInfoHandler(&CloneCommands::InfoHandler, this);
    m_manager.SetReadHandler(&CloneCommands::ReadHandler, this);
    m_manager.SetPortSource([this] { return m_document.ComPort(); });
    m_manager.Driver().Comm().SetPathResolver([this](int port) { return m_document.DevicePath(port); });
}

void CloneCommands::Begin(int op) {
    m_outcome = {};
    m_outcome.op = op;
    m_outcome.ms = m_manager.Clock().NowMs(); // the start until Finish makes it the time taken
}

void CloneCommands::Finish(int code) {
    m_outcome.code = code;
    m_outcome.ms = m_manager.Clock().NowMs() - m_outcome.ms;
    if (m_finished) {
        m_finished(code);
    }
}

void CloneCommands::CloneRead() {
    Begin(clonelink::kRead);
    m_document.CommitPendingInput();
    if (!m_document.AskToSaveChanges() || m_manager.IsBusy()) {
        return Finish(kStopped);
    }
    m_manager.SetModel(kModelCode, kSubCode);
    m_manager.CloneInfo(&Continue<&CloneCommands::AfterReadInfo>, this);
}

void CloneCommands::AfterReadInfo(dst_CDrv_Result& result) {
    if (result.code != clonecode::kSuccess || m_manager.IsBusy()) {
        return Finish(result.code);
    }
    m_manager.SetImageSize(m_document.ImageSize());
    m_manager.CloneRead(kReadRanges, &Continue<&CloneCommands::AfterRead>, this);
}

void CloneCommands::AfterRead(dst_CDrv_Result& result) {
    if (result.code == clonecode::kSuccess) {
        m_outcome.bytes = m_manager.Driver().DataBytes();
        m_document.AdoptReadImage(result.image);
    }
    Finish(result.code);
}

void CloneCommands::CloneWrite() {
    Begin(clonelink::kWrite);
    m_document.CommitPendingInput();
    if (m_document.WarningCheckErrors() > 0) {
        m_messages.Show(m_messages.Overlay().GetLongText("GI_Mess_DataError"),
                        OverlayMessages::Icon::Error,
                        OverlayMessages::Buttons::Ok);
        return Finish(kStoppedDataErrors);
    }
    if (m_manager.IsBusy() || !m_document.MayCloneWrite()) {
        return Finish(kStopped);
    }
    const auto answer = m_messages.Show(m_messages.Overlay().GetLongText("GI_Mess_Confirm_CloneWrite"),
                                        OverlayMessages::Icon::Warning,
                                        OverlayMessages::Buttons::OkCancel);
    if (answer != OverlayMessages::Answer::Ok) {
        return Finish(kStopped);
    }
    m_manager.SetModel(kModelCode, kSubCode);
    m_manager.CloneInfo(&Continue<&CloneCommands::AfterWriteInfo>, this);
}

void CloneCommands::AfterWriteInfo(dst_CDrv_Result& result) {
    if (result.code != clonecode::kSuccess || m_manager.IsBusy()) {
        return Finish(result.code);
    }
    m_manager.SetImageSize(m_document.ImageSize());
    m_document.MergeForWrite();
    m_manager.CloneWrite(m_document.Image(), WriteRanges(), &Continue<&CloneCommands::AfterWrite>, this);
}

const CloneRange* CloneCommands::WriteRanges() const {
    return m_document.IsMakerMode() ? kWriteRangesMaker : kWriteRangesNormal;
}

void CloneCommands::ShowDone(const char* key) {
    std::string text = m_messages.Overlay().GetLongText(key);
    if (const std::string note = m_deviceNote ? m_deviceNote() : std::string(); !note.empty()) {
        text += "\n\n" + note;
    }
    m_messages.Show(text, OverlayMessages::Icon::Information, OverlayMessages::Buttons::Ok);
}

void CloneCommands::AfterWrite(dst_CDrv_Result& result) {
    if (result.code != clonecode::kSuccess) {
        return Finish(result.code);
    }
    m_outcome.bytes = m_manager.Driver().DataBytes();
    m_document.CloseSheet();
    if (!m_document.CheckAfterWrite() || m_manager.IsBusy()) {
        ShowDone("GI_Mess_CloneWrite_Succeeded");
        return Finish(result.code);
    }
    // The check words its own failures: the write itself went through.
    m_checking = true;
    m_manager.SetReportFailures(false);
    m_manager.CloneInfo(&Continue<&CloneCommands::AfterCheckInfo>, this);
}

void CloneCommands::AfterCheckInfo(dst_CDrv_Result& result) {
    if (result.code != clonecode::kSuccess || m_manager.IsBusy()) {
        return NotChecked();
    }
    // The whole memory, as every read asks for it; only the written ranges are compared.
    m_manager.SetImageSize(m_document.ImageSize());
    m_manager.CloneRead(kReadRanges, &Continue<&CloneCommands::AfterCheckRead>, this, clonelink::kCheckRead);
}

void CloneCommands::AfterCheckRead(dst_CDrv_Result& result) {
    if (result.code != clonecode::kSuccess) {
        return NotChecked();
    }
    m_checking = false;
    m_manager.SetReportFailures(true);
    const cmcEeprom& written = m_document.Image();
    for (const CloneRange* range = WriteRanges(); range->last >= range->first; ++range) {
        for (std::int32_t address = range->first; address <= range->last; ++address) {
            if (result.image.GetByte(address) == written.GetByte(address)) {
                continue;
            }
            char hex[8];
            std::snprintf(hex, sizeof hex, "0x%03X", static_cast<unsigned>(address));
            const std::string text = FormatText(m_messages.Overlay().GetLongText("GI_Mess_CloneCheck_Differs"),
                                                {hex, m_document.PlaceOfAddress(address)});
            m_messages.Show(text, OverlayMessages::Icon::Error, OverlayMessages::Buttons::Ok);
            return Finish(clonecode::kCheckDiffers);
        }
    }
    m_outcome.checked = true;
    ShowDone("GI_Mess_CloneWrite_Checked");
    Finish(clonecode::kSuccess);
}

void CloneCommands::NotChecked() {
    m_checking = false;
    m_manager.SetReportFailures(true);
    m_messages.Show(m_messages.Overlay().GetLongText("GI_Mess_CloneCheck_NotDone"),
                    OverlayMessages::Icon::Warning,
                    OverlayMessages::Buttons::Ok);
    Finish(clonecode::kNotChecked);
}

void CloneCommands::CloneInfo() {
    Begin(clonelink::kInfo);
    if (m_manager.IsBusy()) {
        return Finish(kStopped);
    }
    m_manager.SetModel(kModelCode, kSubCode);
    m_manager.CloneInfo(&Continue<&CloneCommands::AfterInfo>, this);
}

void CloneCommands::AfterInfo(dst_CDrv_Result& result) {
    if (result.code == clonecode::kSuccess) {
        m_document.ShowCloneInfo();
    }
    Finish(result.code);
}

void CloneCommands::InfoHandler(void* data, dst_CDrv_Result& result) {
    auto* self = static_cast<CloneCommands*>(data);
    if (result.code != clonecode::kSuccess || result.op != clonelink::kInfo) {
        return;
    }
    if (result.modelCode != kModelCode || result.subCode != kExtraCode) {
        result.code = clonecode::kWrongRadio;
        return;
    }
    // Judged on a copy: the identity shown is the last one of an exchange that ended well, never a
    // part of a refused reply.
    CloneIdentity identity;
    identity.modelCode = static_cast<std::uint16_t>(result.modelCode);
    identity.subCode = static_cast<std::uint16_t>(result.subCode);
    const int count = result.info.Length();
    if (count < static_cast<int>(identity.bytes.size()) || result.info.At(0) != count) {
        result.code = clonecode::kWrongRadio;
        return;
    }
    std::copy_n(result.info.Data(), identity.bytes.size(), identity.bytes.begin());
    if (identity.bytes[2] != 1) {
        result.code = clonecode::kBadIdentity;
        return;
    }
    self->m_identity = identity;
}

void CloneCommands::ReadHandler(void* data, dst_CDrv_Result& result) {
    auto* self = static_cast<CloneCommands*>(data);
    // The read that checks a write is compared with what was sent, not judged as a radio's image.
    if (result.code != clonecode::kSuccess || result.op != clonelink::kRead || self->m_checking) {
        return;
    }
    if (self->m_document.RejectImage(result.image)) {
        result.code = clonecode::kImageRejected;
    } else if (self->m_document.IsNewerImage(result.image)) {
        result.code = clonecode::kImageNewer;
    }
}
