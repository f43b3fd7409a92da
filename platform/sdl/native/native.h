// The native windows behind the layer's windows: the only code that makes, shows, hides,
// makes fullscreen and destroys SDL windows, gives them display modes, and asks SDL for the
// X11 or Wayland objects behind them. It knows SDL and the libraries under it, and nothing of
// the Windows calls above it. The mends that act on native windows are this room's own
// (native/*.cpp).
#pragma once

#include "platform/pixel_format.h"

#include <SDL.h>

#include <memory>
#include <string>

struct wl_display;

namespace zelmvik::native {

// Which of SDL's drivers the windows are on (neither before SDL's video has started).
bool on_x11();
bool on_wayland();
bool on_xwayland();
// Whether SDL 3 runs under SDL 2's API (sdl2-compat), rather than a classic SDL 2.
bool sdl3_underneath();

// Before SDL's video starts: steers SDL away from its Wayland decoration paths that crash or
// wait for ever (wayland_choices.cpp).
void choose_decorations();
// Whether SDL's video must not start yet: on a Wayland compositor without a seat, where SDL 2
// crashes as it starts.
bool video_waits_for_a_seat();

// A wait that a compositor or window manager that does not answer could make endless (a
// window's first showing, its first frame): past `seconds`, the process ends with one line
// on standard error, status 1, as it does when the display goes away.
const unsigned wait_for_the_display_s = 15;
class BoundedWait {
  public:
    BoundedWait(const char *what, unsigned seconds);
    ~BoundedWait();
    BoundedWait(const BoundedWait &) = delete;
    BoundedWait &operator=(const BoundedWait &) = delete;
};

// What an SDL window is made from.
struct WindowRequest {
    std::string title; // UTF-8
    SDL_Point at;      // SDL's position, or SDL_WINDOWPOS_UNDEFINED(_DISPLAY)
    int width, height;
    bool visible;
    bool captioned; // a title bar
    bool resizable;
    // Fullscreen on `mode`, the display mode switched to, which it is given as it is made.
    bool fullscreen;
    const SDL_DisplayMode *mode;
};

// Makes an SDL window, an OpenGL one for `format` when given, noting in *actual what its
// visual really has (on X11, the GLX config closest to `format`). Null, with SDL's reason
// reported, when SDL refuses.
SDL_Window *make(const WindowRequest &wanted, const PixelFormat *format, PixelFormat *actual);

// Destroys a window made here (a Wayland window with the keyboard is first kept, hidden, until
// the keyboard has left it).
void destroy(SDL_Window *window);
struct WindowDeleter {
    void operator()(SDL_Window *w) const { destroy(w); }
};
using WindowPtr = std::unique_ptr<SDL_Window, WindowDeleter>;

// Destroys the window kept for a Wayland keyboard's leave once it has come or its time is
// up, or `now`.
void destroy_kept_window(bool now);
// Destroys the windows this room keeps of its own (the hidden one, one kept for a keyboard's
// leave), as the process ends and before SDL quits.
void destroy_own_windows();

// SDL's GL attributes for a format: they choose the visual of the next OpenGL window.
void apply_gl_attributes(const PixelFormat &format);
// The hidden 1x1 OpenGL window (of `format`, the first time) that the warm-up draws its first
// frame in, made on first need and kept for the life of the process; null when SDL refuses.
SDL_Window *hidden_gl_window(const PixelFormat &format);

void show(SDL_Window *window);
void hide(SDL_Window *window);
// Gives the window the display mode it shows when fullscreen (SDL keeps the desktop's
// otherwise); false, with SDL's reason reported, when SDL refuses.
bool give_mode(SDL_Window *window, const SDL_DisplayMode &mode);
// Makes the window fullscreen on the mode it was given, or windowed; false (with SDL's reason
// reported) when SDL refuses.
bool set_fullscreen(SDL_Window *window, bool fullscreen);
void minimise(SDL_Window *window);
void restore(SDL_Window *window);
void maximise(SDL_Window *window);
void raise(SDL_Window *window);
void take_keyboard(SDL_Window *window);

// The output a fullscreen window shows, and the mode it really shows there; false where SDL
// cannot tell.
bool shown_mode(SDL_Window *window, SDL_Rect *output, SDL_DisplayMode *mode);

// The Wayland connection behind an SDL window; null where SDL runs on another backend. (The
// X11 window behind one: x11_window.h.)
wl_display *wayland_display(SDL_Window *window);
// Ends the process, as a lost X display does, when SDL's quit event came from a Wayland
// compositor that has gone away rather than from a signal.
void end_process_if_compositor_gone();

} // namespace zelmvik::native
