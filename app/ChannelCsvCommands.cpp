#include "app/ChannelCsvCommands.h"

#include "app/cuiMain.h"
#include "events/EventNumbers.h"
#include "events/cmcEvMan.h"
#include "model/ChannelExport.h"
#include "model/ChannelImport.h"
#include "overlay/FormatText.h"
#include "overlay/cmcGTex.h"
#include "platform/AtomicFile.h"

namespace {

platform::FileDialogSetup CsvDialog(cuiMain& app, bool save) {
    platform::FileDialogSetup setup;
    setup.defaultExtension = app.Overlay().GetLine("GI_Csv_Dialog", 0);
    setup.filter = app.Overlay().GetLine("GI_Csv_Dialog", 1);
    setup.directory = app.LastDirectory();
    if (save) {
        setup.fileName = std::filesystem::path(app.DisplayName()).stem().string() + "." + setup.defaultExtension;
    }
    return setup;
}

} // namespace

int ChannelCsvCommands::Export() {
    m_events.Send(kEvCommitInput);
    const auto chosen = m_app.FileDialogs().GetSaveFileName(CsvDialog(m_app, true));
    if (!chosen) {
        return kCancelled;
    }
    const std::string text = model::ExportChannels(m_app.MainImage());
    platform::AtomicFile file;
    if (!file.Open(*chosen) || !file.Write(text) || !file.Commit()) {
        m_app.Messages().Show(FormatText(m_app.Overlay().GetLongText("GI_Csv_Export_Failed"), {chosen->string()}),
                              cmcMessages::Icon::Error,
                              cmcMessages::Buttons::Ok);
        return kFailed;
    }
    return kDone;
}

int ChannelCsvCommands::Import() {
    m_events.Send(kEvCommitInput);
    const auto chosen = m_app.FileDialogs().GetOpenFileName(CsvDialog(m_app, false));
    if (!chosen) {
        return kCancelled;
    }
    const model::ChannelImportResult imported = model::ImportChannelFile(m_app.MainImage(), *chosen);
    cmcGTex& texts = m_app.Overlay();
    if (imported.problem) {
        m_app.Messages().Show(texts.GetText("GI_Csv_Import_Failed") + "\n" +
                                  model::ChannelCsvMessage(m_app.Definitions(), imported.problem),
                              cmcMessages::Icon::Error,
                              cmcMessages::Buttons::Ok);
        return kFailed;
    }
    if (imported.changed > 0) {
        m_app.SetModified();
        m_app.RecordEdit();
        m_app.ArmWarningCheck();
        // The open sheet is built again from the changed image at its remembered position.
        m_app.CloseCurrentSheet();
        m_events.Send(kEvImageChanged);
    }
    m_app.Messages().Show(FormatText(texts.GetText("GI_Csv_Import_Done"),
                                     {std::to_string(imported.rows), std::to_string(imported.changed)}),
                          cmcMessages::Icon::Information,
                          cmcMessages::Buttons::Ok);
    m_app.ShowResultLine(8, {std::to_string(imported.rows), chosen->string()});
    return kDone;
}
