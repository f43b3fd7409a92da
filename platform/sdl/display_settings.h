// The display's settings as ChangeDisplaySettingsA leaves them: the mode it switched the
// display to, the window that shows it, and the mode watchdog, which puts the desktop's mode
// back should the process end without doing so (as Windows does for a mode set with
// CDS_FULLSCREEN).
//
// SDL switches a display's mode only for a fullscreen window. So a mode switched to is kept
// here and taken up by the popup window that covers it; putting the desktop's mode back
// takes every window out of fullscreen.
#pragma once

#include "platform/sdl/layer.h"

namespace zelmvik {

// Whether the window is the popup that covers the switched mode, and so shows it fullscreen.
bool covers_switched_mode(const Window &w);
// The mode switched to, for the window that covers it to be given; null while the desktop's
// own is shown.
const SDL_DisplayMode *switched_display_mode();
// Makes the window fullscreen on the switched mode when it covers it, windowed otherwise.
void fit_to_switched_mode(Window &w);
// The window shows the switched mode, fullscreen: the watchdog is told what SDL really set,
// on which output.
void switched_mode_shown(Window &w);

// ChangeDisplaySettingsA's two halves. The program's mode of `width` x `height` is shown by
// SDL's `mode`: one of that size, or the desktop's own where the layer scales the picture.
void switch_display_mode(const SDL_DisplayMode &mode, int width, int height);
void restore_display_mode();
// The process is ending; SDL puts the desktop's mode back as it quits.
void forget_switched_mode();

// The mode watchdog (mode_watchdog_client.cpp): told the mode of the output at (x, y) of the
// screen, or that the desktop's is back. It is started on the first switch (saying on
// standard error when it cannot).
void tell_mode_watchdog_switched(int x, int y, int width, int height);
void tell_mode_watchdog_restored();
// The X screen's configuration, noted before a switch and put back should SDL leave it
// otherwise as the desktop's mode comes back (desktop_config.cpp).
void note_desktop_config();
void put_back_desktop_config();

} // namespace zelmvik
