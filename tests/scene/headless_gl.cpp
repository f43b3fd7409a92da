#include "headless_gl.h"

#include <EGL/eglext.h>

#include <vector>

HeadlessGL::HeadlessGL(int width, int height) {
    auto get_display = reinterpret_cast<PFNEGLGETPLATFORMDISPLAYEXTPROC>(
        eglGetProcAddress("eglGetPlatformDisplayEXT"));
    if (get_display == nullptr) {
        error_ = "no eglGetPlatformDisplayEXT";
        return;
    }
    display_ = get_display(EGL_PLATFORM_SURFACELESS_MESA, EGL_DEFAULT_DISPLAY, nullptr);
    if (display_ == EGL_NO_DISPLAY || !eglInitialize(display_, nullptr, nullptr)) {
        error_ = "no surfaceless EGL display";
        display_ = EGL_NO_DISPLAY;
        return;
    }
    if (!eglBindAPI(EGL_OPENGL_API)) {
        error_ = "EGL offers no desktop OpenGL";
        return;
    }
    EGLConfig config = pick_config();
    if (config == nullptr) {
        error_ = "no 8/8/8 pbuffer config with a depth buffer";
        return;
    }
    const EGLint size[] = {EGL_WIDTH, width, EGL_HEIGHT, height, EGL_NONE};
    surface_ = eglCreatePbufferSurface(display_, config, size);
    if (surface_ == EGL_NO_SURFACE) {
        error_ = "no pbuffer";
        return;
    }
    // No attributes: the newest compatibility profile, where display lists still work.
    context_ = eglCreateContext(display_, config, EGL_NO_CONTEXT, nullptr);
    if (context_ == EGL_NO_CONTEXT) {
        error_ = "no GL context";
        return;
    }
    if (!make_current())
        error_ = "cannot make the context current";
}

HeadlessGL::~HeadlessGL() {
    if (display_ == EGL_NO_DISPLAY)
        return;
    eglMakeCurrent(display_, EGL_NO_SURFACE, EGL_NO_SURFACE, EGL_NO_CONTEXT);
    if (context_ != EGL_NO_CONTEXT)
        eglDestroyContext(display_, context_);
    if (surface_ != EGL_NO_SURFACE)
        eglDestroySurface(display_, surface_);
    eglTerminate(display_);
    eglReleaseThread();
}

bool HeadlessGL::make_current() {
    return eglMakeCurrent(display_, surface_, surface_, context_) == EGL_TRUE;
}

bool HeadlessGL::release_current() {
    return eglMakeCurrent(display_, EGL_NO_SURFACE, EGL_NO_SURFACE, EGL_NO_CONTEXT) == EGL_TRUE;
}

// Mesa lists 10-bit configs first; the tests read 8-bit channels back.
EGLConfig HeadlessGL::pick_config() {
    const EGLint wanted[] = {EGL_SURFACE_TYPE, EGL_PBUFFER_BIT, EGL_RENDERABLE_TYPE,
                             EGL_OPENGL_BIT,   EGL_DEPTH_SIZE,  16,
                             EGL_NONE};
    EGLint n = 0;
    if (!eglChooseConfig(display_, wanted, nullptr, 0, &n) || n <= 0)
        return nullptr;
    std::vector<EGLConfig> configs(static_cast<size_t>(n));
    eglChooseConfig(display_, wanted, configs.data(), n, &n);
    for (EGLConfig c : configs) {
        EGLint r = 0, g = 0, b = 0, depth = 0;
        eglGetConfigAttrib(display_, c, EGL_RED_SIZE, &r);
        eglGetConfigAttrib(display_, c, EGL_GREEN_SIZE, &g);
        eglGetConfigAttrib(display_, c, EGL_BLUE_SIZE, &b);
        eglGetConfigAttrib(display_, c, EGL_DEPTH_SIZE, &depth);
        if (r == 8 && g == 8 && b == 8 && depth >= 16)
            return c;
    }
    return nullptr;
}
