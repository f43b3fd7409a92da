// Whether the X display this process is pointed at will take a connection from it.
#pragma once

#include <string>

namespace zelmvik {

// Connects to DISPLAY with the process's own credentials (XAUTHORITY) and keeps that
// connection for the life of the process, so that the server cannot reset under the program's
// own connections that follow. A local server caught resetting is tried again for up to 3 s.
// False, with the reason in `why`, when DISPLAY is not set, nothing listens there, or the
// server refuses the connection. Prints nothing.
bool reach_x11_display(std::string *why);

// The pixels of the screen reached (its width times its height); 0 before it is reached.
long long x11_screen_pixels();

// Whether the screen reached is an XWayland's (it names itself by an extension of that name);
// false before the display is reached.
bool x11_is_xwayland();

// The text of property `name` on the root window of the screen reached (AT_SPI_BUS, say);
// empty where it has none, or before the display is reached.
std::string x11_root_text(const char *name);

} // namespace zelmvik
