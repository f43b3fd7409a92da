// Built into sanitized builds only: what the libraries under the fonts, the boxes and the
// window lose on their own, named by library.
//
// MEND fontconfig-config-leaks
// library: fontconfig 2.17 (sanitized builds only)
// upstream: not reported
// goes when: a plain program that loads a configuration, matches a font and destroys both
// loses nothing
// fontconfig 2.17 loses the same 4 KB of patterns in any process that loads a configuration,
// whatever it then frees.
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
//
// MEND sdl3-x11-mode-change-leak
// library: SDL 3.4 on X11 (sanitized builds only)
// upstream: not reported
// goes when: a sanitized fullscreen session on Xorg's modes under SDL 3 exits clean without it
// SDL 3.4 loses 8 bytes in its event pump for each display mode change it sees on X11, ours
// or anyone's. Its frames give no names, so everything SDL 3 loses is let pass: the classic
// SDL 2 builds still check what the layer leaves with SDL.
//
// MEND glibc-newlocale-locpath
// library: glibc 2.36 (sanitized builds only, where LOCPATH is set, as the tests set it)
// upstream: not reported
// goes when: a plain program that calls newlocale and freelocale with LOCPATH set loses
// nothing
// newlocale loses its copy of LOCPATH each time it is called with one set: the boxes ask for
// the person's LC_MESSAGES once for each button, and the tests give a Danish locale of their
// own making through LOCPATH.
extern "C" const char *__lsan_default_suppressions() {
    return "leak:libfontconfig.so\n"
           "leak:libGLX_mesa.so\n"
           "leak:libSDL3.so\n"
           "leak:__argz_add_sep\n";
}

// A normal run prints nothing, and neither does the list of what was suppressed.
extern "C" const char *__lsan_default_options() {
    return "print_suppressions=0";
}
