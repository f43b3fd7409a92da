#include "platform/sdl/layer.h"
#include "platform/sdl/native/native.h"
#include "platform/wayland/lost_display.h"

namespace zelmvik {

// SDL's windows share one connection, which SDL hands out only with a window.
void guard_compositor_connection(SDL_Window *window) {
    end_process_when_compositor_hangs_up(native::wayland_display(window));
}

// MEND sdl-wayland-lost-compositor
// library: SDL 2.26, 2.32; SDL 3.2 under sdl2-compat (Wayland)
// upstream: not reported
// goes when: SDL says a broken Wayland connection otherwise than by its quit event
// SDL reports a broken Wayland connection only as a quit event, which would close the
// windows and end the program as if the user had asked.
void end_process_if_compositor_gone() {
    for (const auto &w : layer().windows) {
        if (wl_display *display = native::wayland_display(w.second->sdl.get())) {
            if (wayland_display_lost(display))
                end_process_on_lost_wayland_display();
            return;
        }
    }
}

} // namespace zelmvik
