// Making and destroying SDL windows, and asking SDL what is behind them: the only calls of
// SDL_CreateWindow, SDL_DestroyWindow and SDL_GetWindowWMInfo in the layer.
#include "platform/report/report.h"
#include "platform/report/trace.h"
#include "platform/sdl/native/made.h"
#include "platform/sdl/native/native.h"
#include "platform/sdl/native/x11_window.h"
#include "platform/x11/glx_visual.h"
#include "platform/x11/ignored_errors.h"

#include <SDL_syswm.h>

#include <set>
#include <string>

namespace zelmvik::native {

namespace {

// Every window made here and not yet destroyed.
std::set<SDL_Window *> made;

Uint32 flags_of(const WindowRequest &wanted, bool opengl) {
    Uint32 flags = wanted.visible ? SDL_WINDOW_SHOWN : SDL_WINDOW_HIDDEN;
    if (!wanted.captioned)
        flags |= SDL_WINDOW_BORDERLESS;
    if (wanted.resizable)
        flags |= SDL_WINDOW_RESIZABLE;
    if (opengl)
        flags |= SDL_WINDOW_OPENGL;
    if (wanted.fullscreen)
        flags |= SDL_WINDOW_FULLSCREEN;
    return flags;
}

// On X11 a window's visual is fixed as it is made: the one GLX config closest to the format,
// as Windows would pick, where GLX's own choice (which SDL would take) puts the deepest
// depth buffer first. SDL is given it by the hint it reads as it makes the window. The
// config is found on SDL's own connection, that of its hidden window.
std::string visual_for(const PixelFormat &format, PixelFormat *got) {
    *got = format;
    if (!on_x11())
        return "";
    X11Window x = x11_window(hidden_gl_window(format));
    VisualID visual =
        x.display ? choose_glx_visual(x.display, DefaultScreen(x.display), format, got) : 0;
    if (!visual)
        *got = format;
    return visual ? std::to_string(visual) : "";
}

// MEND sdl-x11-colormap
// library: SDL 2.26, 2.32; SDL 3.2 under sdl2-compat (X11)
// upstream: not reported; SDL's src/video/x11/SDL_x11window.c (main, 2025) still makes the
//   colormap in X11_CreateWindow (X11_XCreateColormap, AllocNone) and frees none in
//   X11_DestroyWindow
// goes when: every SDL the layer runs on frees the colormap it makes
// Each window leaves a colormap in the X server without it: two for every F1 rebuild. The
// colormap is taken from the window before it goes and freed after; should SDL free it
// itself, the X error of the second free is swallowed rather than taken for a fatal one.
void destroy_now(SDL_Window *window) {
    X11Window x = x11_window(window);
    Colormap colormap = None;
    XWindowAttributes attributes;
    if (x.display && XGetWindowAttributes(x.display, x.window, &attributes) &&
        attributes.colormap != DefaultColormapOfScreen(attributes.screen))
        colormap = attributes.colormap;

    made.erase(window);
    SDL_DestroyWindow(window);

    if (colormap != None) {
        IgnoredXErrors ignored(x.display);
        XFreeColormap(x.display, colormap);
    }
}

// MEND sdl-wayland-key-repeat
// library: SDL 2.26, 2.32; SDL 3.2 under sdl2-compat (Wayland; found with sway)
// upstream: not reported
// goes when: SDL stops repeating a key on a surface it has destroyed
// SDL's Wayland backend repeats a held key itself, and stops only on the key's release or on
// the compositor's leave of the surface that has the keyboard. A compositor keeps the
// keyboard on a window that has been unmapped until another one takes it (sway does), so
// the leave of a window destroyed at once comes after its surface is gone, and SDL takes it
// for nobody's: a key held then (F1, which rebuilds the window) would repeat for ever, each
// repeat another F1 to the next window. So a window with the keyboard is hidden and kept
// until the keyboard has left it, for a few seconds at most: the leave stops the repeat and
// releases the keys, and their release reaches the window that has the keyboard next.
const Uint64 kept_for_ms = 5000;
struct KeptWindow {
    SDL_Window *window = nullptr;
    Uint64 until = 0;
};
KeptWindow kept;

SDL_Window *hidden = nullptr;

} // namespace

X11Window x11_window(SDL_Window *window) {
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (!window || !SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11)
        return {};
    return {info.info.x11.display, info.info.x11.window};
}

wl_display *wayland_display(SDL_Window *window) {
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (!window || !SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_WAYLAND)
        return nullptr;
    return info.info.wl.display;
}

SDL_Window *any_made_window() {
    return made.empty() ? nullptr : *made.begin();
}

SDL_Window *make(const WindowRequest &wanted, const PixelFormat *format, PixelFormat *actual) {
    PixelFormat got{};
    std::string visual = format ? visual_for(*format, &got) : "";
    if (format)
        apply_gl_attributes(*format);
    SDL_SetHint(SDL_HINT_VIDEO_X11_WINDOW_VISUALID, visual.c_str());
    SDL_Window *sdl = SDL_CreateWindow(wanted.title.c_str(), wanted.at.x, wanted.at.y, wanted.width,
                                       wanted.height, flags_of(wanted, format != nullptr));
    SDL_SetHint(SDL_HINT_VIDEO_X11_WINDOW_VISUALID, "");
    if (!sdl) {
        report("SDL cannot make %s window: %s", format ? "an OpenGL" : "a", SDL_GetError());
        return nullptr;
    }
    made.insert(sdl);
    trace(Channel::windows, "SDL window %u: %s%dx%d%s%s%s, visual %s", SDL_GetWindowID(sdl),
          format ? "OpenGL, " : "", wanted.width, wanted.height,
          wanted.fullscreen ? ", fullscreen" : "", wanted.captioned ? ", with a title bar" : "",
          wanted.visible ? ", shown" : "", visual.empty() ? "SDL's own" : visual.c_str());
    guard_compositor_connection(sdl);
    // No text, only keys (video.cpp), in this window too, whatever the SDL underneath does for
    // a new window.
    SDL_StopTextInput();
    if (wanted.fullscreen && wanted.mode)
        give_mode(sdl, *wanted.mode);
    if (format && actual)
        *actual = got;
    return sdl;
}

SDL_Window *hidden_gl_window(const PixelFormat &format) {
    static bool tried = false;
    if (!tried && SDL_WasInit(SDL_INIT_VIDEO)) {
        tried = true;
        apply_gl_attributes(format);
        hidden = SDL_CreateWindow("", 0, 0, 1, 1, SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN);
        if (hidden) {
            made.insert(hidden);
            guard_compositor_connection(hidden);
        }
    }
    return hidden;
}

void apply_gl_attributes(const PixelFormat &f) {
    SDL_GL_SetAttribute(SDL_GL_RED_SIZE, f.red);
    SDL_GL_SetAttribute(SDL_GL_GREEN_SIZE, f.green);
    SDL_GL_SetAttribute(SDL_GL_BLUE_SIZE, f.blue);
    SDL_GL_SetAttribute(SDL_GL_ALPHA_SIZE, f.alpha);
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, f.depth);
    SDL_GL_SetAttribute(SDL_GL_STENCIL_SIZE, f.stencil);
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, f.double_buffer ? 1 : 0);
}

void destroy_kept_window(bool now) {
    if (kept.window &&
        (now || SDL_GetKeyboardFocus() != kept.window || SDL_GetTicks64() >= kept.until)) {
        SDL_Window *window = kept.window;
        kept.window = nullptr;
        destroy_now(window);
    }
}

void destroy(SDL_Window *window) {
    if (on_wayland() && SDL_GetKeyboardFocus() == window) {
        destroy_kept_window(true);
        SDL_HideWindow(window);
        kept = {window, SDL_GetTicks64() + kept_for_ms};
        return;
    }
    destroy_now(window);
}

void destroy_own_windows() {
    destroy_kept_window(true);
    if (hidden) {
        destroy_now(hidden);
        hidden = nullptr;
    }
}

} // namespace zelmvik::native
