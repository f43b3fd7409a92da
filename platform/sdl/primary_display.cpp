// Windows counts screen positions from the top-left corner of the primary monitor; SDL, as X11
// and Wayland do, from the top-left of the whole desktop, on which the primary may lie
// anywhere. Every position the layer hands to SDL or takes from it is translated here.
#include "platform/sdl/layer.h"

namespace zelmvik {

// SDL lists the primary first: RandR's primary output on X11 (where none is set, the outputs
// in RandR's order), the compositor's first output on Wayland.
int primary_display() {
    return 0;
}

static SDL_Point primary_corner() {
    SDL_Rect bounds;
    if (!SDL_WasInit(SDL_INIT_VIDEO) || SDL_GetDisplayBounds(primary_display(), &bounds) != 0)
        return {0, 0};
    return {bounds.x, bounds.y};
}

SDL_Point to_sdl_position(int x, int y) {
    SDL_Point corner = primary_corner();
    return {x + corner.x, y + corner.y};
}

POINT from_sdl_position(int x, int y) {
    SDL_Point corner = primary_corner();
    return {x - corner.x, y - corner.y};
}

} // namespace zelmvik
