// Whether the Wayland compositor this process is pointed at will take a connection from it.
#pragma once

#include <string>

namespace zelmvik {

// Connects to WAYLAND_DISPLAY (in XDG_RUNTIME_DIR unless it is a path) and hangs up again.
// False, with the reason in `why`, when it is not set or no compositor listens there.
// Prints nothing.
bool reach_wayland_display(std::string *why);

// WAYLAND_DISPLAY, where it names a compositor libwayland can look for without complaining on
// standard error; else null, with the reason in `why`.
const char *wayland_display_named(std::string *why);

} // namespace zelmvik
