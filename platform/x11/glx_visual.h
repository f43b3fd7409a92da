// The GLX visual a window is made with for a pixel format: the one Windows' ChoosePixelFormat
// would settle on among the driver's formats. GLX's own order puts the deepest depth buffer
// first, Windows the closest to what was asked.
#pragma once

#include <X11/Xlib.h>

namespace zelmvik {

struct GlxFormat {
    int red, green, blue, alpha, depth, stencil;
    bool double_buffer;
};

// The visual of the window config closest to `wanted` (RGBA, TrueColor, no multisampling,
// double-buffered as asked): the colour sizes asked for, else the smallest larger ones; then
// the smallest depth buffer, stencil and alpha at least as deep as asked; a config the driver
// calls slow only when nothing else fits. What it has goes to `got`. 0 when nothing fits.
VisualID choose_glx_visual(Display *display, int screen, const GlxFormat &wanted, GlxFormat *got);

} // namespace zelmvik
