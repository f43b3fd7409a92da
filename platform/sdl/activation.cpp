// The thread's active window and keyboard focus: one state, moved by the program's calls
// (ShowWindow, SetForegroundWindow, SetFocus, DestroyWindow) and by the window manager's
// doings (SDL's focus events) alike, each change told to both windows as Windows tells it.
#include "platform/report/trace.h"
#include "platform/sdl/messages.h"
#include "platform/sdl/windows.h"

namespace zelmvik {

void activate(HWND hwnd, Delivery how, DWORD time) {
    Layer &l = layer();
    HWND old = l.active;
    if (old == hwnd)
        return;
    trace(Channel::windows, "activation %p -> %p (%s)", static_cast<void *>(old),
          static_cast<void *>(hwnd), how == Delivery::sent ? "the program's" : "the desktop's");
    if (Window *o = find_window(old))
        tell_activation(*o, WA_INACTIVE, hwnd, how, time);
    if (Window *w = find_window(hwnd))
        tell_activation(*w, WA_ACTIVE, old, how, time);
}

HWND set_focus(HWND hwnd, Delivery how, DWORD time) {
    Layer &l = layer();
    HWND old = l.focus;
    if (old == hwnd)
        return old;
    l.focus = hwnd;
    if (find_window(old))
        deliver(old, WM_KILLFOCUS, reinterpret_cast<WPARAM>(hwnd), 0, how, time);
    if (Window *w = find_window(hwnd)) {
        // The desktop has already given the keyboard where it moved the focus itself.
        if (how == Delivery::sent && w->visible && w->sdl)
            native::take_keyboard(w->sdl.get());
        deliver(hwnd, WM_SETFOCUS, reinterpret_cast<WPARAM>(old), 0, how, time);
    }
    return old;
}

void deactivate_window(HWND hwnd) {
    Layer &l = layer();
    if (l.active == hwnd)
        activate(NULL, Delivery::sent);
    if (l.focus == hwnd)
        set_focus(NULL, Delivery::sent);
}

} // namespace zelmvik
