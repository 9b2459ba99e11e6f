#include "app/AppCellDocument.h"

#include "app/cuiMain.h"
#include "overlay/cmcGTex.h"

cmcEeprom& AppCellDocument::CellImage() {
    return m_app.MainImage();
}

IDefinitionSource& AppCellDocument::Texts() {
    return m_app.Definitions();
}

cmcHash2& AppCellDocument::CellTables() {
    return m_app.CellTables();
}

int AppCellDocument::ModelType() {
    return m_app.ModelType();
}

const model::FactoryAdjustments& AppCellDocument::Adjustments() {
    return m_app.FactoryAdjustments();
}

std::span<const std::uint8_t> AppCellDocument::CloneIdentityBytes() {
    return m_app.CloneIdentityBytes();
}

void AppCellDocument::CellAnswered() {
    m_app.ArmWarningCheck();
    m_app.IsModified(); // sets the flag the first time the image differs from the snapshot
    m_app.RecordEdit();
}

cmcClipCh* AppCellDocument::ChannelClipboard() {
    return &m_app.ChannelClipboard();
}

bool AppCellDocument::UsableChannelsOnly() {
    return m_app.UsableChannelsOnly();
}

bool AppCellDocument::Confirm(std::string_view textKey) {
    const std::string text = m_app.Overlay().GetLongText(textKey);
    return m_app.Messages().Show(text, OverlayMessages::Icon::Warning, OverlayMessages::Buttons::OkCancel) ==
           OverlayMessages::Answer::Ok;
}
