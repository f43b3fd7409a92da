// The fault hook of the test build of the layer: named calls fail, the others do not.
#include "support.h"

#include <gtest/gtest.h>

#include <cstdlib>

using namespace zelmvik_test;

namespace {

struct Fail {
    explicit Fail(const char *wanted) { setenv("ZELMVIK_FAIL", wanted, 1); }
    ~Fail() { unsetenv("ZELMVIK_FAIL"); }
};

TEST(Fault, EachNamedCallFailsWithItsFailureValue) {
    HINSTANCE me = GetModuleHandleA(NULL);
    TestClass cls;
    {
        Fail f("RegisterClassA");
        WNDCLASSA wc = {};
        wc.lpfnWndProc = recording_proc;
        wc.lpszClassName = "zelmvik-fault";
        EXPECT_EQ(RegisterClassA(&wc), 0);
    }
    {
        Fail f("CreateWindowExA");
        EXPECT_EQ(CreateWindowExA(0, cls.name(), "", WS_POPUP, 0, 0, 10, 10, NULL, NULL, me, NULL),
                  nullptr);
    }
    TestWindow window(cls);
    ASSERT_NE(window.hwnd(), nullptr);
    PIXELFORMATDESCRIPTOR pfd = program_pfd();
    HDC dc = GetDC(window.hwnd());
    {
        Fail f("GetDC,ChoosePixelFormat,SetPixelFormat");
        EXPECT_EQ(GetDC(window.hwnd()), nullptr);
        EXPECT_EQ(ChoosePixelFormat(dc, &pfd), 0);
        EXPECT_FALSE(SetPixelFormat(dc, 1, &pfd));
    }
    ASSERT_TRUE(SetPixelFormat(dc, ChoosePixelFormat(dc, &pfd), &pfd));
    {
        Fail f("wglCreateContext");
        EXPECT_EQ(wglCreateContext(dc), nullptr);
    }
    HGLRC rc = wglCreateContext(dc);
    ASSERT_NE(rc, nullptr);
    {
        Fail f("wglMakeCurrent");
        EXPECT_FALSE(wglMakeCurrent(dc, rc));
        EXPECT_TRUE(wglMakeCurrent(NULL, NULL)) << "the release is named on its own";
    }
    ASSERT_TRUE(wglMakeCurrent(dc, rc));
    {
        Fail f("wglReleaseCurrent,wglDeleteContext,ReleaseDC,DestroyWindow,UnregisterClassA");
        EXPECT_FALSE(wglMakeCurrent(NULL, NULL));
        EXPECT_FALSE(wglDeleteContext(rc));
        EXPECT_EQ(ReleaseDC(window.hwnd(), dc), 0);
        EXPECT_FALSE(DestroyWindow(window.hwnd()));
        EXPECT_FALSE(UnregisterClassA(cls.name(), me));
    }
    EXPECT_TRUE(wglMakeCurrent(NULL, NULL));
    EXPECT_TRUE(wglDeleteContext(rc)) << "a failed call did nothing";
    EXPECT_EQ(ReleaseDC(window.hwnd(), dc), 1);
}

TEST(Fault, OnlyTheNthCallFails) {
    TestClass cls;
    Fail f("CreateWindowExA@2");
    HINSTANCE me = GetModuleHandleA(NULL);
    HWND first = CreateWindowExA(0, cls.name(), "", WS_POPUP, 0, 0, 10, 10, NULL, NULL, me, NULL);
    HWND second = CreateWindowExA(0, cls.name(), "", WS_POPUP, 0, 0, 10, 10, NULL, NULL, me, NULL);
    HWND third = CreateWindowExA(0, cls.name(), "", WS_POPUP, 0, 0, 10, 10, NULL, NULL, me, NULL);
    EXPECT_NE(first, nullptr);
    EXPECT_EQ(second, nullptr);
    EXPECT_NE(third, nullptr);
    DestroyWindow(first);
    DestroyWindow(third);
}

TEST(Fault, DisplayModeSetFailsButTheRestoreDoesNot) {
    TestClass cls;
    TestWindow up(cls);
    SDL_DisplayMode m;
    ASSERT_EQ(SDL_GetDesktopDisplayMode(0, &m), 0);
    DEVMODEA dm = {};
    dm.dmSize = sizeof dm;
    dm.dmPelsWidth = DWORD(m.w);
    dm.dmPelsHeight = DWORD(m.h);
    dm.dmFields = DM_PELSWIDTH | DM_PELSHEIGHT;
    Fail f("ChangeDisplaySettingsA");
    EXPECT_NE(ChangeDisplaySettingsA(&dm, CDS_FULLSCREEN), DISP_CHANGE_SUCCESSFUL);
    EXPECT_EQ(ChangeDisplaySettingsA(NULL, 0), DISP_CHANGE_SUCCESSFUL);
}

} // namespace
