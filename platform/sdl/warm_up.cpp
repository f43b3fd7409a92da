#include "platform/sdl/gl.h"
#include "platform/sdl/layer.h"
#include "platform/sdl/native/native.h"
#include "platform/sdl/video.h"

#include "platform/dialog/waiting_work.h"
#include "platform/font/font_layer.h"

#include <csignal>

namespace zelmvik {
namespace {

// SDL turns SIGINT and SIGTERM into a quit event, which the layer hands to its windows as
// WM_CLOSE. While a box is up and there is no window, nothing would take that event, so
// the signals keep their default there: they end the process, as before SDL was started.
struct SignalsHeldBack {
    bool held = false;
    struct sigaction interrupt {
    }, terminate{};
};
SignalsHeldBack held_back;

void default_signals_while_windowless() {
    if (held_back.held || !SDL_WasInit(SDL_INIT_VIDEO) || !layer().windows.empty())
        return;
    struct sigaction dfl {};
    dfl.sa_handler = SIG_DFL;
    sigemptyset(&dfl.sa_mask);
    held_back.held = sigaction(SIGINT, &dfl, &held_back.interrupt) == 0 &&
                     sigaction(SIGTERM, &dfl, &held_back.terminate) == 0;
}

void restore_signals() {
    if (!held_back.held)
        return;
    sigaction(SIGINT, &held_back.interrupt, nullptr);
    sigaction(SIGTERM, &held_back.terminate, nullptr);
    held_back.held = false;
}

// The first GL context of a process loads Mesa's driver and starts its compiler; one made
// and drawn into here, in the hidden window, leaves only what every new context costs.
void probe_gl() {
    Layer &l = layer();
    if (!l.windows.empty() || !l.contexts.empty())
        return;
    SDL_Window *window = native::hidden_gl_window(*pixel_format(1));
    if (!window)
        return;
    native::apply_gl_attributes(*pixel_format(1));
    SDL_GLContext context = SDL_GL_CreateContext(window);
    if (!context)
        return;
    keep_gl_driver_loaded();
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    static const GLubyte pixel[1] = {0x80};
    glRasterPos2f(0.0f, 0.0f);
    glBitmap(1, 1, 0.0f, 0.0f, 1.0f, 0.0f, pixel);
    glFinish();
    SDL_GL_MakeCurrent(NULL, NULL);
    SDL_GL_DeleteContext(context);
}

// One piece per call, each between the box's own events.
bool piece(int n) {
    switch (n) {
    case 0:
        if (SDL_WasInit(SDL_INIT_VIDEO))
            return false; // started before the box: the process has paid already
        if (native::video_waits_for_a_seat() || !video())
            return false;
        default_signals_while_windowless();
        return true;
    case 1:
        probe_gl();
        return true;
    case 2:
        zelmvik_font_warm_up();
        return false;
    }
    return false;
}

int next_piece = 0;
bool finished = false;

bool step() {
    if (!finished)
        finished = !piece(next_piece++);
    return !finished;
}

void box_opened() {
    default_signals_while_windowless();
}

void box_closed() {
    restore_signals();
}

} // namespace

dialog::WaitingWork warm_up_while_box_waits() {
    return {box_opened, step, box_closed};
}

} // namespace zelmvik
