#include "app/ChannelCsvCommands.h"

#include "app/AppCellDocument.h"
#include "app/ImageCellDocument.h"
#include "app/SheetDifferences.h"
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
                              OverlayMessages::Icon::Error,
                              OverlayMessages::Buttons::Ok);
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
    cmcEeprom imported = m_app.MainImage();
    const model::ChannelImportResult result = model::ImportChannelFile(imported, *chosen);
    cmcGTex& texts = m_app.Overlay();
    if (result.problem) {
        m_app.Messages().Show(texts.GetText("GI_Csv_Import_Failed") + "\n" +
                                  model::ChannelCsvMessage(m_app.Definitions(), result.problem),
                              OverlayMessages::Icon::Error,
                              OverlayMessages::Buttons::Ok);
        return kFailed;
    }
    const std::string summary = model::ChannelImportSummary(m_app.Definitions(), result, result.changed == 0);
    if (result.changed == 0) {
        m_app.Messages().Show(summary, OverlayMessages::Icon::Information, OverlayMessages::Buttons::Ok);
        return kDone;
    }
    // The user sees every cell the file changes before the document takes it.
    AppCellDocument current(m_app, m_events);
    ImageCellDocument after(current, imported);
    const std::vector<std::string> changes = SheetDifferences(current, after, false);
    std::string question = summary + "\n\n" + texts.GetText("GI_Csv_Import_Confirm") + "\n";
    for (std::size_t i = 0; i < changes.size() && i < kListedChanges; ++i) {
        question += changes[i] + "\n";
    }
    if (changes.size() > kListedChanges) {
        question += CountText(m_app.Definitions(),
                              "GI_Csv_Import_More",
                              static_cast<long long>(changes.size() - kListedChanges)) +
                    "\n";
    }
    question += "\n" + texts.GetText("GI_Csv_Import_Apply");
    if (m_app.Messages().Show(question, OverlayMessages::Icon::Question, OverlayMessages::Buttons::OkCancel) !=
        OverlayMessages::Answer::Ok) {
        return kCancelled;
    }
    m_app.MainImage() = imported;
    m_app.SetModified();
    m_app.RecordEdit();
    m_app.ArmWarningCheck();
    // The open sheet is built again from the changed image at its remembered position.
    m_app.CloseCurrentSheet();
    m_events.Send(kEvImageChanged);
    m_app.ShowResultLine(8, {chosen->string(), CountText(m_app.Definitions(), "GI_Csv_Rows_Changed", result.changed)});
    return kDone;
}
