// A broken connection to the Wayland compositor ends the process.
#pragma once

struct wl_display;

namespace zelmvik {

// Whether the connection has failed for good: the compositor went away, or it found a
// protocol error and cut the connection.
bool wayland_display_lost(wl_display *display);

// Ends the process with one line on standard error and status 1, as a lost X display does.
[[noreturn]] void end_process_on_lost_wayland_display();

} // namespace zelmvik
