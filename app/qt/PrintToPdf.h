#pragma once

#include <optional>
#include <string>
#include <vector>

// vqn58 --print-pdf OUT.pdf [--sheet KEY | --all] [FILE]: prints FILE (or the factory data of model
// type 0) to the PDF file OUT through the window's printing code, without showing a window or asking
// anything. --sheet prints one sheet (KEY as the tree names it, "key[,parameter]"); --all, the default,
// prints every sheet of the tree in tree order. A4 pages without printer margins (the overlay's
// margins apply).
struct PrintPdfRequest {
    std::string output;
    std::optional<std::string> sheet; // none: every sheet of the tree
    std::string file;                 // empty: the factory data
};

// The request of the arguments after "--print-pdf"; none, with `error` set, for a usage error.
std::optional<PrintPdfRequest> ParsePrintPdf(const std::vector<std::string>& args, std::string& error);

// Runs the command on the QApplication that exists already (the offscreen platform) and returns the
// exit status: 0 printed; 1 FILE could not be opened, OUT could not be written, the page has no room or
// nothing was printable; 2 a usage error, a sheet the overlay does not define, or an OUT that must not
// be written: FILE itself (under any name), a name ending in ".qcf", or an existing file that is no PDF
// file. Each failure has a message on standard error and leaves OUT as it was: the PDF file is written
// beside OUT and renamed over it only when complete.
int RunPrintPdf(const std::vector<std::string>& args);
