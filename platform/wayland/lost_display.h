// A broken connection to the Wayland compositor ends the process, as a lost X display does.
#pragma once

struct wl_display;

namespace zelmvik {

// Whether the connection has failed for good: the compositor went away, or it found a
// protocol error and cut the connection.
bool wayland_display_lost(wl_display *display);

// Ends the process with one line on standard error and status 1.
[[noreturn]] void end_process_on_lost_wayland_display();

// Ends the process as soon as the compositor hangs up on this connection, whatever the
// process is doing then. A library that waits for an event from the compositor in a loop
// (SDL 2.26 does, for a new window's first configure) would otherwise spin for ever once it
// is gone. Watching the same connection again changes nothing.
void end_process_when_compositor_hangs_up(wl_display *display);

} // namespace zelmvik
