#include "platform/dialog/box.h"
#include "platform/report/trace.h"
#include "platform/sdl/keys.h"
#include "platform/sdl/layer.h"
#include "platform/sdl/messages.h"
#include "platform/sdl/native/native.h"
#include "platform/sdl/video.h"
#include "platform/sdl/windows.h"

namespace zelmvik {

static void window_event(const SDL_WindowEvent &e) {
    Layer &l = layer();
    Window *w = window_of_sdl_id(e.windowID);
    if (!w)
        return;
    switch (e.event) {
    case SDL_WINDOWEVENT_MINIMIZED:
        if (w->minimised)
            break;
        // A minimised window is not the active one, whether it was or not.
        w->minimised = true;
        tell_activation(*w, WA_INACTIVE, NULL, Delivery::posted, e.timestamp);
        tell_size(*w, SIZE_MINIMIZED, Delivery::posted, e.timestamp);
        break;
    case SDL_WINDOWEVENT_RESTORED:
        if (w->minimised) {
            w->minimised = false;
            tell_activation(*w, WA_ACTIVE, NULL, Delivery::posted, e.timestamp);
        }
        tell_size(*w, SIZE_RESTORED, Delivery::posted, e.timestamp);
        break;
    case SDL_WINDOWEVENT_MAXIMIZED:
        SDL_GetWindowSize(w->sdl.get(), &w->width, &w->height);
        tell_size(*w, SIZE_MAXIMIZED, Delivery::posted, e.timestamp);
        break;
    case SDL_WINDOWEVENT_SIZE_CHANGED:
        // The window that covers the switched mode keeps the mode's size, as on Windows, where
        // the display has it: shown larger, its picture is scaled (scaled_presentation.h).
        if (w->fullscreen)
            break;
        w->width = e.data1;
        w->height = e.data2;
        if (!w->minimised && (w->width != w->reported_width || w->height != w->reported_height))
            tell_size(*w, SIZE_RESTORED, Delivery::posted, e.timestamp);
        break;
    case SDL_WINDOWEVENT_MOVED: {
        POINT at = from_sdl_position(e.data1, e.data2);
        w->x = at.x;
        w->y = at.y;
        break;
    }
    case SDL_WINDOWEVENT_FOCUS_GAINED:
        // Typed keys reach the window from here on: what a person waits for before typing.
        trace(Channel::windows, "window %p has the desktop's keyboard",
              static_cast<void *>(w->hwnd));
        activate(w->hwnd, Delivery::posted, e.timestamp);
        set_focus(w->hwnd, Delivery::posted, e.timestamp);
        break;
    case SDL_WINDOWEVENT_FOCUS_LOST:
        if (l.focus == w->hwnd)
            set_focus(NULL, Delivery::posted, e.timestamp);
        if (l.active == w->hwnd)
            activate(NULL, Delivery::posted, e.timestamp);
        break;
    case SDL_WINDOWEVENT_CLOSE:
        // As the window manager's close button does on Windows: the system command, whose
        // default processing sends WM_CLOSE.
        deliver(w->hwnd, WM_SYSCOMMAND, SC_CLOSE, 0, Delivery::posted, e.timestamp);
        break;
    }
}

static void key_event(const SDL_KeyboardEvent &e) {
    Layer &l = layer();
    Window *w = window_of_sdl_id(e.windowID);
    if (!w)
        w = find_window(l.focus ? l.focus : l.active);
    if (!w)
        return;
    KeyMessage k = key_message(e, w->minimised);
    if (k.message)
        deliver(w->hwnd, k.message, k.vk, k.lParam, Delivery::posted, e.timestamp);
}

void pump_events() {
    if (!SDL_WasInit(SDL_INIT_VIDEO))
        return;
    SDL_Event e;
    while (SDL_PollEvent(&e)) {
        switch (e.type) {
        case SDL_QUIT:
            native::end_process_if_compositor_gone();
            // SIGINT/SIGTERM: every window is asked to close, so the program shuts down
            // (and puts the display mode back) the way it always does.
            for (const auto &w : layer().windows)
                deliver(w.second->hwnd, WM_CLOSE, 0, 0, Delivery::posted, e.quit.timestamp);
            break;
        case SDL_KEYDOWN:
        case SDL_KEYUP:
            key_event(e.key);
            break;
        case SDL_WINDOWEVENT:
            window_event(e.window);
            break;
        }
    }
    native::destroy_kept_window(false);
    dialog::serve_toolkit();
}

} // namespace zelmvik
