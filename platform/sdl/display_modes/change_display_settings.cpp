#include "platform/sdl/display_modes/display_modes.h"
#include "platform/sdl/fault.h"

using namespace zelmvik;

// Bits per pixel as Windows counts them: a 24-bit X visual is stored in 32-bit pixels.
static DWORD bits_of(const SDL_DisplayMode &m) {
    return static_cast<DWORD>(SDL_BYTESPERPIXEL(m.format)) * 8;
}

// The first mode of the display that has every field the request names. A shallower colour
// depth than the mode's own is offered as well, as Windows emulates 8- and 16-bit colour
// for programs on deeper displays.
static bool find_mode(const DEVMODEA &dm, SDL_DisplayMode *found) {
    int n = SDL_GetNumDisplayModes(0);
    for (int i = 0; i < n; ++i) {
        SDL_DisplayMode m;
        if (SDL_GetDisplayMode(0, i, &m) != 0)
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
