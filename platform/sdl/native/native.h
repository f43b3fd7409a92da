// The native windows behind the layer's windows: the only code that makes, shows, hides,
// makes fullscreen and destroys SDL windows, and asks SDL for the X11 or Wayland objects
// behind them. The mends that act on native windows are this room's own (native/*.cpp).
//
// A layer window gets its SDL window once, when it is first needed: with its pixel format
// (SetPixelFormat: an OpenGL window with the visual closest to the format), or when it is
// shown before it has one (a plain window, made again as an OpenGL one should a pixel format
// follow, as X11 fixes a window's visual when it is made).
#pragma once

#include "platform/sdl/layer.h"

struct wl_display;

namespace zelmvik::native {

// Makes the SDL window behind w from its title, place, size, style and state (shown,
// fullscreen on the switched mode), an OpenGL one for `format` when given, noting in
// w.actual_format what its visual really has (on X11, the GLX config closest to `format`).
// False, with SDL's reason reported and w unchanged, when SDL refuses.
bool make(Window &w, const PixelFormat *format);

// The SdlWindowPtr deleter's work (layer.h).
void destroy(SDL_Window *window);
// Destroys the window kept for a Wayland keyboard's leave once it has come or its time is
// up, or `now`.
void destroy_kept_window(bool now);
// Destroys the windows this room keeps of its own (the hidden one, one kept for a keyboard's
// leave), as the process ends and before SDL quits.
void destroy_own_windows();

// The hidden 1x1 OpenGL window the warm-up draws its first frame in, made on first need and
// kept for the life of the process; null when SDL refuses it.
SDL_Window *hidden_gl_window();

void show(Window &w);
void hide(Window &w);
// Makes the window fullscreen on the switched display mode, or windowed; false (with SDL's
// reason reported) when SDL refuses.
bool set_fullscreen(Window &w, bool fullscreen);
void minimise(Window &w);
void restore(Window &w);
void maximise(Window &w);
void raise(Window &w);
void take_keyboard(Window &w);

// The Wayland connection behind an SDL window; null where SDL runs on another backend. (The
// X11 window behind one: x11_window.h.)
wl_display *wayland_display(SDL_Window *window);

} // namespace zelmvik::native
