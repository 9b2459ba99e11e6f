// vqn58-cli check FILE: opens a clone file exactly as the desktop program's Open does, then runs the
// document's warning check, which a clone write must pass.

#include "CliApp.h"
#include "app/CsvField.h"
#include "overlay/OverlayMessages.h"
#include "overlay/cmcGTex.h"

#include <cstdio>

namespace cli {

namespace {

// One line per cell in error of a failed check: sheet,row,column,check (rows and columns as `show`
// counts them; a check whose sheet shows no cell in error gets empty row and column). False when
// standard output could not be written.
bool ListCellsInError(indMain& app, const WarningCheckResult& result) {
    for (const FailedCheck& check : result.failed) {
        if (!check.error) {
            continue;
        }
        const std::string text = CsvField(check.text);
        const std::vector<CellInError> cells = app.CellsInError(check.sheet);
        if (cells.empty()) {
            std::printf("%s,,,%s\n", check.sheet.c_str(), text.c_str());
        }
        for (const CellInError& cell : cells) {
            std::printf("%s,%d,%d,%s\n", check.sheet.c_str(), cell.row, cell.column, text.c_str());
        }
    }
    return std::fflush(stdout) == 0;
}

} // namespace

int RunCheck(CliContext& context) {
    if (context.args.size() != 1) {
        std::fprintf(stderr, "vqn58-cli: check needs exactly one FILE\nTry 'vqn58-cli --help'.\n");
        return kExitUsage;
    }
    CliApp cli(context);
    cli.About(context.args[0]);
    indMain& app = cli.App();
    // The start-up document first: Open merges the file with the factory data of its model type.
    app.BuildDocument();
    if (const int code = app.OpenFile(context.args[0]); code != 0) {
        return CliApp::ExitStatus(code);
    }
    const WarningCheckResult result = app.RunWarningCheck();
    if (result.errors == 0) {
        return kExitOk;
    }
    // The message a clone write of this file would show, then where the cells in error are.
    app.Messages().Show(
        app.Overlay().GetLongText("GI_Mess_DataError"), OverlayMessages::Icon::Error, OverlayMessages::Buttons::Ok);
    if (!ListCellsInError(app, result)) {
        std::fprintf(stderr, "vqn58-cli: cannot write the cells in error\n");
        return kExitOutput;
    }
    return kExitRefused;
}

} // namespace cli
