// Within native/: the windows this room has made and not yet destroyed, and what it does to
// each as it is made.
#pragma once

#include <SDL.h>

namespace zelmvik::native {

// One window of those made, the hidden one included; null when there is none.
SDL_Window *any_made_window();
// Watches the Wayland connection behind the window: the process ends once the compositor
// hangs up (lost_compositor.cpp).
void guard_compositor_connection(SDL_Window *window);

} // namespace zelmvik::native
