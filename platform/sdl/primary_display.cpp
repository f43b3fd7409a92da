// Windows counts screen positions from the top-left corner of the primary monitor; SDL, as X11
// and Wayland do, from the top-left of the whole desktop, on which the primary may lie
// anywhere. Every position the layer hands to SDL or takes from it is translated here.
#include "platform/sdl/layer.h"

namespace zelmvik {

namespace {
SDL_Rect last_box_monitor{};
}

void box_shown_on(const SDL_Rect &monitor) {
    last_box_monitor = monitor;
}

// SDL lists the primary first on X11: RandR's primary output (where none is set, the outputs
// in RandR's order). On Wayland, the output of the last box, found by its corner on the
// desktop, stands for it; SDL's first display where no box told. (The corner alone: SDL 3
// gives a scaled output's size in pixels, its place in the desktop's units as GTK does.)
int primary_display() {
    if (!on_wayland() || last_box_monitor.w == 0 || !SDL_WasInit(SDL_INIT_VIDEO))
        return 0;
    for (int i = 0; i < SDL_GetNumVideoDisplays(); ++i) {
        SDL_Rect bounds;
        if (SDL_GetDisplayBounds(i, &bounds) == 0 && bounds.x == last_box_monitor.x &&
            bounds.y == last_box_monitor.y)
            return i;
    }
    return 0;
}

static SDL_Point primary_corner() {
    SDL_Rect bounds;
    if (!SDL_WasInit(SDL_INIT_VIDEO) || SDL_GetDisplayBounds(primary_display(), &bounds) != 0)
        return {0, 0};
    return {bounds.x, bounds.y};
}

// A Wayland compositor places windows itself: SDL is told only the output (SDL 3.2 under
// sdl2-compat takes nothing else for a fullscreen window's output).
SDL_Point to_sdl_position(int x, int y) {
    if (on_wayland()) {
        const int output = static_cast<int>(SDL_WINDOWPOS_UNDEFINED_DISPLAY(primary_display()));
        return {output, output};
    }
    SDL_Point corner = primary_corner();
    return {x + corner.x, y + corner.y};
}

POINT from_sdl_position(int x, int y) {
    SDL_Point corner = primary_corner();
    return {x - corner.x, y - corner.y};
}

} // namespace zelmvik
