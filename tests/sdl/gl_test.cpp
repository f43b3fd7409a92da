// Pixel formats, contexts, display modes: what the program builds its window from.
#include "support.h"

#include "platform/sdl/gl.h"
#include "platform/sdl/layer.h"
#include "platform/sdl/windows.h"

#include <gtest/gtest.h>

using namespace zelmvik_test;

namespace {

int screen_bits() {
    SDL_DisplayMode desktop;
    SDL_GetDesktopDisplayMode(0, &desktop);
    return SDL_BITSPERPIXEL(desktop.format) <= 16 ? 16 : 24;
}

// One pass of what CreateGLWindow and KillGLWindow do with the layer.
void build_draw_release(const TestClass &cls, DWORD style) {
    TestWindow window(cls, style);
    ASSERT_NE(window.hwnd(), nullptr);
    HDC dc = GetDC(window.hwnd());
    PIXELFORMATDESCRIPTOR pfd = program_pfd();
    int format = ChoosePixelFormat(dc, &pfd);
    ASSERT_GT(format, 0);
    ASSERT_TRUE(SetPixelFormat(dc, format, &pfd));
    HGLRC rc = wglCreateContext(dc);
    ASSERT_NE(rc, nullptr);
    ASSERT_TRUE(wglMakeCurrent(dc, rc));
    ShowWindow(window.hwnd(), SW_SHOW);

    // What the window really has: the depth buffer Windows would give (the smallest at least
    // as deep as asked), the screen's colour, and DescribePixelFormat saying so.
    int depth = 0, red = 0, green = 0, blue = 0, doubled = 0;
    SDL_GL_GetAttribute(SDL_GL_DEPTH_SIZE, &depth);
    SDL_GL_GetAttribute(SDL_GL_RED_SIZE, &red);
    SDL_GL_GetAttribute(SDL_GL_GREEN_SIZE, &green);
    SDL_GL_GetAttribute(SDL_GL_BLUE_SIZE, &blue);
    SDL_GL_GetAttribute(SDL_GL_DOUBLEBUFFER, &doubled);
    EXPECT_EQ(depth, 16);
    EXPECT_EQ(red + green + blue, screen_bits());
    EXPECT_EQ(doubled, 1);
    PIXELFORMATDESCRIPTOR described = {};
    EXPECT_GT(DescribePixelFormat(dc, format, sizeof described, &described), format);
    EXPECT_EQ(described.cDepthBits, depth);
    EXPECT_EQ(described.cRedBits, red);
    EXPECT_EQ(described.cGreenBits, green);
    EXPECT_EQ(described.cBlueBits, blue);
    EXPECT_TRUE(described.dwFlags & PFD_DOUBLEBUFFER);

    glClearColor(0.0f, 1.0f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    GLubyte pixel[4] = {};
    glReadBuffer(GL_BACK);
    glReadPixels(10, 10, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, pixel);
    EXPECT_EQ(pixel[1], 255) << "the clear reached the window's back buffer";
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
    EXPECT_TRUE(SwapBuffers(dc));

    EXPECT_TRUE(wglMakeCurrent(NULL, NULL));
    EXPECT_EQ(SDL_GL_GetCurrentContext(), nullptr);
    EXPECT_TRUE(wglDeleteContext(rc));
    EXPECT_FALSE(wglDeleteContext(rc)) << "already deleted";
    EXPECT_FALSE(wglMakeCurrent(dc, rc)) << "a deleted context";
    EXPECT_EQ(ReleaseDC(window.hwnd(), dc), 1);
}

TEST(Gl, BuildDrawReleaseTwiceInOneProcess) {
    TestClass cls;
    build_draw_release(cls, WS_OVERLAPPEDWINDOW);
    build_draw_release(cls, WS_POPUP); // the rebuild after F1
}

TEST(Gl, PixelFormatRules) {
    TestClass cls;
    TestWindow window(cls);
    HDC dc = GetDC(window.hwnd());
    PIXELFORMATDESCRIPTOR pfd = program_pfd();

    PIXELFORMATDESCRIPTOR index = pfd;
    index.iPixelType = 1; // PFD_TYPE_COLORINDEX
    EXPECT_EQ(ChoosePixelFormat(dc, &index), 0);
    PIXELFORMATDESCRIPTOR gdi_only = pfd;
    gdi_only.dwFlags = PFD_DRAW_TO_WINDOW;
    EXPECT_EQ(ChoosePixelFormat(dc, &gdi_only), 0);
    EXPECT_EQ(ChoosePixelFormat(NULL, &pfd), 0);

    // The screen's colour whatever was asked for, as on Windows; the rest as asked.
    int format = ChoosePixelFormat(dc, &pfd);
    const zelmvik::PixelFormat *f = zelmvik::pixel_format(format);
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->red + f->green + f->blue, screen_bits());
    EXPECT_EQ(f->alpha, 0);
    EXPECT_EQ(f->stencil, 0);
    EXPECT_EQ(f->depth, 16);
    EXPECT_TRUE(f->double_buffer);
    PIXELFORMATDESCRIPTOR deep = pfd;
    deep.cColorBits = 24;
    EXPECT_EQ(ChoosePixelFormat(dc, &deep), format);

    EXPECT_EQ(wglCreateContext(dc), nullptr) << "no pixel format yet";
    EXPECT_FALSE(SwapBuffers(dc));
    EXPECT_FALSE(SetPixelFormat(dc, 0, &pfd));
    EXPECT_FALSE(SetPixelFormat(dc, 10000, &pfd));
    ASSERT_TRUE(SetPixelFormat(dc, format, &pfd));
    EXPECT_TRUE(SDL_GetWindowFlags(window.sdl()) & SDL_WINDOW_OPENGL);
    EXPECT_TRUE(SetPixelFormat(dc, format, &pfd)) << "the same format again";
    EXPECT_FALSE(SetPixelFormat(dc, format + 1, &pfd)) << "a window's format is set once";

    EXPECT_FALSE(wglDeleteContext(reinterpret_cast<HGLRC>(0x7fff0000)));
    EXPECT_FALSE(SwapBuffers(reinterpret_cast<HDC>(0x7fff0000)));
    EXPECT_TRUE(wglMakeCurrent(NULL, NULL)) << "nothing current is fine";
}

// Each window is one SDL window, made when its pixel format is set; a window shown before has
// a plain one, made again as an OpenGL one, shown as it was.
TEST(Gl, OneSdlWindowForEachWindow) {
    TestClass cls;
    PIXELFORMATDESCRIPTOR pfd = program_pfd();
    TestWindow first(cls);
    EXPECT_EQ(first.sdl(), nullptr);
    ASSERT_TRUE(SetPixelFormat(first.dc(), ChoosePixelFormat(first.dc(), &pfd), &pfd));
    SDL_Window *made = first.sdl();
    EXPECT_TRUE(SDL_GetWindowFlags(made) & SDL_WINDOW_OPENGL);
    ShowWindow(first.hwnd(), SW_SHOW);
    EXPECT_EQ(first.sdl(), made) << "showing makes no other";

    TestWindow shown(cls);
    ShowWindow(shown.hwnd(), SW_SHOW);
    ASSERT_NE(shown.sdl(), nullptr);
    EXPECT_FALSE(SDL_GetWindowFlags(shown.sdl()) & SDL_WINDOW_OPENGL);
    ASSERT_TRUE(SetPixelFormat(shown.dc(), ChoosePixelFormat(shown.dc(), &pfd), &pfd));
    EXPECT_TRUE(SDL_GetWindowFlags(shown.sdl()) & SDL_WINDOW_OPENGL);
    EXPECT_TRUE(SDL_GetWindowFlags(shown.sdl()) & SDL_WINDOW_SHOWN);
    // Keys, not text: no input method holds a letter typed by mistake, nor F1 and Esc after it.
    EXPECT_FALSE(SDL_IsTextInputActive());
}

TEST(Gl, DeletingTheCurrentContextMakesItNonCurrent) {
    TestClass cls;
    TestWindow window(cls);
    HDC dc = GetDC(window.hwnd());
    PIXELFORMATDESCRIPTOR pfd = program_pfd();
    ASSERT_TRUE(SetPixelFormat(dc, ChoosePixelFormat(dc, &pfd), &pfd));
    HGLRC rc = wglCreateContext(dc);
    ASSERT_NE(rc, nullptr);
    EXPECT_EQ(SDL_GL_GetCurrentContext(), nullptr) << "creating makes nothing current";
    ASSERT_TRUE(wglMakeCurrent(dc, rc));
    EXPECT_NE(SDL_GL_GetCurrentContext(), nullptr);
    EXPECT_TRUE(wglDeleteContext(rc));
    EXPECT_EQ(SDL_GL_GetCurrentContext(), nullptr);
}

// The screen Xvfb was started with decides: the tests are registered for both screens.
bool screen_is(int w, int h, int bits) {
    SDL_DisplayMode m;
    return SDL_GetDesktopDisplayMode(0, &m) == 0 && m.w == w && m.h == h &&
           int(SDL_BITSPERPIXEL(m.format)) == bits;
}

DEVMODEA mode_request(DWORD w, DWORD h, DWORD bits) {
    DEVMODEA dm = {};
    dm.dmSize = sizeof dm;
    dm.dmPelsWidth = w;
    dm.dmPelsHeight = h;
    dm.dmBitsPerPel = bits;
    dm.dmFields = DM_BITSPERPEL | DM_PELSWIDTH | DM_PELSHEIGHT;
    return dm;
}

// Resolutions only as the display offers them; colour depths as Windows emulates them, any up
// to the display's own (a 24-bit X visual counts as 32 bits per pixel, as on Windows).
TEST(DisplayMode, OnlyTheModesTheDisplayOffers) {
    TestClass cls;
    TestWindow up(cls); // video up
    DEVMODEA program = mode_request(640, 480, 16);
    if (screen_is(1024, 768, 24)) {
        EXPECT_EQ(ChangeDisplaySettingsA(&program, CDS_FULLSCREEN), DISP_CHANGE_BADMODE);
        for (DWORD bits : {8, 16, 24, 32}) {
            DEVMODEA own = mode_request(1024, 768, bits);
            EXPECT_EQ(ChangeDisplaySettingsA(&own, CDS_FULLSCREEN), DISP_CHANGE_SUCCESSFUL)
                << bits << " bits";
        }
        DEVMODEA deeper = mode_request(1024, 768, 48);
        EXPECT_EQ(ChangeDisplaySettingsA(&deeper, CDS_FULLSCREEN), DISP_CHANGE_BADMODE);
        DEVMODEA any_depth = mode_request(1024, 768, 64);
        any_depth.dmFields = DM_PELSWIDTH | DM_PELSHEIGHT; // bits not asked for
        EXPECT_EQ(ChangeDisplaySettingsA(&any_depth, CDS_FULLSCREEN), DISP_CHANGE_SUCCESSFUL);
    } else if (screen_is(640, 480, 16)) {
        EXPECT_EQ(ChangeDisplaySettingsA(&program, CDS_FULLSCREEN), DISP_CHANGE_SUCCESSFUL);
        DEVMODEA shallower = mode_request(640, 480, 8);
        EXPECT_EQ(ChangeDisplaySettingsA(&shallower, CDS_FULLSCREEN), DISP_CHANGE_SUCCESSFUL);
        DEVMODEA deeper = mode_request(640, 480, 24);
        EXPECT_EQ(ChangeDisplaySettingsA(&deeper, CDS_FULLSCREEN), DISP_CHANGE_BADMODE);
    } else {
        GTEST_SKIP() << "screen neither 1024x768x24 nor 640x480x16";
    }
    EXPECT_EQ(ChangeDisplaySettingsA(NULL, 0), DISP_CHANGE_SUCCESSFUL);
}

TEST(DisplayMode, PopupCoveringTheSwitchedModeIsFullscreenUntilRestored) {
    if (!screen_is(640, 480, 16))
        GTEST_SKIP() << "needs a 640x480x16 screen";
    TestClass cls;
    DEVMODEA program = mode_request(640, 480, 16);
    ASSERT_EQ(ChangeDisplaySettingsA(&program, CDS_FULLSCREEN), DISP_CHANGE_SUCCESSFUL);
    TestWindow full(cls, WS_POPUP | WS_CLIPSIBLINGS | WS_CLIPCHILDREN);
    TestWindow small(cls, WS_POPUP, 320, 240);
    HDC dc = GetDC(full.hwnd());
    PIXELFORMATDESCRIPTOR pfd = program_pfd();
    ASSERT_TRUE(SetPixelFormat(dc, ChoosePixelFormat(dc, &pfd), &pfd));
    EXPECT_TRUE(SDL_GetWindowFlags(full.sdl()) & SDL_WINDOW_FULLSCREEN) << "made fullscreen";
    ShowWindow(full.hwnd(), SW_SHOW);
    ShowWindow(small.hwnd(), SW_SHOW);
    EXPECT_TRUE(SDL_GetWindowFlags(full.sdl()) & SDL_WINDOW_FULLSCREEN);
    EXPECT_FALSE(SDL_GetWindowFlags(small.sdl()) & SDL_WINDOW_FULLSCREEN);

    EXPECT_EQ(ChangeDisplaySettingsA(NULL, 0), DISP_CHANGE_SUCCESSFUL);
    EXPECT_FALSE(SDL_GetWindowFlags(full.sdl()) & SDL_WINDOW_FULLSCREEN);
}

} // namespace
