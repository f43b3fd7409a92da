#include "platform/sdl/native/without_window_manager.h"
#include "platform/sdl/native/native.h"
#include "platform/sdl/native/x11_window.h"
#include "platform/x11/ignored_errors.h"

#include <X11/Xatom.h>

#include <string>

// MEND sdl3-x11-no-window-manager
// library: SDL 3.2 under sdl2-compat (X11 with no window manager; Debian 13 has 3.2.10)
// upstream: libsdl-org/SDL#16342, fixed in September 2026
// goes when: every SDL 3 the layer runs on has that fix
// SDL 3 makes an X11 window fullscreen only by asking the window manager, and then waits for
// its answer: while the window is shown, up to the display mode's deadline of a few seconds,
// after which SDL takes the mode back. With no window manager, as on a bare X server, nobody
// answers: the window stays black for seconds and the display loses the program's mode.
// SDL 2 (2.26, 2.32) makes the window fullscreen itself there, and so does the fixed SDL 3,
// by writing the window's state as a window manager would. The layer writes it for the SDL 3
// that does not; for one that does, it writes what SDL wrote already. SDL 2 is left alone.
namespace zelmvik::native {

namespace {

// The window a window manager names on the root as its own, and on itself.
::Window supporting_window(Display *display, ::Window of, Atom check) {
    Atom type = None;
    int format = 0;
    unsigned long count = 0, left = 0;
    unsigned char *value = nullptr;
    ::Window found = None;
    if (XGetWindowProperty(display, of, check, 0, 1, False, XA_WINDOW, &type, &format, &count,
                           &left, &value) == Success &&
        type == XA_WINDOW && format == 32 && count == 1)
        found = *reinterpret_cast<::Window *>(value);
    if (value)
        XFree(value);
    return found;
}

bool has_window_manager(Display *display) {
    Atom check = XInternAtom(display, "_NET_SUPPORTING_WM_CHECK", False);
    ::Window named = supporting_window(display, DefaultRootWindow(display), check);
    if (named == None)
        return false;
    // A window manager that has gone leaves its name on the root; its window went with it.
    IgnoredXErrors ignored(display);
    return supporting_window(display, named, check) == named;
}

// The window's X11 side where SDL 3 waits for a window manager there is not.
X11Window unanswered(SDL_Window *window) {
    if (!sdl3_underneath())
        return {};
    X11Window x = x11_window(window);
    return x.display && !has_window_manager(x.display) ? x : X11Window{};
}

const char sync_hint[] = "SDL_VIDEO_SYNC_WINDOW_OPERATIONS";

// The state a window manager gives a window it makes fullscreen or takes out of it. SDL sees
// it change as it would see the window manager's answer.
void answer(const X11Window &x, bool fullscreen) {
    Atom state = XInternAtom(x.display, "_NET_WM_STATE", False);
    Atom full = XInternAtom(x.display, "_NET_WM_STATE_FULLSCREEN", False);
    XChangeProperty(x.display, x.window, state, XA_ATOM, 32, PropModeReplace,
                    reinterpret_cast<unsigned char *>(&full), fullscreen ? 1 : 0);
    // Taken up at once, as sdl2-compat has SDL 3 take up every window operation: the window
    // is fullscreen (or not) when the call returns.
    XSync(x.display, False);
    SDL_PumpEvents();
}

// Runs an SDL call that makes the window fullscreen or takes it out, without SDL's wait for a
// window manager (sdl2-compat asks SDL 3 to wait for every window operation), and answers
// in the window manager's place.
template <typename Call> void without_wait(SDL_Window *window, bool fullscreen, Call call) {
    X11Window x = unanswered(window);
    if (!x.display) {
        call();
        return;
    }
    const char *before = SDL_GetHint(sync_hint);
    std::string kept = before ? before : "";
    SDL_SetHintWithPriority(sync_hint, "0", SDL_HINT_OVERRIDE);
    call();
    if (before)
        SDL_SetHintWithPriority(sync_hint, kept.c_str(), SDL_HINT_OVERRIDE);
    else
        SDL_ResetHint(sync_hint);
    answer(x, fullscreen);
}

} // namespace

void show_fullscreen(SDL_Window *window) {
    without_wait(window, true, [window] { SDL_ShowWindow(window); });
}

int set_fullscreen_state(SDL_Window *window, bool fullscreen) {
    int result = 0;
    without_wait(window, fullscreen, [&] {
        result = SDL_SetWindowFullscreen(window, fullscreen ? SDL_WINDOW_FULLSCREEN : 0);
    });
    return result;
}

} // namespace zelmvik::native
