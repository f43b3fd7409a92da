// Whether the X display this process is pointed at will take a connection from it.
#pragma once

#include <string>

namespace zelmvik {

// Connects to DISPLAY with the process's own credentials (XAUTHORITY) and hangs up again.
// False, with the reason in `why`, when DISPLAY is not set, nothing listens there, or the
// server refuses the connection. Prints nothing.
bool reach_x11_display(std::string *why);

} // namespace zelmvik
