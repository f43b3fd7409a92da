#include "platform/sdl/layer.h"
#include "platform/wayland/lost_display.h"

#include <SDL_syswm.h>

namespace zelmvik {

// SDL reports a broken Wayland connection only as a quit event, which would close the
// windows and end the program as if the user had asked. Every window shares SDL's one
// connection, so any of them tells.
void end_process_if_compositor_gone() {
    if (!on_wayland())
        return;
    for (const auto &w : layer().windows) {
        SDL_SysWMinfo info;
        SDL_VERSION(&info.version);
        if (!w.second->sdl || !SDL_GetWindowWMInfo(w.second->sdl.get(), &info) ||
            info.subsystem != SDL_SYSWM_WAYLAND)
            continue;
        if (wayland_display_lost(info.info.wl.display))
            end_process_on_lost_wayland_display();
        return;
    }
}

} // namespace zelmvik
