// Frames presented as Windows presents them by default. WGL's swap interval starts at 1, so a
// program that sets none presents at most once per refresh of its display. Where the driver
// can wait for the refresh (Wayland's EGL, GLX on most GPUs) it is asked to; where it cannot,
// SwapBuffers waits for the window's next refresh itself. Mesa's own vblank_mode=0, "never
// wait", lifts both.
//
// MEND mesa-software-glx-swap-interval
// library: Mesa 22.3, 25.0, software GLX (llvmpipe on any X server)
// upstream: none: a software GLX has no refresh to wait for, and refuses any swap interval
// goes when: never, while the layer runs on Mesa's software GLX
#include "platform/pacing/pacer.h"
#include "platform/report/trace.h"
#include "platform/sdl/gl.h"
#include "platform/sdl/layer.h"
#include "platform/sdl/scaled_presentation.h"
#include "platform/sdl/windows.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <ctime>

namespace zelmvik {
namespace {

bool never_wait() {
    static const bool never = [] {
        const char *mode = std::getenv("vblank_mode");
        return mode && std::strcmp(mode, "0") == 0;
    }();
    return never;
}

int64_t monotonic_now() {
    timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<int64_t>(t.tv_sec) * 1000000000 + t.tv_nsec;
}

void sleep_until(int64_t when) {
    const timespec t{static_cast<time_t>(when / 1000000000), static_cast<long>(when % 1000000000)};
    while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &t, nullptr) == EINTR) {
    }
}

// RandR's rate of the mode the window's display shows now (SDL rounds it to whole Hz), 0
// where it reports none.
int refresh_rate(SDL_Window *window) {
    SDL_DisplayMode mode;
    const int display = SDL_GetWindowDisplayIndex(window);
    if (display < 0 || SDL_GetCurrentDisplayMode(display, &mode) != 0)
        return 0;
    return mode.refresh_rate;
}

} // namespace

// MEND sdl2-swap-interval-reset
// library: SDL 2.26, 2.32 (SDL 3 keeps the interval: asking again changes nothing there)
// upstream: not reported
// goes when: the releases served have no classic SDL 2
// SDL 2 resets the swap interval with every make-current, so it is asked for after each.
void take_swap_interval(Window &w) {
    if (never_wait()) {
        SDL_GL_SetSwapInterval(0);
        if (!w.presented)
            trace(Channel::gl, "window %p: vblank_mode=0, no waiting for the refresh",
                  static_cast<void *>(w.hwnd));
        w.driver_waits = false;
        return;
    }
    const bool waits = SDL_GL_SetSwapInterval(1) == 0;
    if (waits != w.driver_waits || !w.presented)
        trace(Channel::gl, "window %p: %s", static_cast<void *>(w.hwnd),
              waits ? "the driver waits for the refresh (swap interval 1)"
                    : "the driver cannot wait for the refresh: the layer paces SwapBuffers");
    w.driver_waits = waits;
}

} // namespace zelmvik

using namespace zelmvik;

BOOL WINAPI SwapBuffers(HDC hdc) {
    Window *w = window_of_dc(hdc);
    if (!w || !w->pixel_format)
        return FALSE;
    if (!w->driver_waits && !never_wait()) {
        const int64_t now = monotonic_now();
        const int64_t period = pacing::refresh_period(refresh_rate(w->sdl.get()));
        const int64_t at = pacing::present_time(w->pacer, now, period);
        if (at > now)
            sleep_until(at);
    }
    // Only the window whose context is current has its picture where the layer can scale it.
    const bool current = SDL_GL_GetCurrentWindow() == w->sdl.get();
    if (current)
        present_scaled(*w);
    if (w->presented) {
        SDL_GL_SwapWindow(w->sdl.get());
    } else {
        // A driver that waits for the refresh waits for a window the compositor has shown:
        // the first frame is not waited for as long as it takes.
        native::BoundedWait bounded("the window's first frame did not show",
                                    native::wait_for_the_display_s);
        SDL_GL_SwapWindow(w->sdl.get());
        w->presented = true;
    }
    if (current)
        after_present(*w);
    return TRUE;
}
