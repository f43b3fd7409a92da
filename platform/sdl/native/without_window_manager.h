// Within native/: SDL calls that make a window fullscreen or take it out, given what SDL 3.2
// waits for in vain on an X server with no window manager (without_window_manager.cpp).
#pragma once

#include <SDL.h>

namespace zelmvik::native {

// SDL_ShowWindow for a window made fullscreen.
void show_fullscreen(SDL_Window *window);
// SDL_SetWindowFullscreen on the display mode the window was given, or off; SDL's result.
int set_fullscreen_state(SDL_Window *window, bool fullscreen);

} // namespace zelmvik::native
