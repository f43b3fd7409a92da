// Built into sanitized builds instead of gl_driver.cpp.
#include "platform/sdl/gl.h"
#include "platform/sdl/layer.h"

#include <dlfcn.h>
#include <link.h>

#include <cstring>

namespace zelmvik {

static int pin_driver(struct dl_phdr_info *info, size_t, void *) {
    // The DRI driver, and the EGL vendor library through which a Wayland window has it.
    const char *name = info->dlpi_name;
    if (name && (std::strstr(name, "_dri.so") || std::strstr(name, "libEGL_mesa.so")))
        dlopen(name, RTLD_NOW | RTLD_NOLOAD | RTLD_NODELETE);
    return 0;
}

// MEND mesa-driver-unloaded-before-leak-check
// library: Mesa 22.3, 25.0 with GCC's LeakSanitizer (sanitized builds only)
// upstream: not reported; unloading its driver is Mesa's right
// goes when: LeakSanitizer attributes the allocations of unloaded modules
// Mesa unloads its driver before LeakSanitizer looks, which turns the driver's own
// allocations into reports from an unknown module. Kept loaded, they are attributed (and
// still reachable) instead.
void keep_gl_driver_loaded() {
    dl_iterate_phdr(pin_driver, nullptr);
}

} // namespace zelmvik
