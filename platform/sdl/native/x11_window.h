// Within native/: the X11 window behind an SDL window, for the room's mends that act on it.
// (Apart from native.h, which the layer includes: Xlib's names would clash with the layer's.)
#pragma once

#include <SDL.h>
#include <X11/Xlib.h>

namespace zelmvik::native {

// The X11 display and window behind an SDL window; a null display where SDL runs on another
// backend.
struct X11Window {
    Display *display = nullptr;
    ::Window window = None;
};
X11Window x11_window(SDL_Window *window);

} // namespace zelmvik::native
