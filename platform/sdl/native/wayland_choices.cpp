// What SDL is steered away from on a Wayland compositor: its decoration paths that crash or
// wait for ever, and its start where the compositor has no seat.
#include "platform/backend/choice.h"
#include "platform/report/trace.h"
#include "platform/sdl/native/native.h"
#include "platform/wayland/compositor.h"

#include <cstdlib>
#include <dirent.h>
#include <dlfcn.h>
#include <link.h>
#include <string>
#include <sys/stat.h>

namespace zelmvik::native {

namespace {

// Whether libdecor has a plugin to draw decorations with: in LIBDECOR_PLUGIN_DIR, or in the
// folder beside the library that libdecor itself looks in.
bool libdecor_plugin_installed() {
    std::string folder;
    if (const char *given = std::getenv("LIBDECOR_PLUGIN_DIR"); given && *given) {
        folder = given;
    } else {
        void *libdecor = dlopen("libdecor-0.so.0", RTLD_LAZY | RTLD_LOCAL);
        if (!libdecor)
            return false;
        char origin[4096] = "";
        const bool found = dlinfo(libdecor, RTLD_DI_ORIGIN, origin) == 0;
        dlclose(libdecor);
        if (!found)
            return false;
        folder = std::string(origin) + "/libdecor/plugins-1";
    }
    DIR *dir = opendir(folder.c_str());
    if (!dir)
        return false;
    bool plugin = false;
    while (dirent *entry = readdir(dir)) {
        std::string name = entry->d_name;
        plugin = plugin || (name.size() > 3 && name.compare(name.size() - 3, 3, ".so") == 0);
    }
    closedir(dir);
    return plugin;
}

bool classic_sdl_before(int major, int minor) {
    SDL_version v;
    SDL_GetVersion(&v);
    return !sdl3_underneath() && (v.major < major || (v.major == major && v.minor < minor));
}

bool on_a_wayland_compositor() {
    backend::Backend b = backend::for_sdl();
    const char *user = std::getenv("SDL_VIDEODRIVER");
    const char *name = b.name ? b.name : user;
    return name && std::string(name) == "wayland";
}

} // namespace

// MEND sdl-wayland-libdecor
// library: SDL 2.26 (crash: weston 10), any SDL without a libdecor plugin (hang: cage 0.1.4,
//   a KWin without decorations)
// upstream: not reported; SDL 2.26's libdecor configure handler dies on the frame of a window
//   made after one was destroyed with its GL context
// goes when: the releases served have no classic SDL before 2.32, and SDL stops waiting for a
//   decoration plugin that is not there
// Where the compositor draws no frames (weston) or asks clients to draw their own (cage),
// SDL draws them through libdecor. SDL 2.26 then crashes on F1 (the window made after one
// that went with its GL context), with a plugin or without; and with no plugin installed,
// SDL waits for ever for the decorated window to be configured. There libdecor is not used,
// and the window has no frame; where a plugin is installed and the SDL is one that rebuilds
// safely, libdecor draws the frame. A user's own SDL_VIDEO_WAYLAND_ALLOW_LIBDECOR stands.
void choose_decorations() {
    if (std::getenv("SDL_VIDEO_WAYLAND_ALLOW_LIBDECOR"))
        return;
    const bool safe = !classic_sdl_before(2, 32), plugin = libdecor_plugin_installed();
    trace(Channel::windows, "Wayland decorations: %s",
          safe && plugin ? "the compositor's, or libdecor's where it draws none"
          : !plugin      ? "the compositor's, or none: no libdecor plugin is installed"
                         : "the compositor's, or none: this SDL crashes on libdecor's frames");
    if (!(safe && plugin))
        SDL_SetHint("SDL_VIDEO_WAYLAND_ALLOW_LIBDECOR", "0");
}

// MEND sdl2-wayland-no-seat
// library: SDL 2.26 (Wayland; weston 10 headless)
// upstream: not reported
// goes when: the releases served have no classic SDL before 2.32
// SDL 2.26 crashes as its video starts on a compositor that has no seat. Nothing can answer
// the question there, so nothing waits on SDL: its start is left until a seat has come.
bool video_waits_for_a_seat() {
    if (!on_a_wayland_compositor() || !classic_sdl_before(2, 32))
        return false;
    WaylandCompositor compositor;
    const bool waits = ask_wayland_compositor(&compositor) && !compositor.seat;
    if (waits)
        trace(Channel::display, "the compositor has no seat: SDL's video waits for one");
    return waits;
}

} // namespace zelmvik::native
