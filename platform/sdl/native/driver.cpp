// Which SDL, and which of its drivers, the windows are on.
#include "platform/sdl/native/native.h"
#include "platform/x11/reach.h"

#include <cstring>
#include <dlfcn.h>

namespace zelmvik::native {

static bool driver_is(const char *name) {
    const char *driver = SDL_GetCurrentVideoDriver();
    return driver && std::strcmp(driver, name) == 0;
}

bool on_x11() {
    return driver_is("x11");
}

bool on_wayland() {
    return driver_is("wayland");
}

// An XWayland of 23.1 or later names itself by an extension; an earlier one only by its
// outputs' names (XWAYLAND0, ...), which SDL gives as the displays' names where no EDID names
// them.
bool on_xwayland() {
    if (!on_x11())
        return false;
    if (x11_is_xwayland())
        return true;
    const char *name = SDL_GetDisplayName(0);
    return name && std::strncmp(name, "XWAYLAND", 8) == 0;
}

bool sdl3_underneath() {
    static const bool loaded = [] {
        void *sdl3 = dlopen("libSDL3.so.0", RTLD_LAZY | RTLD_NOLOAD);
        if (sdl3)
            dlclose(sdl3);
        return sdl3 != nullptr;
    }();
    return loaded;
}

} // namespace zelmvik::native
