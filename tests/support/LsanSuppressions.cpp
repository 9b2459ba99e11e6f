// Leaks the sanitizer build must not count against the widget tests: the system's font configuration
// library keeps a few blocks for the life of the process once Qt has loaded fonts, and Qt's caches of
// font engines and FreeType faces can outlive an application object that is destroyed at exit.
extern "C" const char* __lsan_default_suppressions();
extern "C" const char* __asan_default_options();

// The system's Qt libraries are built without frame pointers: only the slow unwinder sees past their
// first frame, to the Qt function names the suppressions below name.
extern "C" const char* __asan_default_options() {
    return "fast_unwind_on_malloc=0";
}

extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig\n"
           "leak:QFreetypeFace::getFace\n"
           "leak:QFontDatabasePrivate::load\n"
           "leak:QFontconfigDatabase::fontEngine\n";
}
