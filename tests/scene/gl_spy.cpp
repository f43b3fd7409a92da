#include "gl_spy.h"

#include <dlfcn.h>

GlSpy &gl_spy() {
    static GlSpy spy{};
    return spy;
}

namespace {
template <typename F> F next_definition(const char *name) {
    return reinterpret_cast<F>(dlsym(RTLD_NEXT, name));
}
} // namespace

extern "C" {

void glColor3f(GLfloat red, GLfloat green, GLfloat blue) {
    static auto real = next_definition<void (*)(GLfloat, GLfloat, GLfloat)>("glColor3f");
    GlSpy &spy = gl_spy();
    spy.color[0] = red;
    spy.color[1] = green;
    spy.color[2] = blue;
    ++spy.color_calls;
    real(red, green, blue);
}

void glRasterPos2f(GLfloat x, GLfloat y) {
    static auto real = next_definition<void (*)(GLfloat, GLfloat)>("glRasterPos2f");
    GlSpy &spy = gl_spy();
    spy.raster[0] = x;
    spy.raster[1] = y;
    ++spy.raster_calls;
    real(x, y);
}

} // extern "C"
