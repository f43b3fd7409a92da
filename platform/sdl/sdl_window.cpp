#include "platform/sdl/layer.h"

#include <SDL_syswm.h>
#include <X11/Xlib.h>

namespace zelmvik {

static int ignore_x_error(Display *, XErrorEvent *) {
    return 0;
}

// SDL 2.26's X11 backend creates a colormap for every window and never frees it, so each
// rebuild of the window would leave colormaps behind in the X server. The colormap is taken
// from the window before it goes and freed after; should SDL free it itself, the X error of
// the second free is swallowed rather than taken for a fatal one.
void destroy_sdl_window(SDL_Window *window) {
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
        XSync(display, False);
        int (*previous)(Display *, XErrorEvent *) = XSetErrorHandler(ignore_x_error);
        XFreeColormap(display, colormap);
        XSync(display, False);
        XSetErrorHandler(previous);
    }
}

} // namespace zelmvik
