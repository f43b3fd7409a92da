// The GLX visual a window is made with for a pixel format: the one Windows' ChoosePixelFormat
// would settle on among the driver's formats. GLX's own order puts the deepest depth buffer
// first, Windows the closest to what was asked.
#pragma once

#include "platform/pixel_format.h"

#include <X11/Xlib.h>

namespace zelmvik {

// The visual of the window config closest to `wanted` (RGBA, TrueColor, double-buffered as
// asked, no multisampling): the smallest depth buffer at least as deep as asked; among those,
// the colour sizes asked for (else the smallest larger ones), then the smallest stencil and
// alpha; a config the driver calls slow only when nothing else fits. What it has goes to
// `got`. 0 when nothing fits. Chosen once per display and format.
VisualID choose_glx_visual(Display *display, int screen, const PixelFormat &wanted,
                           PixelFormat *got);

} // namespace zelmvik
