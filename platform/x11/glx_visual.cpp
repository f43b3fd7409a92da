#include "platform/x11/glx_visual.h"

#include <GL/glx.h>

#include <memory>
#include <tuple>

namespace zelmvik {

namespace {

struct Candidate {
    GlxFormat format;
    VisualID visual;
    bool slow;
};

int attribute(Display *display, GLXFBConfig config, int name) {
    int value = 0;
    glXGetFBConfigAttrib(display, config, name, &value);
    return value;
}

bool read_candidate(Display *display, GLXFBConfig config, Candidate *c) {
    if (!(attribute(display, config, GLX_DRAWABLE_TYPE) & GLX_WINDOW_BIT) ||
        !(attribute(display, config, GLX_RENDER_TYPE) & GLX_RGBA_BIT) ||
        attribute(display, config, GLX_X_VISUAL_TYPE) != GLX_TRUE_COLOR ||
        attribute(display, config, GLX_SAMPLES) > 0)
        return false;
    c->visual = static_cast<VisualID>(attribute(display, config, GLX_VISUAL_ID));
    c->format = {attribute(display, config, GLX_RED_SIZE),
                 attribute(display, config, GLX_GREEN_SIZE),
                 attribute(display, config, GLX_BLUE_SIZE),
                 attribute(display, config, GLX_ALPHA_SIZE),
                 attribute(display, config, GLX_DEPTH_SIZE),
                 attribute(display, config, GLX_STENCIL_SIZE),
                 attribute(display, config, GLX_DOUBLEBUFFER) != 0};
    c->slow = attribute(display, config, GLX_CONFIG_CAVEAT) == GLX_SLOW_CONFIG;
    return c->visual != 0;
}

bool fits(const GlxFormat &have, const GlxFormat &wanted) {
    return have.double_buffer == wanted.double_buffer && have.red >= wanted.red &&
           have.green >= wanted.green && have.blue >= wanted.blue && have.alpha >= wanted.alpha &&
           have.depth >= wanted.depth && have.stencil >= wanted.stencil;
}

// Smaller is closer.
auto distance(const Candidate &c, const GlxFormat &wanted) {
    const GlxFormat &f = c.format;
    bool exact_colour = f.red == wanted.red && f.green == wanted.green && f.blue == wanted.blue;
    return std::make_tuple(c.slow, !exact_colour, f.red + f.green + f.blue, f.depth, f.stencil,
                           f.alpha);
}

struct ConfigsDeleter {
    void operator()(GLXFBConfig *configs) const { XFree(configs); }
};

} // namespace

VisualID choose_glx_visual(Display *display, int screen, const GlxFormat &wanted, GlxFormat *got) {
    int count = 0;
    std::unique_ptr<GLXFBConfig, ConfigsDeleter> configs(glXGetFBConfigs(display, screen, &count));
    bool found = false;
    Candidate best{};
    for (int i = 0; configs && i < count; ++i) {
        Candidate c;
        if (!read_candidate(display, configs.get()[i], &c) || !fits(c.format, wanted))
            continue;
        if (!found || distance(c, wanted) < distance(best, wanted)) {
            best = c;
            found = true;
        }
    }
    if (!found)
        return 0;
    *got = best.format;
    return best.visual;
}

} // namespace zelmvik
