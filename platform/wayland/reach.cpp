#include "platform/wayland/reach.h"

#include <wayland-client.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace zelmvik {

const char *wayland_display_named(std::string *why) {
    // libwayland would try "wayland-0" for an unset name; a Wayland session always sets it.
    const char *name = std::getenv("WAYLAND_DISPLAY");
    if (!name || !*name) {
        *why = "WAYLAND_DISPLAY is not set";
        return nullptr;
    }
    // MEND libwayland-runtime-dir-complaint
    // library: libwayland-client 1.21, 1.23, 1.24
    // upstream: none: libwayland prints it by design
    // goes when: libwayland leaves the complaint to its caller
    // Checked here because libwayland would print its own complaint about it.
    const char *runtime = std::getenv("XDG_RUNTIME_DIR");
    if (name[0] != '/' && (!runtime || runtime[0] != '/')) {
        *why = "XDG_RUNTIME_DIR is not set for WAYLAND_DISPLAY ";
        *why += name;
        return nullptr;
    }
    return name;
}

bool reach_wayland_display(std::string *why) {
    // A connection the compositor handed over when it started us: it can be taken only
    // once, by whoever draws, so it is not tried here.
    const char *handed_over = std::getenv("WAYLAND_SOCKET");
    if (handed_over && *handed_over)
        return true;
    const char *name = wayland_display_named(why);
    if (!name)
        return false;
    wl_display *display = wl_display_connect(nullptr);
    if (!display) {
        *why =
            std::string("cannot connect to Wayland display ") + name + ": " + std::strerror(errno);
        return false;
    }
    wl_display_disconnect(display);
    return true;
}

} // namespace zelmvik
