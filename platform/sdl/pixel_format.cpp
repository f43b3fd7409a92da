#include "platform/sdl/fault.h"
#include "platform/sdl/layer.h"

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

int WINAPI ChoosePixelFormat(HDC hdc, const PIXELFORMATDESCRIPTOR *ppfd) {
    if (injected_fault("ChoosePixelFormat"))
        return 0;
    if (!ppfd || !window_of_dc(hdc))
        return 0;
    if (ppfd->iPixelType != PFD_TYPE_RGBA || !(ppfd->dwFlags & PFD_SUPPORT_OPENGL) ||
        (ppfd->dwFlags & (pfd_stereo | pfd_draw_to_bitmap)))
        return 0; // no colour-index, GDI-only, stereo or bitmap formats here
    int colour = ppfd->cColorBits == 0 ? 1 : position(colours, 3, ppfd->cColorBits);
    if (ppfd->cAlphaBits)
        colour = 2;
    int depth = position(depths, 4, ppfd->cDepthBits);
    int stencil = ppfd->cStencilBits ? 1 : 0;
    int single = (ppfd->dwFlags & PFD_DOUBLEBUFFER) ? 0 : 1;
    return 1 + ((colour * 4 + depth) * 2 + stencil) * 2 + single;
}

// On X11 the visual is fixed when a window is created, so the SDL window behind the HWND is
// made again as an OpenGL window with the format's attributes (before it is shown, as the
// program does it).
BOOL WINAPI SetPixelFormat(HDC hdc, int format, const PIXELFORMATDESCRIPTOR *) {
    if (injected_fault("SetPixelFormat"))
        return FALSE;
    Window *w = window_of_dc(hdc);
    const PixelFormat *f = pixel_format(format);
    if (!w || !f)
        return FALSE;
    if (w->pixel_format)
        return w->pixel_format == format; // a window's format is set once
    apply_gl_attributes(*f);
    if (!create_sdl_window(*w, true))
        return FALSE;
    w->pixel_format = format;
    return TRUE;
}
