#include "cli/CliDocument.h"

#include "image/cmcQcfFile.h"
#include "model/ModelRules.h"
#include "overlay/Messages.h"
#include "overlay/cmcGTex.h"

namespace cli {

namespace {

constexpr cmcQcfRange kCovered[] = {{0x000, model::kLastCloneAddress}};

void Prepare(cmcQcfFile& file, cmcEeprom& image) {
    file.AttachImage(image);
    file.SetModelCodes(model::kModelCode, model::kExtraCode);
    file.SetMapRevision(model::kMapRevision);
    file.SetMapRevisionTest([](std::int32_t revision) { return revision == model::kMapRevision; });
}

} // namespace

CliDocument::CliDocument(cmcMessages& messages, bool makerMode) : m_messages(messages), m_makerMode(makerMode) {
    m_image.SetSize(model::kImageSize);
}

int CliDocument::Open(const std::filesystem::path& path) {
    cmcEeprom loaded = m_image;
    cmcQcfFile file(m_messages);
    Prepare(file, loaded);
    int code = file.Read(path, kCovered);
    if (code == 0 && model::RejectImage(loaded)) {
        code = 8;
    } else if (code == 0 && model::IsNewerImage(loaded)) {
        code = 9;
    }
    if (code != 0) {
        if (code == 8 || code == 9) {
            file.ShowResult(static_cast<std::uint8_t>(code));
        }
        return code;
    }
    m_image = loaded;
    return 0;
}

bool CliDocument::MayCloneWrite() {
    if (!m_makerMode) {
        return true;
    }
    return m_messages.Show(m_messages.Overlay().GetLongText("GI_Mess_Maker_Caution"), cmcMessages::Icon::Warning,
                           cmcMessages::Buttons::OkCancel) == cmcMessages::Answer::Ok;
}

bool CliDocument::RejectImage(const cmcEeprom& image) {
    return model::RejectImage(image);
}

bool CliDocument::IsNewerImage(const cmcEeprom& image) {
    return model::IsNewerImage(image);
}

void CliDocument::AdoptReadImage(const cmcEeprom& image) {
    m_image = image;
    if (m_savePath.empty()) {
        return;
    }
    cmcQcfFile file(m_messages);
    Prepare(file, m_image);
    file.SetComment(model::CloneFileComment(m_image));
    m_saveResult = file.Write(m_savePath, kCovered);
}

void CliDocument::ShowCloneInfo() {
    if (m_showInfo) {
        m_showInfo();
    }
}

} // namespace cli
