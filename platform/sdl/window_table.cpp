#include "platform/font/font_layer.h"
#include "platform/report/trace.h"
#include "platform/sdl/display_settings.h"
#include "platform/sdl/messages.h"
#include "platform/sdl/video.h"
#include "platform/sdl/windows.h"

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

void end_window(HWND hwnd, WindowEnd how) {
    if (how == WindowEnd::destroyed)
        send_message(hwnd, WM_DESTROY, 0, 0);
    if (how != WindowEnd::with_the_process)
        send_message(hwnd, WM_NCDESTROY, 0, 0);
    Layer &l = layer();
    if (Window *w = find_window(hwnd)) {
        trace(Channel::windows, "window %p ends", static_cast<void *>(hwnd));
        l.dcs.erase(w->hdc);
        zelmvik_font_release_dc(w->hdc);
    }
    l.queue.forget_window(hwnd);
    l.windows.erase(hwnd);
    update_screensaver();
}

bool make_sdl_window(Window &w, const PixelFormat *format) {
    native::WindowRequest wanted;
    wanted.title = w.title;
    wanted.at = w.placed_by_system ? SDL_Point{static_cast<int>(SDL_WINDOWPOS_UNDEFINED),
                                               static_cast<int>(SDL_WINDOWPOS_UNDEFINED)}
                                   : to_sdl_position(w.x, w.y);
    wanted.width = w.width;
    wanted.height = w.height;
    wanted.visible = w.visible;
    wanted.captioned = (w.style & WS_CAPTION) == WS_CAPTION;
    wanted.resizable = (w.style & WS_THICKFRAME) != 0;
    wanted.fullscreen = w.fullscreen;
    wanted.mode = switched_display_mode();
    PixelFormat actual{};
    SDL_Window *sdl = native::make(wanted, format, &actual);
    if (!sdl)
        return false;
    w.sdl.reset(sdl);
    if (format)
        w.actual_format = actual;
    return true;
}

void update_screensaver() {
    if (!SDL_WasInit(SDL_INIT_VIDEO))
        return;
    bool refused = false;
    for (const auto &w : layer().windows)
        refused = refused || (w.second->visible && w.second->refuses_screensaver);
    if (refused)
        SDL_DisableScreenSaver();
    else
        SDL_EnableScreenSaver();
}

} // namespace zelmvik
