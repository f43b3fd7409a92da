// What the compositor's outputs are: their pixels and their scale.
#pragma once

namespace zelmvik {

struct WaylandOutputs {
    // The pixels of the outputs' current modes, all outputs together.
    long long pixels = 0;
    // The largest of the outputs' scales (a whole number: 2 for a desktop at 1.5).
    int largest_scale = 1;
};

// Asks the compositor of WAYLAND_DISPLAY, on a connection of its own that it hangs up again.
// False when no compositor can be asked (a handed-over WAYLAND_SOCKET is left alone).
bool wayland_outputs(WaylandOutputs *outputs);

} // namespace zelmvik
