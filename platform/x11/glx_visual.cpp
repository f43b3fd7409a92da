#include "platform/x11/glx_visual.h"

#include <GL/glx.h>

#include <climits>
#include <memory>
#include <tuple>
#include <vector>

namespace zelmvik {

namespace {

struct ConfigsDeleter {
    void operator()(GLXFBConfig *configs) const { XFree(configs); }
};

// Each attribute read goes through the GL dispatch (about 4 us here), and the driver lists
// some 800 configs: so the driver narrows the list first, and attributes are read only as
// far as the choice needs them.
struct Reader {
    Display *display;
    int get(GLXFBConfig config, int name) const {
        int value = 0;
        glXGetFBConfigAttrib(display, config, name, &value);
        return value;
    }
};

struct Candidate {
    PixelFormat format;
    VisualID visual;
    bool slow, multisampled;
};

Candidate read(const Reader &r, GLXFBConfig c, int depth) {
    return {{r.get(c, GLX_RED_SIZE), r.get(c, GLX_GREEN_SIZE), r.get(c, GLX_BLUE_SIZE),
             r.get(c, GLX_ALPHA_SIZE), depth, r.get(c, GLX_STENCIL_SIZE),
             r.get(c, GLX_DOUBLEBUFFER) != 0},
            static_cast<VisualID>(r.get(c, GLX_VISUAL_ID)),
            r.get(c, GLX_CONFIG_CAVEAT) == GLX_SLOW_CONFIG,
            r.get(c, GLX_SAMPLE_BUFFERS) > 0};
}

// Smaller is closer, among configs of one depth buffer size.
auto distance(const Candidate &c, const PixelFormat &wanted) {
    const PixelFormat &f = c.format;
    bool exact_colour = f.red == wanted.red && f.green == wanted.green && f.blue == wanted.blue;
    return std::make_tuple(c.multisampled, c.slow, !exact_colour, f.red + f.green + f.blue,
                           f.stencil, f.alpha);
}

// A choice made once per display and format: a window made again (F1) takes the same.
struct Chosen {
    Display *display;
    PixelFormat wanted, got;
    VisualID visual;
};
std::vector<Chosen> chosen;

bool same(const PixelFormat &a, const PixelFormat &b) {
    return std::tie(a.red, a.green, a.blue, a.alpha, a.depth, a.stencil, a.double_buffer) ==
           std::tie(b.red, b.green, b.blue, b.alpha, b.depth, b.stencil, b.double_buffer);
}

VisualID choose(Display *display, int screen, const PixelFormat &wanted, PixelFormat *got) {
    // What must hold; sizes are minimums to GLX.
    const int must[] = {GLX_DRAWABLE_TYPE,
                        GLX_WINDOW_BIT,
                        GLX_RENDER_TYPE,
                        GLX_RGBA_BIT,
                        GLX_X_VISUAL_TYPE,
                        GLX_TRUE_COLOR,
                        GLX_DOUBLEBUFFER,
                        wanted.double_buffer ? True : False,
                        GLX_RED_SIZE,
                        wanted.red,
                        GLX_GREEN_SIZE,
                        wanted.green,
                        GLX_BLUE_SIZE,
                        wanted.blue,
                        GLX_ALPHA_SIZE,
                        wanted.alpha,
                        GLX_DEPTH_SIZE,
                        wanted.depth,
                        GLX_STENCIL_SIZE,
                        wanted.stencil,
                        None};
    int count = 0;
    std::unique_ptr<GLXFBConfig, ConfigsDeleter> configs(
        glXChooseFBConfig(display, screen, must, &count));
    if (!configs || count <= 0)
        return 0;
    Reader r{display};
    std::vector<int> depths(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i)
        depths[i] = r.get(configs.get()[i], GLX_DEPTH_SIZE);
    // The smallest depth buffer first; a deeper one only when no config of this depth will do.
    int below = INT_MIN;
    for (;;) {
        int depth = INT_MAX;
        for (int d : depths)
            if (d > below && d < depth)
                depth = d;
        if (depth == INT_MAX)
            return 0;
        bool found = false;
        Candidate best{};
        for (int i = 0; i < count; ++i) {
            if (depths[i] != depth)
                continue;
            Candidate c = read(r, configs.get()[i], depth);
            if (c.visual && (!found || distance(c, wanted) < distance(best, wanted))) {
                best = c;
                found = true;
            }
        }
        if (found && !best.multisampled) {
            *got = best.format;
            return best.visual;
        }
        below = depth;
    }
}

} // namespace

VisualID choose_glx_visual(Display *display, int screen, const PixelFormat &wanted,
                           PixelFormat *got) {
    for (const Chosen &c : chosen) {
        if (c.display == display && same(c.wanted, wanted)) {
            *got = c.got;
            return c.visual;
        }
    }
    PixelFormat found{};
    VisualID visual = choose(display, screen, wanted, &found);
    if (visual) {
        chosen.push_back({display, wanted, found, visual});
        *got = found;
    }
    return visual;
}

} // namespace zelmvik
