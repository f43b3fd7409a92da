#include "platform/report/report.h"
#include "platform/sdl/fault.h"
#include "platform/sdl/layer.h"
#include "platform/x11/glx_visual.h"

#include <SDL_syswm.h>

#include <cstring>

using namespace zelmvik;

// Formats are every combination of these, so an index is a mixed-radix number.
static const int colours[] = {16, 24, 32}; // 5/6/5, 8/8/8, 8/8/8 + 8 alpha
static const int depths[] = {0, 16, 24, 32};
static const int stencils[] = {0, 8};
static const int format_count = 3 * 4 * 2 * 2;

static const DWORD pfd_stereo = 0x00000002;
static const DWORD pfd_draw_to_bitmap = 0x00000008;

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

void apply_gl_attributes(const PixelFormat &f) {
    SDL_GL_SetAttribute(SDL_GL_RED_SIZE, f.red);
    SDL_GL_SetAttribute(SDL_GL_GREEN_SIZE, f.green);
    SDL_GL_SetAttribute(SDL_GL_BLUE_SIZE, f.blue);
    SDL_GL_SetAttribute(SDL_GL_ALPHA_SIZE, f.alpha);
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, f.depth);
    SDL_GL_SetAttribute(SDL_GL_STENCIL_SIZE, f.stencil);
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, f.double_buffer ? 1 : 0);
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
    if (SDL_GetDesktopDisplayMode(0, &desktop) == 0 && SDL_BITSPERPIXEL(desktop.format) <= 16)
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
        (ppfd->dwFlags & (pfd_stereo | pfd_draw_to_bitmap)))
        return 0; // no colour-index, GDI-only, stereo or bitmap formats here
    int colour = ppfd->cAlphaBits ? 2 : screen_colour();
    int depth = position(depths, 4, ppfd->cDepthBits);
    int stencil = ppfd->cStencilBits ? 1 : 0;
    int single = (ppfd->dwFlags & PFD_DOUBLEBUFFER) ? 0 : 1;
    return 1 + ((colour * 4 + depth) * 2 + stencil) * 2 + single;
}

// On X11 the window's visual is the one GLX config closest to the format, as Windows would
// pick; GLX's own choice (which SDL would take) puts the deepest depth buffer first. What the
// window really has is kept for DescribePixelFormat.
static bool create_gl_window(zelmvik::Window &w, const PixelFormat &format) {
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    GlxFormat got{};
    VisualID visual = 0;
    if (SDL_GetWindowWMInfo(w.sdl.get(), &info) && info.subsystem == SDL_SYSWM_X11) {
        Display *display = info.info.x11.display;
        GlxFormat wanted = {format.red,   format.green,   format.blue,         format.alpha,
                            format.depth, format.stencil, format.double_buffer};
        visual = choose_glx_visual(display, DefaultScreen(display), wanted, &got);
    }
    std::string id = visual ? std::to_string(visual) : "";
    SDL_SetHint(SDL_HINT_VIDEO_X11_WINDOW_VISUALID, id.c_str());
    apply_gl_attributes(format);
    bool made = create_sdl_window(w, true);
    SDL_SetHint(SDL_HINT_VIDEO_X11_WINDOW_VISUALID, "");
    if (made)
        w.actual_format = visual ? PixelFormat{got.red,   got.green,   got.blue,         got.alpha,
                                               got.depth, got.stencil, got.double_buffer}
                                 : format;
    return made;
}

// On X11 the visual is fixed when a window is created, so the SDL window behind the HWND is
// made again as an OpenGL window (before it is shown, as the program does it).
BOOL WINAPI SetPixelFormat(HDC hdc, int format, const PIXELFORMATDESCRIPTOR *) {
    if (injected_fault("SetPixelFormat"))
        return FALSE;
    zelmvik::Window *w = window_of_dc(hdc);
    const PixelFormat *f = pixel_format(format);
    if (!w || !f)
        return FALSE;
    if (w->pixel_format)
        return w->pixel_format == format; // a window's format is set once
    if (!create_gl_window(*w, *f))
        return FALSE;
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
