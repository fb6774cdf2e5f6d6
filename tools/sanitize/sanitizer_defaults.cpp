// Linked into the sanitizer build only. SDL, X11 and D-Bus keep some
// allocations for the life of the process; those are not our leaks.
extern "C" {

const char* __lsan_default_suppressions()
{
    return "leak:libSDL2\n"
           "leak:libSDL-1.2\n"
           "leak:libX11\n"
           "leak:libxcb\n"
           "leak:libdbus\n";
}

const char* __ubsan_default_options() { return "print_stacktrace=1"; }

}
