#include "platform/report/report.h"
#include "platform/sdl/display_modes/display_modes.h"
#include "platform/sdl/native/native.h"

namespace zelmvik {

namespace {

// The mode ChangeDisplaySettingsA switched to, until it is asked to put the desktop's back.
struct SwitchedMode {
    bool active = false;
    SDL_DisplayMode mode{};
};
SwitchedMode switched;

void fit_every_window() {
    for (auto &w : layer().windows)
        fit_to_switched_mode(*w.second);
}

} // namespace

void give_switched_mode(SDL_Window *window) {
    if (SDL_SetWindowDisplayMode(window, &switched.mode) != 0)
        report("SDL cannot give a window the display mode %dx%d: %s", switched.mode.w,
               switched.mode.h, SDL_GetError());
}

bool covers_switched_mode(const Window &w) {
    return switched.active && (w.style & WS_POPUP) && w.x == 0 && w.y == 0 &&
           w.width == switched.mode.w && w.height == switched.mode.h;
}

void fit_to_switched_mode(Window &w) {
    bool wanted = covers_switched_mode(w);
    if (wanted == w.fullscreen)
        return;
    w.fullscreen = wanted;
    native::set_fullscreen(w, wanted);
}

void switch_display_mode(const SDL_DisplayMode &mode) {
    tell_mode_watchdog_switched(mode.w, mode.h);
    switched.active = true;
    switched.mode = mode;
    fit_every_window();
}

void restore_display_mode() {
    if (!switched.active)
        return;
    switched.active = false;
    fit_every_window();
    tell_mode_watchdog_restored();
}

void forget_switched_mode() {
    switched.active = false;
}

} // namespace zelmvik
