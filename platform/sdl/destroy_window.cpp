#include "platform/sdl/fault.h"
#include "platform/sdl/layer.h"
#include "platform/sdl/native/native.h"

using namespace zelmvik;

BOOL WINAPI DestroyWindow(HWND hWnd) {
    if (injected_fault("DestroyWindow"))
        return FALSE;
    Window *w = find_window(hWnd);
    if (!w || w->destroying)
        return FALSE;
    w->destroying = true;
    if (w->visible) {
        native::hide(*w);
        w->visible = false;
    }
    deactivate_window(hWnd);
    send_message(hWnd, WM_DESTROY, 0, 0);
    send_message(hWnd, WM_NCDESTROY, 0, 0);
    forget_window(hWnd);
    return TRUE;
}
