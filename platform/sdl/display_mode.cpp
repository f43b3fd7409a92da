#include "platform/sdl/fault.h"
#include "platform/sdl/layer.h"

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

// SDL switches modes only for a fullscreen window, so a mode set here is remembered and taken
// up by the popup window that covers it (apply_display_mode); putting the desktop mode back
// takes every window out of fullscreen. Every mode set is temporary, as CDS_FULLSCREEN asks:
// the watchdog puts the display back should the process end without doing so.
LONG WINAPI ChangeDisplaySettingsA(DEVMODEA *lpDevMode, DWORD dwFlags) {
    Layer &l = layer();
    if (!lpDevMode) {
        if (l.display.switched) {
            l.display.switched = false;
            for (auto &w : l.windows)
                apply_display_mode(*w.second);
            watch_display_mode(0, 0);
        }
        return DISP_CHANGE_SUCCESSFUL;
    }
    (void)dwFlags;
    if (injected_fault("ChangeDisplaySettingsA"))
        return DISP_CHANGE_FAILED;
    if (!video())
        return DISP_CHANGE_FAILED;
    SDL_DisplayMode mode;
    if (!find_mode(*lpDevMode, &mode))
        return DISP_CHANGE_BADMODE;
    watch_display_mode(mode.w, mode.h);
    l.display.switched = true;
    l.display.mode = mode;
    for (auto &w : l.windows)
        apply_display_mode(*w.second);
    return DISP_CHANGE_SUCCESSFUL;
}
