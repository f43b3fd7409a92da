// Which SDL, and which of its drivers, the windows are on.
#include "platform/sdl/native/native.h"

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
