#pragma once

#include <QPageSize>
#include <optional>
#include <string>

// vqn58 --print-pdf OUT.pdf [--sheet KEY | --all] [--usable] [--paper a4|letter] [FILE]: prints FILE
// (or the factory data of model type 0) to the PDF file OUT through the window's printing code, without
// showing a window or asking anything. --sheet prints one sheet (KEY as the tree names it,
// "key[,parameter]"); --all, the default, prints every sheet of the tree in tree order. --usable prints
// the channel lists as the usable-channels-only view shows them. Pages are A4 or US Letter (by default
// the one the locale's measurement system uses), without printer margins (the overlay's margins apply).
// The PDF file's title is the sheet's title, or FILE's name for all sheets; its creator the program and
// its version.
struct PrintPdfRequest {
    enum class Paper { A4, Letter };
    std::string output;
    std::optional<std::string> sheet; // none: every sheet of the tree
    std::string file;                 // empty: the factory data
    bool usableOnly = false;
    std::optional<Paper> paper; // none: from the locale
};

// The paper of `request`: the one asked for, else US Letter where the locale measures in the US
// customary system, else A4.
QPageSize PrintPdfPaper(const PrintPdfRequest& request);

// Keeps Qt's own messages (warnings of the platform, a painter that could not begin) off the terminal
// from now on; only a fatal one is shown, after the program's name. Called before the QApplication is
// made, whose start-up warns too.
void QuietQtMessages();

// Runs the command on the QApplication that exists already (the offscreen platform) and returns the
// exit status: 0 printed; 1 FILE could not be opened, OUT could not be written, the page has no room or
// nothing was printable; 2 a sheet the overlay does not define, or an OUT that must not be written:
// FILE itself (under any name), a name ending in ".qcf", or an existing file that is no PDF file (the
// command line's usage errors are found before, by ReadCommandLine). Each failure has a message on
// standard error that starts with the program's name and the file it is about ("vqn58: OUT.pdf: ...")
// and leaves OUT as it was: the PDF file is written beside OUT and renamed over it only when complete.
// Qt's own warnings are not shown; the program's message says what failed.
int RunPrintPdf(const PrintPdfRequest& request);
