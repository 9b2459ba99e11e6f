// Leaks the sanitizer build must not count against the widget tests: the system's font configuration
// library keeps a few blocks for the life of the process once Qt has loaded fonts.
extern "C" const char* __lsan_default_suppressions();

extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig\n";
}
