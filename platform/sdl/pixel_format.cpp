#include "platform/report/trace.h"
#include "platform/sdl/fault.h"
#include "platform/sdl/gl.h"
#include "platform/sdl/layer.h"
#include "platform/sdl/video.h"
#include "platform/sdl/windows.h"
#include "platform/windows_names.h"

#include <cstring>
#include <iterator>

using namespace zelmvik;

// Formats are every combination of these, so an index is a mixed-radix number: the colour,
// the depth buffer, the stencil, and double or single buffering, in that order.
static const int colours[] = {16, 24, 32}; // 5/6/5, 8/8/8, 8/8/8 + 8 alpha
static const int depths[] = {0, 16, 24, 32};
static const int stencils[] = {0, 8};
static const int bufferings = 2;
static const int colour_count = std::size(colours), depth_count = std::size(depths),
                 stencil_count = std::size(stencils);
static const int format_count = colour_count * depth_count * stencil_count * bufferings;

namespace zelmvik {

const PixelFormat *pixel_format(int index) {
    static PixelFormat table[format_count];
    static bool filled = false;
    if (!filled) {
        filled = true;
        int i = 0;
        for (int c : colours)
            for (int d : depths)
                for (int s : stencils)
                    for (int db = 1; db >= 0; --db) {
                        PixelFormat &f = table[i++];
                        f.red = f.blue = c == 16 ? 5 : 8;
                        f.green = c == 16 ? 6 : 8;
                        f.alpha = c == 32 ? 8 : 0;
                        f.depth = d;
                        f.stencil = s;
                        f.double_buffer = db == 1;
                    }
    }
    return index >= 1 && index <= format_count ? &table[index - 1] : nullptr;
}

} // namespace zelmvik

static int position(const int *values, int n, int wanted) {
    for (int i = 0; i < n; ++i)
        if (values[i] >= wanted)
            return i;
    return n - 1; // more than we offer: the largest
}

// The screen's own colour: a window's pixels are stored as the screen stores them.
static int screen_colour() {
    SDL_DisplayMode desktop;
    if (SDL_GetDesktopDisplayMode(primary_display(), &desktop) == 0 &&
        SDL_BITSPERPIXEL(desktop.format) <= 16)
        return 0;
    return 1;
}

// As Windows does: the colour of the screen (with alpha if any was asked for), then the
// smallest depth buffer and stencil at least as deep as asked.
int WINAPI ChoosePixelFormat(HDC hdc, const PIXELFORMATDESCRIPTOR *ppfd) {
    if (injected_fault("ChoosePixelFormat"))
        return 0;
    if (!ppfd || !window_of_dc(hdc))
        return 0;
    if (ppfd->iPixelType != PFD_TYPE_RGBA || !(ppfd->dwFlags & PFD_SUPPORT_OPENGL) ||
        (ppfd->dwFlags & (PFD_STEREO | PFD_DRAW_TO_BITMAP)))
        return 0; // no colour-index, GDI-only, stereo or bitmap formats here
    int colour = ppfd->cAlphaBits ? 2 : screen_colour();
    int depth = position(depths, depth_count, ppfd->cDepthBits);
    int stencil = ppfd->cStencilBits ? 1 : 0;
    int single = (ppfd->dwFlags & PFD_DOUBLEBUFFER) ? 0 : 1;
    return 1 + ((colour * depth_count + depth) * stencil_count + stencil) * bufferings + single;
}

// The window's SDL window is made now, an OpenGL one with the visual for the format; one
// made before (a window shown without a format) is made again, as X11 fixes a window's
// visual when it is made.
BOOL WINAPI SetPixelFormat(HDC hdc, int format, const PIXELFORMATDESCRIPTOR *) {
    if (injected_fault("SetPixelFormat"))
        return FALSE;
    zelmvik::Window *w = window_of_dc(hdc);
    const PixelFormat *f = pixel_format(format);
    if (!w || !f)
        return FALSE;
    if (w->pixel_format)
        return w->pixel_format == format; // a window's format is set once
    if (!make_sdl_window(*w, f))
        return FALSE;
    trace(Channel::gl,
          "window %p: pixel format %d (%d/%d/%d/%d, depth %d, stencil %d%s), the "
          "window has %d/%d/%d/%d, depth %d, stencil %d",
          static_cast<void *>(w->hwnd), format, f->red, f->green, f->blue, f->alpha, f->depth,
          f->stencil, f->double_buffer ? ", double-buffered" : "", w->actual_format.red,
          w->actual_format.green, w->actual_format.blue, w->actual_format.alpha,
          w->actual_format.depth, w->actual_format.stencil);
    w->pixel_format = format;
    return TRUE;
}

// The number of formats; the description of one of them, which for the format of this
// device context's window is what the window really has.
int WINAPI DescribePixelFormat(HDC hdc, int iPixelFormat, UINT nBytes,
                               PIXELFORMATDESCRIPTOR *ppfd) {
    zelmvik::Window *w = window_of_dc(hdc);
    const PixelFormat *nominal = pixel_format(iPixelFormat);
    if (!w || (ppfd && !nominal))
        return 0;
    if (ppfd && nBytes >= sizeof *ppfd) {
        const PixelFormat &f = w->pixel_format == iPixelFormat ? w->actual_format : *nominal;
        std::memset(ppfd, 0, sizeof *ppfd);
        ppfd->nSize = sizeof *ppfd;
        ppfd->nVersion = 1;
        ppfd->dwFlags =
            PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | (f.double_buffer ? PFD_DOUBLEBUFFER : 0);
        ppfd->iPixelType = PFD_TYPE_RGBA;
        ppfd->cColorBits = static_cast<BYTE>(f.red + f.green + f.blue);
        ppfd->cRedBits = static_cast<BYTE>(f.red);
        ppfd->cRedShift = static_cast<BYTE>(f.green + f.blue);
        ppfd->cGreenBits = static_cast<BYTE>(f.green);
        ppfd->cGreenShift = static_cast<BYTE>(f.blue);
        ppfd->cBlueBits = static_cast<BYTE>(f.blue);
        ppfd->cAlphaBits = static_cast<BYTE>(f.alpha);
        ppfd->cAlphaShift = static_cast<BYTE>(f.alpha ? f.red + f.green + f.blue : 0);
        ppfd->cDepthBits = static_cast<BYTE>(f.depth);
        ppfd->cStencilBits = static_cast<BYTE>(f.stencil);
        ppfd->iLayerType = PFD_MAIN_PLANE;
    }
    return format_count;
}
