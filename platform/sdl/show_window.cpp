#include "platform/sdl/display_settings.h"
#include "platform/sdl/messages.h"
#include "platform/sdl/native/native.h"
#include "platform/sdl/windows.h"
#include "platform/windows_names.h"

using namespace zelmvik;

// Called from ShowWindow's first showing: the window is asked whether the screen saver may
// run. DefWindowProcA clears the refusal; a procedure that swallows the command keeps it.
static void ask_screensaver(HWND hwnd) {
    if (Window *w = find_window(hwnd))
        w->refuses_screensaver = true;
    send_message(hwnd, WM_SYSCOMMAND, SC_SCREENSAVE, 0);
    update_screensaver();
}

static void show(HWND hwnd, bool activating) {
    Window *w = find_window(hwnd);
    if (!w->sdl && !make_sdl_window(*w, nullptr))
        return;
    native::show(w->sdl.get());
    w->visible = true;
    if (w->fullscreen)
        switched_mode_shown(*w);
    send_message(hwnd, WM_SHOWWINDOW, TRUE, 0);
    if (activating && find_window(hwnd)) {
        activate(hwnd, Delivery::sent);
        set_focus(hwnd, Delivery::sent);
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
            if (w->sdl)
                native::hide(w->sdl.get());
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
        if ((w = find_window(hWnd)) && w->sdl)
            native::minimise(w->sdl.get());
        break;
    default:
        if (!w->visible)
            show(hWnd, nCmdShow != SW_SHOWNOACTIVATE && nCmdShow != SW_SHOWNA);
        else if (nCmdShow == SW_RESTORE && w->minimised && w->sdl)
            native::restore(w->sdl.get());
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
    if (w->visible && w->sdl && (w->presented || !native::on_wayland()))
        native::raise(w->sdl.get());
    activate(hWnd, Delivery::sent);
    return TRUE;
}

HWND WINAPI SetFocus(HWND hWnd) {
    if (hWnd && !find_window(hWnd))
        return NULL; // ERROR_INVALID_WINDOW_HANDLE
    if (hWnd)
        activate(hWnd, Delivery::sent);
    return set_focus(hWnd, Delivery::sent);
}
