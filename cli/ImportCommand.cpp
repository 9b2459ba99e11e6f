// vqn58-cli import FILE CSV: takes the channel lines of CSV into the clone file FILE and saves it; a
// refused line saves nothing.

#include "CliApp.h"
#include "CliCells.h"
#include "SignalGuard.h"
#include "model/ChannelImport.h"
#include "overlay/FormatText.h"
#include "overlay/Messages.h"

#include <cstdio>

namespace cli {

int RunImport(CliContext& context) {
    if (context.args.size() != 2) {
        std::fprintf(stderr, "vqn58-cli: import needs a FILE and a CSV\nTry 'vqn58-cli --help'.\n");
        return kExitUsage;
    }
    CliApp cli(context);
    indMain& app = cli.App();
    app.BuildDocument();
    if (const int result = app.OpenFile(context.args[0]); result != 0) {
        return CliApp::ExitStatus(result);
    }
    cmcGTex& texts = app.Overlay();
    const model::ChannelImportResult imported = model::ImportChannelFile(app.MainImage(), context.args[1]);
    if (imported.problem) {
        const std::string message = texts.GetText("GI_Csv_Import_Failed") + "\n" +
                                    model::ChannelCsvMessage(app.Definitions(), imported.problem);
        app.Messages().Show(message, cmcMessages::Icon::Error, cmcMessages::Buttons::Ok);
        return imported.problem.key == model::kCsvCannotRead ? kExitUsage : kExitRefused;
    }
    app.SetModified();
    if (const int status = SignalGuard::SaveUnlessSignalled([&app] { return CliApp::ExitStatus(app.Save()); });
        status != kExitOk) {
        return status;
    }
    const std::string done = FormatText(texts.GetText("GI_Csv_Import_Done"),
                                        {std::to_string(imported.rows), std::to_string(imported.changed)});
    app.Messages().Show(done, cmcMessages::Icon::Information, cmcMessages::Buttons::Ok);
    return kExitOk;
}

} // namespace cli
