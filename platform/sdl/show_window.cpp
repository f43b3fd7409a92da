#include "platform/sdl/display_modes/display_modes.h"
#include "platform/sdl/layer.h"

using namespace zelmvik;

static WPARAM activate_wparam(WORD state, const Window &w) {
    return static_cast<WPARAM>(state) | (static_cast<WPARAM>(w.minimised ? 1 : 0) << 16);
}

// Moves the activation to hwnd (or to nothing), telling both windows, as Windows sends it.
static void activate(HWND hwnd) {
    Layer &l = layer();
    HWND old = l.active;
    if (old == hwnd)
        return;
    l.active = hwnd;
    if (Window *o = find_window(old)) {
        o->activated = false;
        send_message(old, WM_ACTIVATE, activate_wparam(WA_INACTIVE, *o),
                     reinterpret_cast<LPARAM>(hwnd));
    }
    if (Window *w = find_window(hwnd)) {
        w->activated = true;
        send_message(hwnd, WM_ACTIVATE, activate_wparam(WA_ACTIVE, *w),
                     reinterpret_cast<LPARAM>(old));
    }
}

static HWND focus(HWND hwnd) {
    Layer &l = layer();
    HWND old = l.focus;
    if (old == hwnd)
        return old;
    l.focus = hwnd;
    if (find_window(old))
        send_message(old, WM_KILLFOCUS, reinterpret_cast<WPARAM>(hwnd), 0);
    if (Window *w = find_window(hwnd)) {
        if (w->visible)
            SDL_SetWindowInputFocus(w->sdl.get());
        send_message(hwnd, WM_SETFOCUS, reinterpret_cast<WPARAM>(old), 0);
    }
    return old;
}

namespace zelmvik {

void update_screensaver() {
    if (!SDL_WasInit(SDL_INIT_VIDEO))
        return;
    bool refused = false;
    for (const auto &w : layer().windows)
        refused = refused || (w.second->visible && w.second->refuses_screensaver);
    if (refused)
        SDL_DisableScreenSaver();
    else
        SDL_EnableScreenSaver();
}

// Called from ShowWindow's first showing: the window is asked whether the screen saver may
// run. DefWindowProcA clears the refusal; a procedure that swallows the command keeps it.
static void ask_screensaver(HWND hwnd) {
    if (Window *w = find_window(hwnd))
        w->refuses_screensaver = true;
    send_message(hwnd, WM_SYSCOMMAND, SC_SCREENSAVE, 0);
    update_screensaver();
}

void deactivate_window(HWND hwnd) {
    Layer &l = layer();
    if (l.active == hwnd)
        activate(NULL);
    if (l.focus == hwnd)
        focus(NULL);
}

} // namespace zelmvik

static void show(HWND hwnd, bool activating) {
    Window *w = find_window(hwnd);
    show_sdl_window(*w);
    w->visible = true;
    send_message(hwnd, WM_SHOWWINDOW, TRUE, 0);
    if (activating && find_window(hwnd)) {
        activate(hwnd);
        focus(hwnd);
    }
    if ((w = find_window(hwnd))) {
        w->reported_width = w->width;
        w->reported_height = w->height;
        send_message(hwnd, WM_SIZE, SIZE_RESTORED,
                     static_cast<LPARAM>(w->width | (w->height << 16)));
    }
    if (find_window(hwnd))
        ask_screensaver(hwnd);
}

BOOL WINAPI ShowWindow(HWND hWnd, int nCmdShow) {
    Window *w = find_window(hWnd);
    if (!w)
        return FALSE;
    BOOL was_visible = w->visible ? TRUE : FALSE;
    switch (nCmdShow) {
    case SW_HIDE:
        if (w->visible) {
            SDL_HideWindow(w->sdl.get());
            w->visible = false;
            send_message(hWnd, WM_SHOWWINDOW, FALSE, 0);
            deactivate_window(hWnd);
            update_screensaver();
        }
        break;
    case 2: // SW_SHOWMINIMIZED
    case SW_MINIMIZE:
    case 7: // SW_SHOWMINNOACTIVE
        if (!w->visible)
            show(hWnd, false);
        if ((w = find_window(hWnd)))
            SDL_MinimizeWindow(w->sdl.get());
        break;
    default:
        if (!w->visible)
            show(hWnd, nCmdShow != 4 && nCmdShow != 8); // SW_SHOWNOACTIVATE, SW_SHOWNA
        else if (nCmdShow == SW_RESTORE && w->minimised)
            SDL_RestoreWindow(w->sdl.get());
        break;
    }
    return was_visible;
}

BOOL WINAPI SetForegroundWindow(HWND hWnd) {
    Window *w = find_window(hWnd);
    if (!w)
        return FALSE;
    // A Wayland surface is mapped with its first frame; until then there is nothing to raise,
    // and the compositor gives a newly mapped window the keyboard by its own rules. (sway 1.7
    // even crashes on an activation request for a window it has not mapped.)
    if (w->visible && (w->presented || !on_wayland()))
        SDL_RaiseWindow(w->sdl.get());
    activate(hWnd);
    return TRUE;
}

HWND WINAPI SetFocus(HWND hWnd) {
    if (hWnd && !find_window(hWnd))
        return NULL; // ERROR_INVALID_WINDOW_HANDLE
    if (hWnd)
        activate(hWnd);
    return focus(hWnd);
}
