// Built into sanitized builds only: what the libraries under the boxes and the window lose
// on their own, named by library.
// - Pango keeps fontconfig patterns for the life of the process where LeakSanitizer cannot
//   see them, and fontconfig's frames give no caller to tell them apart.
// - Mesa's GLX, from Mesa 25 on (Debian 13's), loses the state it builds for each X
//   connection the first time GLX is asked about it: GDK asks when it opens its display,
//   SDL when it loads the GL library. A plain SDL program that only loads and unloads the GL
//   library loses the same blocks.
extern "C" const char *__lsan_default_suppressions() {
    return "leak:libfontconfig.so\n"
           "leak:libGLX_mesa.so\n";
}

// A normal run prints nothing, and neither does the list of what was suppressed.
extern "C" const char *__lsan_default_options() {
    return "print_suppressions=0";
}
