// Showing, hiding, fullscreen and the window manager's states of SDL windows.
#include "platform/report/report.h"
#include "platform/report/trace.h"
#include "platform/sdl/native/native.h"
#include "platform/sdl/native/without_window_manager.h"

namespace zelmvik::native {

// SDL waits for the window to be mapped (X11) or configured (Wayland), as long as it takes.
void show(SDL_Window *window) {
    BoundedWait bounded("the window did not show", wait_for_the_display_s);
    if (SDL_GetWindowFlags(window) & SDL_WINDOW_FULLSCREEN)
        show_fullscreen(window);
    else
        SDL_ShowWindow(window);
}

void hide(SDL_Window *window) {
    SDL_HideWindow(window);
}

// MEND sdl2-compat-closest-mode
// library: sdl2-compat 2.32.54 (SDL 3.2), 2.32.74 (SDL 3.4)
// upstream: none: sdl2-compat asks SDL 3 for the closest fullscreen mode by design
// goes when: never, while sdl2-compat asks for the closest mode
// A window about to be made fullscreen is given the switched mode, one the display lists:
// SDL 3, which sdl2-compat asks for the closest fullscreen mode and which takes the desktop's
// where none is close, gets that very mode, as SDL 2 does (SDL 2 would keep the desktop's).
bool give_mode(SDL_Window *window, const SDL_DisplayMode &mode) {
    if (SDL_SetWindowDisplayMode(window, &mode) == 0)
        return true;
    report("SDL cannot give a window the display mode %dx%d: %s", mode.w, mode.h, SDL_GetError());
    return false;
}

// MEND sdl2-wayland-hidden-cursor-out-of-fullscreen
// library: SDL 2.26 (Wayland; cage 0.1.4)
// upstream: not reported
// goes when: the releases served have no classic SDL 2 before 2.32 (later ones not seen to crash
//   here, nor tried on cage)
// SDL 2.26 on cage crashes in SDL_ShowCursor when the cursor was hidden while a window went
// out of fullscreen: as the program shows it again on leaving its 640x480 mode. The cursor is
// shown across the change and hidden again after it, which SDL takes without harm.
static int set_fullscreen_state_showing_the_cursor(SDL_Window *window, bool fullscreen) {
    const bool hidden = !fullscreen && on_wayland() && !sdl3_underneath() &&
                        SDL_ShowCursor(SDL_QUERY) == SDL_DISABLE;
    if (hidden)
        SDL_ShowCursor(SDL_ENABLE);
    const int result = set_fullscreen_state(window, fullscreen);
    if (hidden)
        SDL_ShowCursor(SDL_DISABLE);
    return result;
}

bool set_fullscreen(SDL_Window *window, bool fullscreen) {
    if (set_fullscreen_state_showing_the_cursor(window, fullscreen) != 0) {
        report("SDL cannot take a window %s fullscreen: %s", fullscreen ? "to" : "out of",
               SDL_GetError());
        return false;
    }
    trace(Channel::windows, "SDL window %u %s", SDL_GetWindowID(window),
          fullscreen ? "fullscreen" : "windowed");
    return true;
}

bool shown_mode(SDL_Window *window, SDL_Rect *output, SDL_DisplayMode *mode) {
    const int display = SDL_GetWindowDisplayIndex(window);
    return display >= 0 && SDL_GetDisplayBounds(display, output) == 0 &&
           SDL_GetCurrentDisplayMode(display, mode) == 0;
}

void minimise(SDL_Window *window) {
    SDL_MinimizeWindow(window);
}

void restore(SDL_Window *window) {
    SDL_RestoreWindow(window);
}

void maximise(SDL_Window *window) {
    SDL_MaximizeWindow(window);
}

void raise(SDL_Window *window) {
    SDL_RaiseWindow(window);
}

void take_keyboard(SDL_Window *window) {
    SDL_SetWindowInputFocus(window);
}

} // namespace zelmvik::native
