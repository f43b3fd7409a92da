// Showing, hiding, fullscreen and the window manager's states of the SDL window behind a layer
// window. A window shown before it has a pixel format gets a plain SDL window here.
#include "platform/report/report.h"
#include "platform/sdl/display_modes/display_modes.h"
#include "platform/sdl/native/native.h"
#include "platform/sdl/native/without_window_manager.h"

namespace zelmvik::native {

void show(Window &w) {
    if (!w.sdl && !make(w, nullptr))
        return;
    if (w.fullscreen) {
        show_fullscreen(w.sdl.get());
        switched_mode_shown(w.sdl.get());
    } else {
        SDL_ShowWindow(w.sdl.get());
    }
}

void hide(Window &w) {
    if (w.sdl)
        SDL_HideWindow(w.sdl.get());
}

bool set_fullscreen(Window &w, bool fullscreen) {
    if (!w.sdl)
        return true; // made fullscreen or not as it is made
    if (fullscreen)
        give_switched_mode(w.sdl.get());
    if (set_fullscreen_state(w.sdl.get(), fullscreen) != 0) {
        report("SDL cannot take a window %s fullscreen: %s", fullscreen ? "to" : "out of",
               SDL_GetError());
        return false;
    }
    if (fullscreen && w.visible)
        switched_mode_shown(w.sdl.get());
    return true;
}

void minimise(Window &w) {
    if (w.sdl)
        SDL_MinimizeWindow(w.sdl.get());
}

void restore(Window &w) {
    if (w.sdl)
        SDL_RestoreWindow(w.sdl.get());
}

void maximise(Window &w) {
    if (w.sdl)
        SDL_MaximizeWindow(w.sdl.get());
}

void raise(Window &w) {
    if (w.sdl)
        SDL_RaiseWindow(w.sdl.get());
}

void take_keyboard(Window &w) {
    if (w.sdl)
        SDL_SetWindowInputFocus(w.sdl.get());
}

} // namespace zelmvik::native
