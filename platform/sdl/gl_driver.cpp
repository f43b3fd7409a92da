#include "platform/sdl/layer.h"

#ifdef ZELMVIK_KEEP_GL_DRIVER
#include <dlfcn.h>
#include <link.h>

#include <cstring>

static int pin_driver(struct dl_phdr_info *info, size_t, void *) {
    if (info->dlpi_name && std::strstr(info->dlpi_name, "_dri.so"))
        dlopen(info->dlpi_name, RTLD_NOW | RTLD_NOLOAD | RTLD_NODELETE);
    return 0;
}
#endif

namespace zelmvik {

// Sanitized builds only: Mesa unloads its driver before LeakSanitizer looks, which turns the
// driver's own allocations into reports from an unknown module. Kept loaded, they are
// attributed (and still reachable) instead.
void keep_gl_driver_loaded() {
#ifdef ZELMVIK_KEEP_GL_DRIVER
    dl_iterate_phdr(pin_driver, nullptr);
#endif
}

} // namespace zelmvik
