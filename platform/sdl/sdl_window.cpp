#include "platform/sdl/layer.h"
#include "platform/x11/ignored_errors.h"

#include <SDL_syswm.h>
#include <X11/Xlib.h>

namespace zelmvik {

// SDL's X11 backend creates a colormap for every window and never frees it (SDL 2.26, 2.32 and
// 3.2 under sdl2-compat: without what follows, each rebuild leaves two behind in the X server).
// The colormap is taken from the window before it goes and freed after; should SDL free it
// itself, the X error of the second free is swallowed rather than taken for a fatal one.
static void destroy_now(SDL_Window *window) {
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    Display *display = nullptr;
    Colormap colormap = None;
    if (SDL_GetWindowWMInfo(window, &info) && info.subsystem == SDL_SYSWM_X11) {
        XWindowAttributes attributes;
        display = info.info.x11.display;
        if (XGetWindowAttributes(display, info.info.x11.window, &attributes) &&
            attributes.colormap != DefaultColormapOfScreen(attributes.screen))
            colormap = attributes.colormap;
    }

    SDL_DestroyWindow(window);

    if (colormap != None) {
        IgnoredXErrors ignored(display);
        XFreeColormap(display, colormap);
    }
}

// SDL's Wayland backend repeats a held key itself (SDL 2.26, 2.32, and 3.2 under sdl2-compat:
// each fails the wtype session without what follows), and stops only on the key's release or
// on the compositor's leave of the surface that has the keyboard. A compositor keeps the
// keyboard on a window that has been unmapped until another one takes it (sway does), so
// the leave of a window destroyed at once comes after its surface is gone, and SDL takes it
// for nobody's: a key held then (F1, which rebuilds the window) would repeat for ever, each
// repeat another F1 to the next window. So a window with the keyboard is hidden and kept
// until the keyboard has left it, for a few seconds at most: the leave stops the repeat and
// releases the keys, and their release reaches the window that has the keyboard next.
static SDL_Window *kept = nullptr;
static Uint64 kept_until = 0;

void destroy_kept_window(bool now) {
    if (kept && (now || SDL_GetKeyboardFocus() != kept || SDL_GetTicks64() >= kept_until)) {
        SDL_Window *window = kept;
        kept = nullptr;
        destroy_now(window);
    }
}

void destroy_sdl_window(SDL_Window *window) {
    if (on_wayland() && SDL_GetKeyboardFocus() == window) {
        destroy_kept_window(true);
        SDL_HideWindow(window);
        kept = window;
        kept_until = SDL_GetTicks64() + 5000;
        return;
    }
    destroy_now(window);
}

} // namespace zelmvik
