#include "platform/sdl/display_modes/display_modes.h"
#include "platform/sdl/fault.h"

using namespace zelmvik;

// Bits per pixel as Windows counts them: a 24-bit X visual is stored in 32-bit pixels.
static DWORD bits_of(const SDL_DisplayMode &m) {
    return static_cast<DWORD>(SDL_BYTESPERPIXEL(m.format)) * 8;
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
static bool stretched(int display, const SDL_DisplayMode &m) {
    SDL_DisplayMode desktop;
    if (!on_wayland() || sdl3_underneath() || SDL_GetDesktopDisplayMode(display, &desktop) != 0)
        return false;
    // Within half a percent: a scaled output's logical size is rounded.
    const long long a = static_cast<long long>(m.w) * desktop.h;
    const long long b = static_cast<long long>(desktop.w) * m.h;
    return 200 * (a > b ? a - b : b - a) > (a > b ? a : b);
}

// The first mode of the primary display that has every field the request names. A shallower colour
// depth than the mode's own is offered as well, as Windows emulates 8- and 16-bit colour
// for programs on deeper displays.
static bool find_mode(const DEVMODEA &dm, SDL_DisplayMode *found) {
    const int display = primary_display();
    int n = SDL_GetNumDisplayModes(display);
    for (int i = 0; i < n; ++i) {
        SDL_DisplayMode m;
        if (SDL_GetDisplayMode(display, i, &m) != 0 || stretched(display, m))
            continue;
        if ((dm.dmFields & DM_PELSWIDTH) && static_cast<DWORD>(m.w) != dm.dmPelsWidth)
            continue;
        if ((dm.dmFields & DM_PELSHEIGHT) && static_cast<DWORD>(m.h) != dm.dmPelsHeight)
            continue;
        if ((dm.dmFields & DM_BITSPERPEL) && dm.dmBitsPerPel > bits_of(m))
            continue;
        if ((dm.dmFields & DM_DISPLAYFREQUENCY) && dm.dmDisplayFrequency > 1 &&
            static_cast<DWORD>(m.refresh_rate) != dm.dmDisplayFrequency)
            continue;
        *found = m;
        return true;
    }
    return false;
}

// Every mode set is temporary, as CDS_FULLSCREEN asks: the watchdog puts the display back
// should the process end without doing so.
LONG WINAPI ChangeDisplaySettingsA(DEVMODEA *lpDevMode, DWORD dwFlags) {
    (void)dwFlags;
    if (!lpDevMode) {
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
