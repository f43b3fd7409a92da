#include "platform/sdl/fault.h"
#include "platform/sdl/layer.h"
#include "platform/sdl/windows.h"

#include "platform/font/font_layer.h"

using namespace zelmvik;

// Every window has one device context of its own, for its whole life, whatever its class
// style says (the program's class is CS_OWNDC anyway). There is no screen DC: GetDC(NULL)
// returns NULL.
HDC WINAPI GetDC(HWND hWnd) {
    if (injected_fault("GetDC"))
        return NULL;
    Window *w = find_window(hWnd);
    return w ? w->hdc : NULL;
}

int WINAPI ReleaseDC(HWND hWnd, HDC hDC) {
    if (injected_fault("ReleaseDC"))
        return 0;
    Window *w = window_of_dc(hDC);
    if (!w || w->hwnd != hWnd)
        return 0;
    zelmvik_font_release_dc(hDC);
    return 1;
}
