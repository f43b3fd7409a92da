#include "platform/sdl/layer.h"

namespace zelmvik {

Window *find_window(HWND hwnd) {
    auto it = layer().windows.find(hwnd);
    return it == layer().windows.end() ? nullptr : it->second.get();
}

Window *window_of_dc(HDC hdc) {
    auto it = layer().dcs.find(hdc);
    return it == layer().dcs.end() ? nullptr : find_window(it->second);
}

Window *window_of_sdl_id(Uint32 id) {
    for (auto &w : layer().windows)
        if (w.second->sdl && SDL_GetWindowID(w.second->sdl.get()) == id)
            return w.second.get();
    return nullptr;
}

LRESULT send_message(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    Window *w = find_window(hwnd);
    if (!w || !w->proc)
        return 0;
    // The procedure may destroy the window: nothing of w is used after this call.
    return w->proc(hwnd, message, wParam, lParam);
}

} // namespace zelmvik
