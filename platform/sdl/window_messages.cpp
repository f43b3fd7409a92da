// The messages Windows sends or posts about a window's own state, each made in one place
// whichever way it comes: from a call of the program's (sent) or from the window manager
// through SDL's events (posted).
#include "platform/sdl/layer.h"
#include "platform/sdl/messages.h"
#include "platform/sdl/windows.h"
#include "platform/windows_names.h"

namespace zelmvik {

LRESULT send_message(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    Window *w = find_window(hwnd);
    if (!w || !w->proc)
        return 0;
    // The procedure may destroy the window: nothing of w is used after this call.
    return w->proc(hwnd, message, wParam, lParam);
}

void deliver(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, Delivery how, DWORD time) {
    if (how == Delivery::sent)
        send_message(hwnd, message, wParam, lParam);
    else
        layer().queue.post(hwnd, message, wParam, lParam, time);
}

void tell_activation(Window &w, WORD state, HWND other, Delivery how, DWORD time) {
    Layer &l = layer();
    w.activated = state != WA_INACTIVE;
    if (w.activated)
        l.active = w.hwnd;
    else if (l.active == w.hwnd)
        l.active = NULL;
    // The high word is the minimised flag.
    WPARAM wParam = MAKEWPARAM(state, w.minimised ? 1 : 0);
    deliver(w.hwnd, WM_ACTIVATE, wParam, reinterpret_cast<LPARAM>(other), how, time);
}

void tell_size(Window &w, WPARAM kind, Delivery how, DWORD time) {
    w.reported_width = kind == SIZE_MINIMIZED ? 0 : w.width;
    w.reported_height = kind == SIZE_MINIMIZED ? 0 : w.height;
    LPARAM size = MAKELPARAM(w.reported_width, w.reported_height);
    deliver(w.hwnd, WM_SIZE, kind, size, how, time);
}

} // namespace zelmvik
