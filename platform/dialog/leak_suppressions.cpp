// Built into sanitized builds only. Pango keeps fontconfig patterns for the life of the
// process where LeakSanitizer cannot see them, and fontconfig's frames give no caller to tell
// them apart.
extern "C" const char *__lsan_default_suppressions() {
    return "leak:libfontconfig.so\n";
}

// A normal run prints nothing, and neither does the list of what was suppressed.
extern "C" const char *__lsan_default_options() {
    return "print_suppressions=0";
}
