// Which display server the process talks to, chosen once and on purpose for everything it
// shows: SDL's windows and GTK's message boxes alike, so that they share focus rules and the
// guarantees the layer gives for that display.
//
// X11 wherever an X display takes our connection (XWayland included, unless it leaves a
// scaled desktop's scaling to its programs), else Wayland where a compositor does. A user's
// own SDL_VIDEODRIVER or GDK_BACKEND stands for its library, and one that names x11 or
// wayland is taken for the other library too. Nothing else is tried: with no display, SDL
// would run its windows on its invisible offscreen driver. Nor is SDL left its own order:
// SDL 2 tries X11 first, SDL 3 Wayland first where the compositor offers wp_fifo_manager_v1,
// and GTK Wayland first; the choice here is the same under each.
#pragma once

#include "platform/wayland/compositor.h"

namespace zelmvik::backend {

// How one library is to reach the display.
struct Backend {
    // False when no display can be reached; the reason has been reported (once).
    bool reachable;
    // The backend to ask the library for ("x11", "wayland"); null when the user's own
    // setting for that library stands.
    const char *name;
};

Backend for_sdl();
Backend for_gdk();

// Whether an X screen of `x11_pixels` is an XWayland that leaves a scaled desktop's scaling to
// its programs (KWin's default): it has the outputs' own pixels, where one the compositor
// scales (sway's, GNOME's) has fewer, the desktop's units.
bool leaves_scaling_to_programs(long long x11_pixels, const WaylandCompositor &outputs);

} // namespace zelmvik::backend
