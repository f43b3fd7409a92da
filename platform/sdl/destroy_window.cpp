#include "platform/sdl/fault.h"
#include "platform/sdl/messages.h"
#include "platform/sdl/windows.h"

using namespace zelmvik;

BOOL WINAPI DestroyWindow(HWND hWnd) {
    if (injected_fault("DestroyWindow"))
        return FALSE;
    Window *w = find_window(hWnd);
    if (!w || w->destroying)
        return FALSE;
    w->destroying = true;
    if (w->visible) {
        if (w->sdl)
            native::hide(w->sdl.get());
        w->visible = false;
    }
    deactivate_window(hWnd);
    end_window(hWnd, WindowEnd::destroyed);
    return TRUE;
}
