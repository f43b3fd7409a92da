// Windows counts screen positions from the top-left corner of the primary monitor; SDL, as X11
// and Wayland do, from the top-left of the whole desktop, on which the primary may lie
// anywhere. Every position the layer hands to SDL or takes from it is translated here.
#include "platform/sdl/display_modes/outputs.h"
#include "platform/sdl/native/native.h"
#include "platform/sdl/video.h"

#include <vector>

namespace zelmvik {

namespace {
display_modes::Area last_box_monitor{};
}

void box_shown_on(const SDL_Rect &monitor) {
    last_box_monitor = {monitor.x, monitor.y, monitor.w, monitor.h};
}

int primary_display() {
    if (!SDL_WasInit(SDL_INIT_VIDEO))
        return 0;
    std::vector<display_modes::Area> outputs;
    for (int i = 0; i < SDL_GetNumVideoDisplays(); ++i) {
        SDL_Rect bounds{};
        SDL_GetDisplayBounds(i, &bounds);
        outputs.push_back({bounds.x, bounds.y, bounds.w, bounds.h});
    }
    return display_modes::primary_output(outputs, native::on_wayland(), &last_box_monitor);
}

static display_modes::Point primary_corner() {
    SDL_Rect bounds;
    if (!SDL_WasInit(SDL_INIT_VIDEO) || SDL_GetDisplayBounds(primary_display(), &bounds) != 0)
        return {0, 0};
    return {bounds.x, bounds.y};
}

// MEND sdl3-wayland-fullscreen-output-only
// library: SDL 3.2 under sdl2-compat (Wayland)
// upstream: not reported
// goes when: every SDL 3 the layer runs on takes a position's output for a fullscreen window
// SDL 3.2 takes nothing but the output of SDL_WINDOWPOS_UNDEFINED_DISPLAY for the output of
// a fullscreen window; the compositor places windows on Wayland anyway.
SDL_Point to_sdl_position(int x, int y) {
    if (native::on_wayland()) {
        const int output = static_cast<int>(SDL_WINDOWPOS_UNDEFINED_DISPLAY(primary_display()));
        return {output, output};
    }
    display_modes::Point at = display_modes::to_desktop({x, y}, primary_corner());
    return {at.x, at.y};
}

POINT from_sdl_position(int x, int y) {
    display_modes::Point at = display_modes::from_desktop({x, y}, primary_corner());
    return {at.x, at.y};
}

} // namespace zelmvik
