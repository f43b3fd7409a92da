#include "platform/sdl/layer.h"
#include "platform/sdl/native/native.h"
#include "platform/sdl/win32_names.h"

using namespace zelmvik;

// Moves the activation to hwnd (or to nothing), telling both windows, as Windows sends it.
static void activate(HWND hwnd) {
    Layer &l = layer();
    HWND old = l.active;
    if (old == hwnd)
        return;
    if (Window *o = find_window(old))
        tell_activation(*o, WA_INACTIVE, hwnd, Delivery::sent);
    if (Window *w = find_window(hwnd))
        tell_activation(*w, WA_ACTIVE, old, Delivery::sent);
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
            native::take_keyboard(*w);
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
    native::show(*w);
    w->visible = true;
    send_message(hwnd, WM_SHOWWINDOW, TRUE, 0);
    if (activating && find_window(hwnd)) {
        activate(hwnd);
        focus(hwnd);
    }
    if ((w = find_window(hwnd)))
        tell_size(*w, SIZE_RESTORED, Delivery::sent);
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
            native::hide(*w);
            w->visible = false;
            send_message(hWnd, WM_SHOWWINDOW, FALSE, 0);
            deactivate_window(hWnd);
            update_screensaver();
        }
        break;
    case SW_SHOWMINIMIZED:
    case SW_MINIMIZE:
    case SW_SHOWMINNOACTIVE:
        if (!w->visible)
            show(hWnd, false);
        if ((w = find_window(hWnd)))
            native::minimise(*w);
        break;
    default:
        if (!w->visible)
            show(hWnd, nCmdShow != SW_SHOWNOACTIVATE && nCmdShow != SW_SHOWNA);
        else if (nCmdShow == SW_RESTORE && w->minimised)
            native::restore(*w);
        break;
    }
    return was_visible;
}

BOOL WINAPI SetForegroundWindow(HWND hWnd) {
    Window *w = find_window(hWnd);
    if (!w)
        return FALSE;
    // MEND sway-activation-before-first-frame
    // library: sway 1.7 (Wayland; Debian 12's), not tried without the mend on later ones
    // upstream: not reported
    // goes when: the releases served have only sways seen not to crash without it
    // A Wayland surface is mapped with its first frame; until then there is nothing to
    // raise, and the compositor gives a newly mapped window the keyboard by its own rules.
    // sway 1.7 even crashes on an activation request for a window it has not mapped.
    if (w->visible && (w->presented || !on_wayland()))
        native::raise(*w);
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
