#pragma once

#include <QApplication>

// The one QApplication of the printing tests, made before any widget and never destroyed (Qt's own
// clean-up at exit must still find it).
inline QApplication& PrintTestApplication() {
    static int argc = 1;
    static char name[] = "app_print_tests";
    static char* argv[] = {name, nullptr};
    static auto* application = new QApplication(argc, argv);
    return *application;
}
