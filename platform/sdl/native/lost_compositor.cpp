// A Wayland compositor that goes away ends the process, as a lost X display does.
#include "platform/sdl/native/made.h"
#include "platform/sdl/native/native.h"
#include "platform/wayland/lost_display.h"

namespace zelmvik::native {

// SDL's windows share one connection, which SDL hands out only with a window.
void guard_compositor_connection(SDL_Window *window) {
    end_process_when_compositor_hangs_up(wayland_display(window));
}

// MEND sdl-wayland-lost-compositor
// library: SDL 2.26, 2.32; SDL 3.2 under sdl2-compat (Wayland)
// upstream: not reported
// goes when: SDL says a broken Wayland connection otherwise than by its quit event
// SDL reports a broken Wayland connection only as a quit event, which would close the
// windows and end the program as if the user had asked.
void end_process_if_compositor_gone() {
    if (wl_display *display = wayland_display(any_made_window())) {
        if (wayland_display_lost(display))
            end_process_on_lost_wayland_display();
    }
}

} // namespace zelmvik::native
