#include "platform/backend/choice.h"
#include "platform/report/report.h"
#include "platform/report/trace.h"
#include "platform/wayland/compositor.h"
#include "platform/wayland/reach.h"
#include "platform/x11/reach.h"

#include <cstdlib>
#include <cstring>
#include <string>

namespace zelmvik::backend {

namespace {

const char *user_setting(const char *variable) {
    const char *value = std::getenv(variable);
    return value && *value ? value : nullptr;
}

bool names_a_backend(const char *setting) {
    return setting && (std::strcmp(setting, "x11") == 0 || std::strcmp(setting, "wayland") == 0);
}

// Whether the X display is an XWayland that leaves scaling to its programs (KWin's default):
// it gives them the outputs' own pixels, so a 640x480 window would show at half its size on a
// desktop scaled 2. The compositor scales its Wayland windows itself, as Windows scales a
// program that is not DPI-aware. (Where the compositor scales X11 too, as sway and GNOME do,
// the X screen has the desktop's units: fewer pixels than the scaled outputs.)
bool x11_left_unscaled() {
    WaylandCompositor outputs;
    return ask_wayland_compositor(&outputs) &&
           leaves_scaling_to_programs(x11_screen_pixels(), outputs);
}

// The backend both libraries use unless the user set one for either; null when no display
// can be reached. Probed once, on first need.
const char *shared_backend() {
    static const char *const chosen = []() -> const char * {
        for (const char *setting : {user_setting("SDL_VIDEODRIVER"), user_setting("GDK_BACKEND")})
            if (names_a_backend(setting)) {
                trace(Channel::display, "%s, as the user set it", setting);
                return setting;
            }
        std::string no_x11, no_wayland;
        bool x11 = reach_x11_display(&no_x11);
        if (x11 && !x11_left_unscaled()) {
            trace(Channel::display, "x11: an X display takes our connection");
            return "x11";
        }
        if (reach_wayland_display(&no_wayland)) {
            trace(Channel::display, "wayland: %s",
                  x11 ? "the X display (XWayland) leaves the "
                        "desktop's scaling to its programs"
                      : no_x11.c_str());
            return "wayland";
        }
        if (x11) {
            trace(Channel::display, "x11, scaled by no one: %s", no_wayland.c_str());
            return "x11";
        }
        report("no display: %s; %s", no_x11.c_str(), no_wayland.c_str());
        return nullptr;
    }();
    return chosen;
}

Backend for_library(const char *variable) {
    if (user_setting(variable))
        return {true, nullptr};
    const char *shared = shared_backend();
    return {shared != nullptr, shared};
}

} // namespace

bool leaves_scaling_to_programs(long long x11_pixels, const WaylandCompositor &outputs) {
    return outputs.largest_scale > 1 && x11_pixels >= outputs.pixels;
}

Backend for_sdl() {
    return for_library("SDL_VIDEODRIVER");
}

Backend for_gdk() {
    return for_library("GDK_BACKEND");
}

} // namespace zelmvik::backend
