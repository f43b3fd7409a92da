#include "platform/sdl/layer.h"
#include "platform/wayland/lost_display.h"

#include <SDL_syswm.h>

namespace zelmvik {

static wl_display *wayland_display_of(SDL_Window *window) {
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (!window || !SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_WAYLAND)
        return nullptr;
    return info.info.wl.display;
}

// SDL's windows share one connection, which SDL hands out only with a window.
void guard_compositor_connection(SDL_Window *window) {
    end_process_when_compositor_hangs_up(wayland_display_of(window));
}

// SDL reports a broken Wayland connection only as a quit event, which would close the
// windows and end the program as if the user had asked.
void end_process_if_compositor_gone() {
    for (const auto &w : layer().windows) {
        if (wl_display *display = wayland_display_of(w.second->sdl.get())) {
            if (wayland_display_lost(display))
                end_process_on_lost_wayland_display();
            return;
        }
    }
}

} // namespace zelmvik
