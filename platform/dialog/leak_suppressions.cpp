// Built into sanitized builds only: what the libraries under the boxes and the window lose
// on their own, named by library.
//
// MEND pango-fontconfig-patterns
// library: Pango 1.50 with fontconfig (sanitized builds only)
// upstream: not reported
// goes when: LeakSanitizer sees the patterns Pango keeps for the life of the process
// Pango keeps fontconfig patterns where LeakSanitizer cannot see them, and fontconfig's frames
// give no caller to tell them apart.
//
// MEND mesa-glx-connection-state
// library: Mesa 25.0 GLX (sanitized builds only)
// upstream: not reported
// goes when: Mesa frees the state it builds for an X connection
// Mesa's GLX loses the state it builds for each X connection the first time GLX is asked about
// it: GDK asks when it opens its display, SDL when it loads the GL library. A plain SDL program
// that only loads and unloads the GL library loses the same blocks.
extern "C" const char *__lsan_default_suppressions() {
    return "leak:libfontconfig.so\n"
           "leak:libGLX_mesa.so\n";
}

// A normal run prints nothing, and neither does the list of what was suppressed.
extern "C" const char *__lsan_default_options() {
    return "print_suppressions=0";
}
