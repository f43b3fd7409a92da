#include "platform/report/trace.h"
#include "platform/sdl/display_settings.h"
#include "platform/sdl/fault.h"
#include "platform/sdl/messages.h"
#include "platform/sdl/video.h"
#include "platform/sdl/windows.h"
#include "platform/text/cp1252.h"
#include "platform/windows_names.h"

#include <algorithm>

using namespace zelmvik;

static const int default_client_width = 640, default_client_height = 480;

// The window is the layer's until it is first needed on the screen: its SDL window is made
// with its pixel format, or when it is shown (native/native.h). The outer rectangle asked for
// loses the nominal frame of its style (AdjustWindowRectEx), so the client area is exactly
// the client area the program computed from.
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
    w->placed_by_system = X == CW_USEDEFAULT;
    w->x = w->placed_by_system ? 0 : X - f.left;
    w->y = w->placed_by_system ? 0 : Y - f.top;
    // Windows' default size for an overlapped window depends on the screen; the program never
    // asks for it, and the layer gives the program's own.
    if (nWidth == CW_USEDEFAULT) {
        nWidth = default_client_width + f.right - f.left;
        nHeight = default_client_height + f.bottom - f.top;
    }
    w->width = std::max(1, static_cast<int>(nWidth - (f.right - f.left)));
    w->height = std::max(1, static_cast<int>(nHeight - (f.bottom - f.top)));
    w->fullscreen = covers_switched_mode(*w);
    w->pixel_format = 0;

    HWND hwnd = l.new_handle<HWND>();
    HDC hdc = l.new_handle<HDC>();
    w->hwnd = hwnd;
    w->hdc = hdc;
    l.windows[hwnd] = std::move(w);
    l.dcs[hdc] = hwnd;

    trace(Channel::windows, "window %p: \"%s\", client %dx%d at %d,%d%s, style %#lx",
          static_cast<void *>(hwnd), l.windows[hwnd]->title.c_str(), l.windows[hwnd]->width,
          l.windows[hwnd]->height, l.windows[hwnd]->x, l.windows[hwnd]->y,
          l.windows[hwnd]->fullscreen ? ", covering the switched mode" : "",
          static_cast<unsigned long>(dwStyle));
    // A procedure that refuses its window gets the messages of its end, as on Windows, and the
    // window is gone.
    if (!send_message(hwnd, WM_NCCREATE, 0, 0)) {
        end_window(hwnd, WindowEnd::refused_at_nccreate);
        return NULL;
    }
    if (send_message(hwnd, WM_CREATE, 0, 0) == -1) {
        end_window(hwnd, WindowEnd::destroyed);
        return NULL;
    }
    if (!find_window(hwnd))
        return NULL; // destroyed by its own procedure
    if (dwStyle & WS_VISIBLE)
        ShowWindow(hwnd, SW_SHOW);
    return hwnd;
}
