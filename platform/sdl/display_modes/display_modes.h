// Display modes: the mode ChangeDisplaySettingsA switched the display to, the window that
// shows it, and the mode watchdog, which puts the desktop's mode back should the process end
// without doing so (as Windows does for a mode set with CDS_FULLSCREEN).
//
// SDL switches a display's mode only for a fullscreen window. So a mode switched to is kept
// here and taken up by the popup window that covers it; putting the desktop's mode back
// takes every window out of fullscreen.
#pragma once

#include "platform/sdl/layer.h"

namespace zelmvik {

// Whether the window is the popup that covers the switched mode, and so shows it fullscreen.
bool covers_switched_mode(const Window &w);

// Makes the window fullscreen on the switched mode when it covers it, windowed otherwise.
void fit_to_switched_mode(Window &w);
// Gives a window about to be made fullscreen the switched mode (SDL otherwise keeps the
// desktop's); says so when SDL refuses. The mode is one the display lists, so SDL 3, which
// sdl2-compat asks for the closest fullscreen mode and which takes the desktop's where none is
// close, gets that very mode, as SDL 2 does.
void give_switched_mode(SDL_Window *window);

// The window shows the switched mode, fullscreen: the watchdog is told what SDL really set,
// on which output.
void switched_mode_shown(SDL_Window *window);

// The process is ending; SDL puts the desktop's mode back as it quits.
void forget_switched_mode();

// Within this room: ChangeDisplaySettingsA's two halves, and what the watchdog is told: the
// mode of the output at (x, y) of the screen. It is started on the first switch (saying on
// standard error when it cannot).
void switch_display_mode(const SDL_DisplayMode &mode);
void restore_display_mode();
void tell_mode_watchdog_switched(int x, int y, int width, int height);
void tell_mode_watchdog_restored();
// The X screen's configuration, noted before a switch and put back should SDL leave it
// otherwise as the desktop's mode comes back (desktop_config.cpp).
void note_desktop_config();
void put_back_desktop_config();

} // namespace zelmvik
