#include "platform/font/font_layer.h"
#include "platform/report/report.h"
#include "platform/sdl/display_modes/display_modes.h"
#include "platform/sdl/fault.h"
#include "platform/text/cp1252.h"

#include <algorithm>

using namespace zelmvik;

static const int cw_usedefault = static_cast<int>(0x80000000);

namespace zelmvik {

bool create_sdl_window(Window &w, bool opengl) {
    Uint32 flags = w.visible ? SDL_WINDOW_SHOWN : SDL_WINDOW_HIDDEN;
    if ((w.style & WS_CAPTION) != WS_CAPTION)
        flags |= SDL_WINDOW_BORDERLESS;
    if (w.style & WS_THICKFRAME)
        flags |= SDL_WINDOW_RESIZABLE;
    if (opengl)
        flags |= SDL_WINDOW_OPENGL;
    if (w.fullscreen)
        flags |= SDL_WINDOW_FULLSCREEN;
    SDL_Window *sdl = SDL_CreateWindow(w.title.c_str(), w.x, w.y, w.width, w.height, flags);
    if (!sdl) {
        report("SDL cannot make %s window: %s", opengl ? "an OpenGL" : "a", SDL_GetError());
        return false;
    }
    guard_compositor_connection(sdl);
    if (w.fullscreen)
        give_switched_mode(sdl);
    w.sdl.reset(sdl);
    return true;
}

} // namespace zelmvik

// Destroys a window whose creation a procedure refused, without the messages of
// DestroyWindow's full teardown beyond what Windows sends then.
static void abandon(HWND hwnd) {
    Layer &l = layer();
    Window *w = find_window(hwnd);
    if (!w)
        return;
    l.dcs.erase(w->hdc);
    zelmvik_font_release_dc(w->hdc);
    l.queue.forget_window(hwnd);
    l.windows.erase(hwnd);
}

// The outer rectangle asked for loses the nominal frame of its style (AdjustWindowRectEx),
// so the SDL window's client area is exactly the client area the program computed from.
HWND WINAPI CreateWindowExA(DWORD dwExStyle, LPCSTR lpClassName, LPCSTR lpWindowName, DWORD dwStyle,
                            int X, int Y, int nWidth, int nHeight, HWND hWndParent, HMENU hMenu,
                            HINSTANCE hInstance, LPVOID lpParam) {
    (void)hWndParent;
    (void)lpParam;
    if (injected_fault("CreateWindowExA"))
        return NULL;
    std::string key;
    const WindowClass *c = find_class(lpClassName, hInstance, &key);
    if (!c || !video())
        return NULL;

    Layer &l = layer();
    auto w = std::make_unique<Window>();
    w->class_name = key;
    w->instance = hInstance;
    w->proc = c->wc.lpfnWndProc;
    w->style = dwStyle & ~WS_VISIBLE;
    w->ex_style = dwExStyle;
    w->title = text::cp1252_to_utf8(lpWindowName ? lpWindowName : "");

    RECT f = frame_for_style(w->style, hMenu != NULL, dwExStyle);
    bool default_place = X == cw_usedefault;
    w->x = default_place ? 0 : X - f.left;
    w->y = default_place ? 0 : Y - f.top;
    if (nWidth == cw_usedefault) {
        nWidth = 640 + f.right - f.left;
        nHeight = 480 + f.bottom - f.top;
    }
    w->width = std::max(1, static_cast<int>(nWidth - (f.right - f.left)));
    w->height = std::max(1, static_cast<int>(nHeight - (f.bottom - f.top)));
    w->fullscreen = covers_switched_mode(*w);
    if (!create_sdl_window(*w, false))
        return NULL;
    if (default_place)
        SDL_SetWindowPosition(w->sdl.get(), SDL_WINDOWPOS_UNDEFINED, SDL_WINDOWPOS_UNDEFINED);

    HWND hwnd = l.new_handle<HWND>();
    HDC hdc = l.new_handle<HDC>();
    w->hwnd = hwnd;
    w->hdc = hdc;
    l.windows[hwnd] = std::move(w);
    l.dcs[hdc] = hwnd;

    if (!send_message(hwnd, WM_NCCREATE, 0, 0)) {
        send_message(hwnd, WM_NCDESTROY, 0, 0);
        abandon(hwnd);
        return NULL;
    }
    if (send_message(hwnd, WM_CREATE, 0, 0) == -1) {
        send_message(hwnd, WM_DESTROY, 0, 0);
        send_message(hwnd, WM_NCDESTROY, 0, 0);
        abandon(hwnd);
        return NULL;
    }
    if (!find_window(hwnd))
        return NULL; // destroyed by its own procedure
    if (dwStyle & WS_VISIBLE)
        ShowWindow(hwnd, SW_SHOW);
    return hwnd;
}
