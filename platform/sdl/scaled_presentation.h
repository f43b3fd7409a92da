// A display mode shown where the display cannot really switch to it: an XWayland that emulates
// no mode for its programs (KWin's, weston's) makes the window that covers the mode as large
// as the whole output. The layer then does what Windows' GPU scaling does for a mode on a
// larger panel: the program draws at the mode's size (into a framebuffer of the layer's,
// which stands in for the window's own while the program's context is current), and each
// SwapBuffers shows that picture scaled to the output, in its own proportion, black at the
// sides or at the top and bottom. The window's client area stays the mode's size for the
// program throughout.
#pragma once

#include "platform/sdl/layer.h"

namespace zelmvik {

// The current context is the window's (just made current): its drawing goes into the
// window's stand-in framebuffer where the window is shown scaled.
void draw_for(Window &w);
// Before SwapBuffers: the picture scaled onto the window's own framebuffer, where it is shown
// scaled; after it, drawing goes on into the stand-in again. Whether the window's picture is
// to be scaled is settled here, by the size of what is really shown.
void present_scaled(Window &w);
void after_present(Window &w);
// The context is going: what it held for the window goes with it.
void forget_context(Window &w, HGLRC context);

} // namespace zelmvik
