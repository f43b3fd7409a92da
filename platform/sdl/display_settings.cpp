#include "platform/sdl/display_settings.h"
#include "platform/report/trace.h"
#include "platform/sdl/video.h"

namespace zelmvik {

namespace {

// The mode ChangeDisplaySettingsA switched to, until it is asked to put the desktop's back: the
// program's size, and SDL's mode that shows it.
struct SwitchedMode {
    bool active = false;
    int width = 0, height = 0;
    SDL_DisplayMode mode{};
};
SwitchedMode switched;

void fit_every_window() {
    for (auto &w : layer().windows)
        fit_to_switched_mode(*w.second);
}

} // namespace

const SDL_DisplayMode *switched_display_mode() {
    return switched.active ? &switched.mode : nullptr;
}

bool covers_switched_mode(const Window &w) {
    return switched.active && (w.style & WS_POPUP) && w.x == 0 && w.y == 0 &&
           w.width == switched.width && w.height == switched.height;
}

void fit_to_switched_mode(Window &w) {
    bool wanted = covers_switched_mode(w);
    if (wanted == w.fullscreen)
        return;
    w.fullscreen = wanted;
    if (!w.sdl)
        return; // made fullscreen or not as it is made
    if (wanted)
        native::give_mode(w.sdl.get(), switched.mode);
    if (native::set_fullscreen(w.sdl.get(), wanted) && wanted && w.visible)
        switched_mode_shown(w);
}

// Told before the mode changes, so that the watchdog notes the desktop's configuration first,
// and again once the window shows the mode (switched_mode_shown).
void switch_display_mode(const SDL_DisplayMode &mode, int width, int height) {
    if (!switched.active)
        note_desktop_config();
    SDL_Rect primary{};
    SDL_GetDisplayBounds(primary_display(), &primary);
    trace(Channel::modes, "switching display %d (%dx%d at %d,%d) to %dx%d@%d", primary_display(),
          primary.w, primary.h, primary.x, primary.y, mode.w, mode.h, mode.refresh_rate);
    tell_mode_watchdog_switched(primary.x, primary.y, mode.w, mode.h);
    switched.active = true;
    switched.width = width;
    switched.height = height;
    switched.mode = mode;
    fit_every_window();
}

void restore_display_mode() {
    if (!switched.active)
        return;
    switched.active = false;
    // MEND sdl3-x11-restore-order
    // library: SDL 3.4 under sdl2-compat (X11, two outputs)
    // upstream: not reported
    // goes when: SDL 3 finds the desktop's mode back whatever the screen's configuration
    // The desktop's configuration first: SDL then finds the mode it puts back shown already,
    // where SDL 3.4 otherwise went on taking the primary for switched, and switched it no more.
    put_back_desktop_config();
    fit_every_window();
    tell_mode_watchdog_restored();
    trace(Channel::modes, "the desktop's mode is back");
}

void switched_mode_shown(Window &w) {
    SDL_Rect output;
    SDL_DisplayMode shown;
    if (!switched.active || !w.sdl || !native::shown_mode(w.sdl.get(), &output, &shown))
        return;
    trace(Channel::modes, "the window shows %dx%d on the output at %d,%d", shown.w, shown.h,
          output.x, output.y);
    tell_mode_watchdog_switched(output.x, output.y, shown.w, shown.h);
}

void forget_switched_mode() {
    switched.active = false;
}

} // namespace zelmvik
