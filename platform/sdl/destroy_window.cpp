#include "platform/sdl/fault.h"
#include "platform/sdl/layer.h"

#include "platform/font/font_layer.h"

using namespace zelmvik;

BOOL WINAPI DestroyWindow(HWND hWnd) {
    if (injected_fault("DestroyWindow"))
        return FALSE;
    Window *w = find_window(hWnd);
    if (!w || w->destroying)
        return FALSE;
    w->destroying = true;
    if (w->visible) {
        SDL_HideWindow(w->sdl.get());
        w->visible = false;
    }
    deactivate_window(hWnd);
    send_message(hWnd, WM_DESTROY, 0, 0);
    send_message(hWnd, WM_NCDESTROY, 0, 0);

    Layer &l = layer();
    if ((w = find_window(hWnd))) {
        l.dcs.erase(w->hdc);
        zelmvik_font_release_dc(w->hdc);
    }
    l.queue.forget_window(hWnd);
    l.windows.erase(hWnd);
    update_screensaver();
    return TRUE;
}
