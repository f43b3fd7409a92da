#include "platform/report/report.h"
#include "platform/sdl/fault.h"
#include "platform/sdl/gl.h"
#include "platform/sdl/layer.h"
#include "platform/sdl/scaled_presentation.h"
#include "platform/sdl/windows.h"

using namespace zelmvik;

HGLRC WINAPI wglCreateContext(HDC hdc) {
    if (injected_fault("wglCreateContext"))
        return NULL;
    Window *w = window_of_dc(hdc);
    if (!w || !w->pixel_format)
        return NULL;
    native::apply_gl_attributes(*pixel_format(w->pixel_format));
    SDL_Window *previous_window = SDL_GL_GetCurrentWindow();
    SDL_GLContext previous = SDL_GL_GetCurrentContext();
    SDL_GLContext sdl = SDL_GL_CreateContext(w->sdl.get());
    if (!sdl) {
        report("SDL cannot make an OpenGL context: %s", SDL_GetError());
        return NULL;
    }
    // SDL makes a new context current; wglCreateContext leaves the current one alone.
    SDL_GL_MakeCurrent(previous ? previous_window : NULL, previous);
    if (Window *was = previous ? window_of_sdl_id(SDL_GetWindowID(previous_window)) : nullptr)
        take_swap_interval(*was);
    keep_gl_driver_loaded();
    Layer &l = layer();
    HGLRC h = l.new_handle<HGLRC>();
    l.contexts[h] = Context{SdlContextPtr(sdl), w->pixel_format};
    return h;
}

BOOL WINAPI wglMakeCurrent(HDC hdc, HGLRC hglrc) {
    Layer &l = layer();
    if (!hglrc) {
        if (injected_fault("wglReleaseCurrent"))
            return FALSE;
        if (SDL_WasInit(SDL_INIT_VIDEO))
            SDL_GL_MakeCurrent(NULL, NULL);
        l.current_context = NULL;
        return TRUE;
    }
    if (injected_fault("wglMakeCurrent"))
        return FALSE;
    auto c = l.contexts.find(hglrc);
    Window *w = window_of_dc(hdc);
    if (c == l.contexts.end() || !w || w->pixel_format != c->second.pixel_format)
        return FALSE; // ERROR_INVALID_PIXEL_FORMAT for a DC of another format
    if (SDL_GL_MakeCurrent(w->sdl.get(), c->second.sdl.get()) != 0) {
        report("SDL cannot make the OpenGL context current: %s", SDL_GetError());
        return FALSE;
    }
    l.current_context = hglrc;
    take_swap_interval(*w);
    draw_for(*w);
    return TRUE;
}

BOOL WINAPI wglDeleteContext(HGLRC hglrc) {
    if (injected_fault("wglDeleteContext"))
        return FALSE;
    Layer &l = layer();
    auto c = l.contexts.find(hglrc);
    if (c == l.contexts.end())
        return FALSE;
    if (l.current_context == hglrc) {
        SDL_GL_MakeCurrent(NULL, NULL);
        l.current_context = NULL;
    }
    for (auto &w : l.windows)
        forget_context(*w.second, hglrc);
    l.contexts.erase(c);
    return TRUE;
}
