// What the compositor offers: its outputs, and the protocols the layer's choices depend on.
#pragma once

namespace zelmvik {

struct WaylandCompositor {
    // The pixels of the outputs' current modes, all outputs together.
    long long pixels = 0;
    // The largest of the outputs' scales (a whole number: 2 for a desktop at 1.5).
    int largest_scale = 1;
    // A seat (wl_seat): where a keyboard and a pointer come from.
    bool seat = false;
    // zxdg_decoration_manager_v1: the compositor can draw a window's title bar and frame.
    bool server_decorations = false;
    // wp_viewporter: a surface can be shown scaled, as SDL shows a display mode.
    bool viewporter = false;
};

// Asks the compositor of WAYLAND_DISPLAY, on a connection of its own that it hangs up again.
// False when no compositor can be asked (a handed-over WAYLAND_SOCKET is left alone).
bool ask_wayland_compositor(WaylandCompositor *compositor);

} // namespace zelmvik
