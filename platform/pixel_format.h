// A pixel format as the layer deals in it: the sizes of its buffers. The same words serve the
// formats the layer offers (sdl/pixel_format.cpp) and the GLX configs behind them
// (x11/glx_visual.cpp), and hold no library's types.
#pragma once

namespace zelmvik {

struct PixelFormat {
    int red, green, blue, alpha, depth, stencil;
    bool double_buffer;
};

} // namespace zelmvik
