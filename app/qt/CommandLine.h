#pragma once

#include "app/qt/PrintToPdf.h"

#include <string>
#include <vector>

// What the desktop program's command line asks for:
//   vqn58 [FILE]                      the window, opening FILE; a "/servmod" argument (any letter case)
//                                     asks for maker mode and is no FILE
//   vqn58 --screenshots DIR [FILE]    pictures of the window into DIR, showing FILE
//   vqn58 --print-pdf OUT.pdf [--sheet KEY | --all] [--usable] [--paper a4|letter] [FILE]
//   vqn58 --help
// Options may come in any order, also as --option=value; "--" ends them, so a FILE may start with
// '-'. Qt's own options (-style, -platform, ...) are known and left to the application.
struct StartRequest {
    enum class Action { OpenWindow, TakeScreenshots, PrintPdf, ShowUsage, RefuseUsage };
    Action action = Action::OpenWindow;
    std::string file;      // OpenWindow, TakeScreenshots: the clone file to open; empty: none
    std::string folder;    // TakeScreenshots: where the pictures go
    PrintPdfRequest print; // PrintPdf
    std::string problem;   // RefuseUsage: what is wrong, for a message after the program's name
};

// The request of `arguments` (the program's path first), read before the application is made: the
// usage needs no display, and printing to PDF runs on the offscreen platform. Files and folders keep
// the bytes they were given.
StartRequest ReadCommandLine(const std::vector<std::string>& arguments);
