// A compatibility-profile GL context on Mesa's surfaceless EGL: no X server, no window.
#pragma once

#include <EGL/egl.h>

#include <string>

class HeadlessGL {
  public:
    // Draws into a pbuffer of width x height with 8-bit red, green and blue and a depth
    // buffer of at least 16 bits.
    HeadlessGL(int width, int height);
    ~HeadlessGL();
    HeadlessGL(const HeadlessGL &) = delete;
    HeadlessGL &operator=(const HeadlessGL &) = delete;

    bool ok() const { return error_.empty(); }
    const std::string &error() const { return error_; }

    bool make_current();
    bool release_current();

  private:
    EGLConfig pick_config();

    EGLDisplay display_ = EGL_NO_DISPLAY;
    EGLContext context_ = EGL_NO_CONTEXT;
    EGLSurface surface_ = EGL_NO_SURFACE;
    std::string error_;
};
