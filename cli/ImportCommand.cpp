// vqn58-cli import FILE CSV [--dry-run]: takes the channel lines of CSV into the clone file FILE and
// saves it; a refused line saves nothing. A dry run lists what would change and saves nothing.

#include "CliCells.h"
#include "SignalGuard.h"
#include "app/ImageCellDocument.h"
#include "app/SheetDifferences.h"
#include "model/ChannelImport.h"
#include "overlay/OverlayMessages.h"

#include <cstdio>

namespace cli {

int RunImport(CliContext& context) {
    std::vector<std::string> args;
    bool dryRun = false;
    for (const std::string& arg : context.args) {
        if (arg == "--dry-run") {
            dryRun = true;
        } else {
            args.push_back(arg);
        }
    }
    if (args.size() != 2) {
        std::fprintf(stderr, "vqn58-cli: import needs a FILE and a CSV\nTry 'vqn58-cli --help'.\n");
        return kExitUsage;
    }
    CliCells cells(context);
    if (const int status = cells.Open(args[0]); status != kExitOk) {
        return status;
    }
    indMain& app = cells.App().App();
    // A problem of the channel list is about the list; the outcome is about FILE.
    cells.App().About(args[1]);
    cmcEeprom imported = app.MainImage();
    const model::ChannelImportResult result = model::ImportChannelFile(imported, args[1]);
    if (result.problem) {
        const std::string message = app.Overlay().GetText("GI_Csv_Import_Failed") + "\n" +
                                    model::ChannelCsvMessage(app.Definitions(), result.problem);
        app.Messages().Show(message, OverlayMessages::Icon::Error, OverlayMessages::Buttons::Ok);
        return result.problem.key == model::kCsvCannotRead ? kExitUsage : kExitRefused;
    }
    cells.App().About(args[0]);
    if (dryRun) {
        // What the import would change, as diff prints it, and nothing saved.
        ImageCellDocument after(cells.Document(), imported);
        for (const std::string& line : SheetDifferences(cells.Document(), after, false)) {
            std::printf("%s\n", line.c_str());
        }
        if (std::fflush(stdout) != 0) {
            std::fprintf(stderr, "%scannot write the changes\n", cells.App().MessagePrefix().c_str());
            return kExitOutput;
        }
        app.Messages().Show(model::ChannelImportSummary(app.Definitions(), result, false) + " " +
                                app.Overlay().GetText("GI_Csv_DryRun_Done"),
                            OverlayMessages::Icon::Information,
                            OverlayMessages::Buttons::Ok);
        return kExitOk;
    }
    app.MainImage() = imported;
    app.SetModified();
    if (const int status = SignalGuard::SaveUnlessSignalled([&cells] { return cells.Save(); }); status != kExitOk) {
        return status;
    }
    app.Messages().Show(model::ChannelImportSummary(app.Definitions(), result, true),
                        OverlayMessages::Icon::Information,
                        OverlayMessages::Buttons::Ok);
    return kExitOk;
}

} // namespace cli
