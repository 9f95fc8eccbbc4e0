// Leaks the leak checker is to ignore in tests that run Qt: fontconfig keeps a little memory
// of its configuration for the life of the process by design.
extern "C" const char* __lsan_default_suppressions();

extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }
