// Runs the scene tests on Mesa's software rasteriser, with no display server.
#include <gtest/gtest.h>

#include <dlfcn.h>

#include <cstdlib>

int main(int argc, char **argv) {
    setenv("LIBGL_ALWAYS_SOFTWARE", "1", 0);
    setenv("EGL_PLATFORM", "surfaceless", 0);
#ifdef ZELMVIK_MESA_DRIVER
    // EGL unloads Mesa's driver when the display goes, before LeakSanitizer looks at the
    // heap; the driver's few long-lived blocks would then be reported from an unknown
    // module. Keeping it loaded lets their owners be seen.
    dlopen(ZELMVIK_MESA_DRIVER, RTLD_NOW | RTLD_NODELETE);
#endif
    dlopen("libEGL_mesa.so.0", RTLD_NOW | RTLD_NODELETE);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
