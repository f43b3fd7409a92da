#include "platform/sdl/keys.h"
#include "platform/sdl/layer.h"

namespace zelmvik {

static LPARAM size_lparam(const Window &w) {
    return static_cast<LPARAM>((w.width & 0xFFFF) | ((w.height & 0xFFFF) << 16));
}

static WPARAM activation(WORD state, const Window &w) {
    return static_cast<WPARAM>(state) | (static_cast<WPARAM>(w.minimised ? 1 : 0) << 16);
}

static void post(const Window &w, UINT message, WPARAM wParam, LPARAM lParam, Uint32 time) {
    layer().queue.post(w.hwnd, message, wParam, lParam, time);
}

static void report_size(Window &w, WPARAM kind, Uint32 time) {
    w.reported_width = w.width;
    w.reported_height = w.height;
    post(w, WM_SIZE, kind, size_lparam(w), time);
}

static void window_event(const SDL_WindowEvent &e) {
    Layer &l = layer();
    Window *w = window_of_sdl_id(e.windowID);
    if (!w)
        return;
    switch (e.event) {
    case SDL_WINDOWEVENT_MINIMIZED:
        if (w->minimised)
            break;
        w->minimised = true;
        w->activated = false; // a minimised window is not the active one
        if (l.active == w->hwnd)
            l.active = NULL;
        post(*w, WM_ACTIVATE, activation(WA_INACTIVE, *w), 0, e.timestamp);
        w->reported_width = w->reported_height = 0;
        post(*w, WM_SIZE, SIZE_MINIMIZED, 0, e.timestamp);
        break;
    case SDL_WINDOWEVENT_RESTORED:
        if (w->minimised) {
            w->minimised = false;
            w->activated = true;
            l.active = w->hwnd;
            post(*w, WM_ACTIVATE, activation(WA_ACTIVE, *w), 0, e.timestamp);
        }
        report_size(*w, SIZE_RESTORED, e.timestamp);
        break;
    case SDL_WINDOWEVENT_MAXIMIZED:
        SDL_GetWindowSize(w->sdl.get(), &w->width, &w->height);
        report_size(*w, SIZE_MAXIMIZED, e.timestamp);
        break;
    case SDL_WINDOWEVENT_SIZE_CHANGED:
        w->width = e.data1;
        w->height = e.data2;
        if (!w->minimised && (w->width != w->reported_width || w->height != w->reported_height))
            report_size(*w, SIZE_RESTORED, e.timestamp);
        break;
    case SDL_WINDOWEVENT_MOVED:
        w->x = e.data1;
        w->y = e.data2;
        break;
    case SDL_WINDOWEVENT_FOCUS_GAINED:
        l.focus = w->hwnd;
        if (!w->activated) {
            w->activated = true;
            l.active = w->hwnd;
            post(*w, WM_ACTIVATE, activation(WA_ACTIVE, *w), 0, e.timestamp);
        }
        break;
    case SDL_WINDOWEVENT_FOCUS_LOST:
        if (l.focus == w->hwnd)
            l.focus = NULL;
        if (w->activated) {
            w->activated = false;
            if (l.active == w->hwnd)
                l.active = NULL;
            post(*w, WM_ACTIVATE, activation(WA_INACTIVE, *w), 0, e.timestamp);
        }
        break;
    case SDL_WINDOWEVENT_CLOSE:
        // As the window manager's close button does on Windows: the system command, whose
        // default processing sends WM_CLOSE.
        post(*w, WM_SYSCOMMAND, SC_CLOSE, 0, e.timestamp);
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
        post(*w, k.message, k.vk, k.lParam, e.timestamp);
}

void pump_events() {
    if (!SDL_WasInit(SDL_INIT_VIDEO))
        return;
    SDL_Event e;
    while (SDL_PollEvent(&e)) {
        switch (e.type) {
        case SDL_QUIT:
            end_process_if_compositor_gone();
            // SIGINT/SIGTERM: every window is asked to close, so the program shuts down
            // (and puts the display mode back) the way it always does.
            for (const auto &w : layer().windows)
                post(*w.second, WM_CLOSE, 0, 0, e.quit.timestamp);
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
    destroy_kept_window(false);
}

} // namespace zelmvik
