#include "platform/font/font_layer.h"
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

void forget_window(HWND hwnd) {
    Layer &l = layer();
    if (Window *w = find_window(hwnd)) {
        l.dcs.erase(w->hdc);
        zelmvik_font_release_dc(w->hdc);
    }
    l.queue.forget_window(hwnd);
    l.windows.erase(hwnd);
    update_screensaver();
}

} // namespace zelmvik
