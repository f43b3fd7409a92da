// SDL's video: started on first need, on the display backend chosen for the whole process,
// with the hints that make it behave as Windows does, and the mends it needs as it starts;
// taken down again as the process ends.
#include "platform/sdl/video.h"
#include "platform/backend/choice.h"
#include "platform/report/report.h"
#include "platform/report/trace.h"
#include "platform/sdl/display_settings.h"
#include "platform/sdl/gl.h"
#include "platform/sdl/native/native.h"
#include "platform/sdl/windows.h"
#include "platform/x11/lost_display.h"

#include <cstdlib>
#include <malloc.h>
#include <vector>

namespace zelmvik {

namespace {

bool gl_library_held = false;

// Runs before the layer's own destructor (which was constructed first): the windows and
// contexts go while SDL is still up, then SDL puts any switched display mode back.
void shutdown() {
    Layer &l = layer();
    l.contexts.clear();
    l.current_context = nullptr;
    std::vector<HWND> windows;
    for (const auto &w : l.windows)
        windows.push_back(w.first);
    for (HWND hwnd : windows)
        end_window(hwnd, WindowEnd::with_the_process);
    native::destroy_own_windows();
    forget_switched_mode();
    if (gl_library_held) {
        gl_library_held = false;
        SDL_GL_UnloadLibrary();
    }
    SDL_Quit();
}

// What SDL is asked for as it starts, so that it behaves as Windows does.
void windows_ways() {
    // The window manager's close is the window's own business (WM_SYSCOMMAND), not a quit
    // of the whole program; SDL_QUIT then only comes from SIGINT/SIGTERM.
    SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
    // The screen saver runs unless a shown window refuses it (update_screensaver).
    SDL_SetHint(SDL_HINT_VIDEO_ALLOW_SCREENSAVER, "1");
    // On Wayland a display mode is SDL's scaling of the window's picture to the output: in its
    // own proportion, with black bars where the output is wider or taller, as a mode of
    // another shape shows on Windows' default GPU scaling. SDL 3 (under sdl2-compat) knows the
    // hint (SDL_VIDEO_WAYLAND_MODE_SCALING); a user's own setting of it stands.
    SDL_SetHintWithPriority("SDL_VIDEO_WAYLAND_MODE_SCALING", "aspect", SDL_HINT_DEFAULT);
}

// MEND sdl2-compat-scale-to-display
// library: sdl2-compat 2.32.54 (SDL 3.2), 2.32.74 (SDL 3.4); seen with KWin 6.3, 6.7
// upstream: libsdl-org/sdl2-compat#343, its chosen default for SDL 2 programs
// goes when: never, while sdl2-compat keeps that default
// A window is as big as the program asks in the desktop's units, and a scaled desktop
// scales it up, as Windows scales a program that is not DPI-aware. sdl2-compat sets SDL 3
// to size it in the output's pixels instead (427x320 of a desktop at 1.5 for 640x480), and
// does so as SDL starts, over any hint of ours below an override. The user's own
// SDL_VIDEO_WAYLAND_SCALE_TO_DISPLAY stands.
void size_in_the_desktops_units() {
    if (!std::getenv("SDL_VIDEO_WAYLAND_SCALE_TO_DISPLAY"))
        SDL_SetHintWithPriority("SDL_VIDEO_WAYLAND_SCALE_TO_DISPLAY", "0", SDL_HINT_OVERRIDE);
}

// MEND sdl-gl-library-per-window
// library: SDL 2.26, 2.32; SDL 3.2 under sdl2-compat
// upstream: none: SDL documents that it unloads the library with the last OpenGL window
// goes when: never, while F1 rebuilds the only OpenGL window
// Held for the whole process: SDL otherwise unloads the GL library with the last OpenGL
// window and loads it again with the next, and every F1 rebuild would pay for that (on
// X11 each load also leaves a colormap behind). Windows without GL still work without it.
void hold_gl_library() {
    gl_library_held = SDL_GL_LoadLibrary(NULL) == 0;
    // Loading it has already loaded Mesa's driver (SDL makes a context to read the
    // extensions), so a run that fails before its first context has the driver pinned too.
    if (gl_library_held)
        keep_gl_driver_loaded();
}

// MEND llvmpipe-heap-top-trim
// library: Mesa 22.3, 25.0 (llvmpipe) with glibc 2.36, 2.41
// upstream: not reported
// goes when: llvmpipe keeps its frame's blocks, or glibc stops trimming them away
// llvmpipe takes a couple of MiB in 64 KiB blocks for every frame and frees them at its
// end. Where they lie at the top of the heap, glibc gives them back to the kernel and
// gets them again, freshly zeroed, for the next frame: a quarter of a core at 60 frames
// per second, in about one start in seven. Spare room at the top keeps them.
void keep_room_at_the_heaps_top() {
    mallopt(M_TOP_PAD, 4 << 20);
}

} // namespace

bool video() {
    if (SDL_WasInit(SDL_INIT_VIDEO))
        return true;
    // A display that could not be had once is not tried (and reported) again.
    static bool unavailable = false;
    backend::Backend backend = backend::for_sdl();
    if (unavailable || !backend.reachable)
        return false;
    if (backend.name)
        SDL_SetHint(SDL_HINT_VIDEODRIVER, backend.name);
    layer();
    SDL_SetMainReady();
    windows_ways();
    size_in_the_desktops_units();
    native::choose_decorations();
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
        unavailable = true;
        report("SDL cannot start its video: %s", SDL_GetError());
        return false;
    }
    trace(Channel::display, "SDL %s started its video on %s",
          native::sdl3_underneath() ? "3 (under sdl2-compat)" : "2", SDL_GetCurrentVideoDriver());
    if (native::on_x11())
        end_process_on_lost_display();
    // A Windows window takes keys, not text: it gets its characters from TranslateMessage.
    // SDL 2 starts taking text as its video starts, through the input method where one runs,
    // which then keeps a letter typed by mistake in a composition nobody sees and holds F1 and
    // Esc back from the program.
    SDL_StopTextInput();
    hold_gl_library();
    keep_room_at_the_heaps_top();
    static bool registered = false;
    if (!registered) {
        registered = true;
        std::atexit(shutdown);
    }
    SDL_ShowCursor(layer().cursor_count >= 0 ? SDL_ENABLE : SDL_DISABLE);
    update_screensaver();
    return true;
}

} // namespace zelmvik
