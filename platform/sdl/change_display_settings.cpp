#include "platform/report/trace.h"
#include "platform/sdl/display_modes/modes.h"
#include "platform/sdl/display_settings.h"
#include "platform/sdl/fault.h"
#include "platform/sdl/video.h"

#include <vector>

using namespace zelmvik;

// Bits per pixel as Windows counts them: a 24-bit X visual is stored in 32-bit pixels.
static display_modes::Mode mode_of(const SDL_DisplayMode &m) {
    return {m.w, m.h, static_cast<int>(SDL_BYTESPERPIXEL(m.format)) * 8, m.refresh_rate};
}

// MEND sdl2-wayland-stretched-modes
// library: SDL 2.26 (Wayland; seen with sway 1.7)
// upstream: SDL 3.2 shows a mode in its proportion where asked (SDL_VIDEO_WAYLAND_MODE_SCALING);
//   SDL 2 has no such choice
// goes when: the releases served have no classic SDL 2
// On Wayland a mode is SDL's scaling of the window to the output, which SDL 2 stretches over
// an output of another shape (a 4:3 picture 3 times as wide and 2.25 times as high on a 16:9
// panel). Windows' default GPU scaling keeps a mode's proportion; a mode SDL 2 can show only
// out of shape is not offered, so the program asks to use a window instead.
static bool keeps_only_the_output_shape(int display, SDL_DisplayMode *desktop) {
    return native::on_wayland() && !native::sdl3_underneath() &&
           SDL_GetDesktopDisplayMode(display, desktop) == 0;
}

// The mode of the primary display that answers the request, as the display lists it.
static bool find_mode(const DEVMODEA &dm, SDL_DisplayMode *found) {
    const int display = primary_display();
    std::vector<SDL_DisplayMode> sdl_modes;
    std::vector<display_modes::Mode> listed;
    for (int i = 0, n = SDL_GetNumDisplayModes(display); i < n; ++i) {
        SDL_DisplayMode m;
        if (SDL_GetDisplayMode(display, i, &m) == 0) {
            sdl_modes.push_back(m);
            listed.push_back(mode_of(m));
        }
    }
    SDL_DisplayMode desktop;
    display_modes::Mode shape{};
    bool keep_shape = keeps_only_the_output_shape(display, &desktop);
    if (keep_shape)
        shape = mode_of(desktop);
    int chosen = display_modes::choose(dm, listed, keep_shape ? &shape : nullptr);
    if (tracing(Channel::modes)) {
        std::string modes;
        for (const display_modes::Mode &m : listed)
            modes += " " + std::to_string(m.width) + "x" + std::to_string(m.height) + "x" +
                     std::to_string(m.bits) + "@" + std::to_string(m.refresh);
        trace(Channel::modes, "display %d lists%s%s", display, modes.c_str(),
              keep_shape ? " (only those of the output's shape are offered: SDL 2 would stretch "
                           "the others)"
                         : "");
        trace(Channel::modes, "asked %lux%lux%lu: %s", static_cast<unsigned long>(dm.dmPelsWidth),
              static_cast<unsigned long>(dm.dmPelsHeight),
              static_cast<unsigned long>(dm.dmBitsPerPel),
              chosen < 0 ? "no mode answers it" : "chose the first that answers it");
    }
    if (chosen < 0)
        return false;
    *found = sdl_modes[static_cast<size_t>(chosen)];
    return true;
}

// Every mode set is temporary, as CDS_FULLSCREEN asks: the watchdog puts the display back
// should the process end without doing so.
LONG WINAPI ChangeDisplaySettingsA(DEVMODEA *lpDevMode, DWORD dwFlags) {
    (void)dwFlags;
    if (!lpDevMode) {
        trace(Channel::modes, "asked for the desktop's mode back");
        restore_display_mode();
        return DISP_CHANGE_SUCCESSFUL;
    }
    if (injected_fault("ChangeDisplaySettingsA"))
        return DISP_CHANGE_FAILED;
    if (!video())
        return DISP_CHANGE_FAILED;
    SDL_DisplayMode mode;
    if (!find_mode(*lpDevMode, &mode))
        return DISP_CHANGE_BADMODE;
    switch_display_mode(mode);
    return DISP_CHANGE_SUCCESSFUL;
}
