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

// Told before the mode changes, so that the watchdog notes the desktop's configuration first,
// and again once the window shows the mode (switched_mode_shown).
void switch_display_mode(const SDL_DisplayMode &mode) {
    if (!switched.active)
        note_desktop_config();
    SDL_Rect primary{};
    SDL_GetDisplayBounds(primary_display(), &primary);
    tell_mode_watchdog_switched(primary.x, primary.y, mode.w, mode.h);
    switched.active = true;
    switched.mode = mode;
    fit_every_window();
}

void restore_display_mode() {
    if (!switched.active)
        return;
    switched.active = false;
    // The desktop's configuration first: SDL then finds the mode it puts back shown already.
    put_back_desktop_config();
    fit_every_window();
    tell_mode_watchdog_restored();
}

void switched_mode_shown(SDL_Window *window) {
    const int display = SDL_GetWindowDisplayIndex(window);
    SDL_Rect bounds;
    SDL_DisplayMode shown;
    if (!switched.active || display < 0 || SDL_GetDisplayBounds(display, &bounds) != 0 ||
        SDL_GetCurrentDisplayMode(display, &shown) != 0)
        return;
    tell_mode_watchdog_switched(bounds.x, bounds.y, shown.w, shown.h);
}

void forget_switched_mode() {
    switched.active = false;
}

} // namespace zelmvik
