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
// library: SDL 2.26 (crash: weston 10), SDL 2.32 (hang: cage 0.2), any SDL without a libdecor
//   plugin (hang: cage 0.1.4, a KWin without decorations)
// upstream: not reported; SDL 2.26's libdecor configure handler dies on the frame of a window
//   made after one was destroyed with its GL context
// goes when: the releases served have no classic SDL before 2.32, and SDL stops waiting for a
//   libdecor frame that does not come
// SDL draws a window's frame through libdecor where the compositor draws none. On a
// compositor that offers to draw frames but answers that clients draw their own (cage, a
// kiosk that shows every window whole anyway), SDL 2.32 then waits for ever for its second
// window; SDL 2.26 crashes on F1 (the window made after one that went with its GL context),
// with a plugin or without; and with no plugin installed, any SDL waits for ever for the
// decorated window to be configured. So libdecor is used only where the compositor offers
// no frames at all (weston), a plugin is installed, and the SDL rebuilds safely; elsewhere
// the window has the compositor's frame, or none. A user's own
// SDL_VIDEO_WAYLAND_ALLOW_LIBDECOR stands.
void choose_decorations() {
    if (std::getenv("SDL_VIDEO_WAYLAND_ALLOW_LIBDECOR") || !on_a_wayland_compositor())
        return;
    WaylandCompositor compositor;
    const bool offers_frames = ask_wayland_compositor(&compositor) && compositor.server_decorations;
    const bool safe = !classic_sdl_before(2, 32), plugin = libdecor_plugin_installed();
    const bool libdecor = !offers_frames && safe && plugin;
    trace(Channel::windows, "Wayland decorations: %s",
          offers_frames ? "the compositor's, or none where it leaves them to the program"
          : libdecor    ? "libdecor's: the compositor draws none"
          : !plugin     ? "none: the compositor draws none and no libdecor plugin is installed"
                        : "none: the compositor draws none and this SDL crashes on libdecor's");
    if (!libdecor)
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
