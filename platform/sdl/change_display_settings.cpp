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
// out of shape is not offered as it is, but shown scaled by the layer (below).
static bool keeps_only_the_output_shape(int display, SDL_DisplayMode *desktop) {
    return native::on_wayland() && !native::sdl3_underneath() &&
           SDL_GetDesktopDisplayMode(display, desktop) == 0;
}

// Where the display is a compositor's (Wayland's, or an XWayland's), a mode it does not list
// is one it cannot set for its programs at all (cage's, say, which scales nothing): the
// desktop's own mode shows it instead, the layer scaling the picture (scaled_presentation.h)
// as Windows' GPU scaling shows a mode the panel lacks. A real X server that lists no such
// mode has none, and says so.
static bool shows_unlisted_modes_scaled() {
    return native::on_wayland() || native::on_xwayland();
}

// The mode of the primary display that answers the request, as the display lists it, or the
// desktop's own where it shows the request scaled.
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
    if (chosen >= 0) {
        *found = sdl_modes[static_cast<size_t>(chosen)];
        return true;
    }
    if (!shows_unlisted_modes_scaled() || SDL_GetDesktopDisplayMode(display, &desktop) != 0 ||
        !display_modes::shown_scaled_by(dm, mode_of(desktop)))
        return false;
    trace(Channel::modes, "the compositor sets no such mode: its desktop's, %dx%d, shows it scaled",
          desktop.w, desktop.h);
    *found = desktop;
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
    const DWORD fields = lpDevMode->dmFields;
    switch_display_mode(
        mode, fields & DM_PELSWIDTH ? static_cast<int>(lpDevMode->dmPelsWidth) : mode.w,
        fields & DM_PELSHEIGHT ? static_cast<int>(lpDevMode->dmPelsHeight) : mode.h);
    return DISP_CHANGE_SUCCESSFUL;
}
