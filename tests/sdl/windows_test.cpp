// Classes, windows and the messages Windows sends from inside the calls.
#include "support.h"

#include "platform/sdl/layer.h"
#include "platform/sdl/video.h"
#include "platform/sdl/windows.h"

#include <gtest/gtest.h>

// Last: X11's headers define macros (None, Bool) that GoogleTest's own names collide with.
#include <SDL_syswm.h>

#include <dlfcn.h>

#include <cstdio>
#include <cstdlib>
#include <string>

using namespace zelmvik_test;

namespace {

WNDCLASSA plain_class(const char *name) {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = recording_proc;
    wc.hInstance = GetModuleHandleA(NULL);
    wc.lpszClassName = name;
    return wc;
}

std::vector<UINT> names(const std::vector<Message> &ms) {
    std::vector<UINT> out;
    for (const Message &m : ms)
        out.push_back(m.message);
    return out;
}

// The cases named _sdl3 point SDL 2's dynamic API at sdl2-compat; should SDL not take it up,
// they would pass on classic SDL 2 under SDL 3's name.
// ZELMVIK_SDL names the SDL the case is registered for: 3 where libSDL2 is sdl2-compat, or
// where SDL_DYNAMIC_API puts it under a classic SDL 2's name.
TEST(Module, RunsOnTheSdlTheCaseAsksFor) {
    ASSERT_TRUE(zelmvik::video());
    void *sdl3 = dlopen("libSDL3.so.0", RTLD_LAZY | RTLD_NOLOAD);
    if (sdl3)
        dlclose(sdl3);
    const char *wanted = std::getenv("ZELMVIK_SDL");
    ASSERT_NE(wanted, nullptr) << "the case is not registered with the SDL it is for";
    EXPECT_EQ(sdl3 != nullptr, std::string(wanted) == "3");
}

TEST(Module, HandlesAreStableAndStockResourcesKnown) {
    EXPECT_NE(GetModuleHandleA(NULL), nullptr);
    EXPECT_EQ(GetModuleHandleA(NULL), GetModuleHandleA(NULL));
    EXPECT_NE(LoadIconA(NULL, IDI_WINLOGO), nullptr);
    EXPECT_EQ(LoadIconA(NULL, IDI_WINLOGO), LoadIconA(NULL, IDI_WINLOGO));
    EXPECT_NE(LoadCursorA(NULL, IDC_ARROW), nullptr);
    EXPECT_EQ(LoadIconA(NULL, MAKEINTRESOURCEA(1)), nullptr);
    EXPECT_EQ(LoadCursorA(NULL, MAKEINTRESOURCEA(32647)), nullptr);
}

TEST(Classes, TableRefusesWhatWindowsRefuses) {
    HINSTANCE me = GetModuleHandleA(NULL);
    WNDCLASSA wc = plain_class("zelmvik-class-table");
    EXPECT_EQ(RegisterClassA(NULL), 0);
    WNDCLASSA empty = plain_class("");
    EXPECT_EQ(RegisterClassA(&empty), 0);
    EXPECT_FALSE(UnregisterClassA("zelmvik-never-registered", me));

    EXPECT_NE(RegisterClassA(&wc), 0);
    EXPECT_EQ(RegisterClassA(&wc), 0) << "already registered";
    WNDCLASSA upper = plain_class("ZELMVIK-CLASS-TABLE");
    EXPECT_EQ(RegisterClassA(&upper), 0) << "class names ignore case";

    HWND w =
        CreateWindowExA(0, "zelmvik-class-table", "", WS_POPUP, 0, 0, 10, 10, NULL, NULL, me, NULL);
    ASSERT_NE(w, nullptr);
    EXPECT_FALSE(UnregisterClassA("zelmvik-class-table", me)) << "a window of it exists";
    EXPECT_TRUE(DestroyWindow(w));
    EXPECT_TRUE(UnregisterClassA("zelmvik-class-table", me));
    EXPECT_FALSE(UnregisterClassA("zelmvik-class-table", me));
    EXPECT_EQ(
        CreateWindowExA(0, "zelmvik-class-table", "", WS_POPUP, 0, 0, 10, 10, NULL, NULL, me, NULL),
        nullptr)
        << "class gone";
}

TEST(Windows, SentMessagesReachTheProcedureInOrder) {
    TestClass cls;
    received().clear();
    TestWindow window(cls);
    ASSERT_NE(window.hwnd(), nullptr);
    EXPECT_EQ(names(received()), (std::vector<UINT>{WM_NCCREATE, WM_CREATE}));
    EXPECT_EQ(window.sdl(), nullptr) << "no SDL window until it is shown or given a pixel format";

    received().clear();
    ShowWindow(window.hwnd(), SW_SHOW);
    EXPECT_TRUE(SDL_GetWindowFlags(window.sdl()) & SDL_WINDOW_SHOWN);
    ASSERT_EQ(names(received()),
              (std::vector<UINT>{WM_SHOWWINDOW, WM_ACTIVATE, WM_SETFOCUS, WM_SIZE, WM_SYSCOMMAND}));
    EXPECT_EQ(received()[0].wParam, WPARAM(TRUE));
    EXPECT_EQ(received()[1].wParam, WPARAM(WA_ACTIVE));
    EXPECT_EQ(received()[3].wParam, WPARAM(SIZE_RESTORED));
    EXPECT_EQ(received()[3].lParam, LPARAM(640 | 480 << 16));
    EXPECT_EQ(received()[4].wParam, WPARAM(SC_SCREENSAVE));

    received().clear();
    EXPECT_TRUE(SetForegroundWindow(window.hwnd()));
    EXPECT_EQ(SetFocus(window.hwnd()), window.hwnd());
    EXPECT_TRUE(received().empty()) << "already active and focused";

    received().clear();
    HWND h = window.hwnd();
    ASSERT_TRUE(DestroyWindow(h));
    window.forget();
    EXPECT_EQ(names(received()),
              (std::vector<UINT>{WM_ACTIVATE, WM_KILLFOCUS, WM_DESTROY, WM_NCDESTROY}));
    EXPECT_EQ(received()[0].wParam, WPARAM(WA_INACTIVE));

    EXPECT_FALSE(DestroyWindow(h));
    EXPECT_FALSE(ShowWindow(h, SW_SHOW));
    EXPECT_EQ(GetDC(h), nullptr);
    EXPECT_FALSE(SetForegroundWindow(h));
}

TEST(Windows, DeviceContextBelongsToItsWindow) {
    TestClass cls;
    TestWindow a(cls), b(cls);
    HDC dc = GetDC(a.hwnd());
    ASSERT_NE(dc, nullptr);
    EXPECT_EQ(GetDC(a.hwnd()), dc) << "one DC per window";
    EXPECT_NE(GetDC(b.hwnd()), dc);
    EXPECT_EQ(ReleaseDC(b.hwnd(), dc), 0);
    EXPECT_EQ(ReleaseDC(a.hwnd(), dc), 1);
    EXPECT_EQ(GetDC(NULL), nullptr);
}

TEST(Windows, ScreenSaverStaysOffWhileAShownWindowRefusesIt) {
    TestClass cls;
    refuse_screensaver = true;
    {
        TestWindow window(cls);
        ShowWindow(window.hwnd(), SW_SHOW);
        EXPECT_FALSE(SDL_IsScreenSaverEnabled());
    }
    EXPECT_TRUE(SDL_IsScreenSaverEnabled()) << "the refusing window is gone";
    refuse_screensaver = false;
    TestWindow window(cls);
    ShowWindow(window.hwnd(), SW_SHOW);
    EXPECT_TRUE(SDL_IsScreenSaverEnabled()) << "DefWindowProcA lets it run";
}

// The X server's own idea of the window's size, independent of SDL's bookkeeping.
std::pair<int, int> x_geometry(SDL_Window *w) {
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (!SDL_GetWindowWMInfo(w, &info) || info.subsystem != SDL_SYSWM_X11)
        return {-1, -1};
    std::string command = "xwininfo -id " + std::to_string(info.info.x11.window);
    FILE *p = popen(command.c_str(), "r");
    if (!p)
        return {-1, -1};
    int width = -1, height = -1;
    char line[256];
    while (fgets(line, sizeof line, p)) {
        sscanf(line, "  Width: %d", &width);
        sscanf(line, "  Height: %d", &height);
    }
    pclose(p);
    return {width, height};
}

TEST(Windows, WindowedRequestGetsExactlyTheClientArea) {
    RECT r = {0, 0, 640, 480};
    AdjustWindowRectEx(&r, WS_OVERLAPPEDWINDOW, FALSE, WS_EX_APPWINDOW | WS_EX_WINDOWEDGE);
    EXPECT_GT(r.right - r.left, 640) << "a frame is added for the decorated style";
    EXPECT_GT(r.bottom - r.top, 480);
    RECT popup = {0, 0, 640, 480};
    AdjustWindowRectEx(&popup, WS_POPUP, FALSE, WS_EX_APPWINDOW);
    EXPECT_EQ(popup.right - popup.left, 640);
    EXPECT_EQ(popup.bottom - popup.top, 480);

    TestClass cls;
    TestWindow window(cls, WS_OVERLAPPEDWINDOW | WS_CLIPSIBLINGS | WS_CLIPCHILDREN);
    ShowWindow(window.hwnd(), SW_SHOW);
    int w = 0, h = 0;
    SDL_GetWindowSize(window.sdl(), &w, &h);
    EXPECT_EQ(w, 640);
    EXPECT_EQ(h, 480);
    EXPECT_TRUE(SDL_GetWindowFlags(window.sdl()) & SDL_WINDOW_RESIZABLE);
    EXPECT_FALSE(SDL_GetWindowFlags(window.sdl()) & SDL_WINDOW_BORDERLESS);
    EXPECT_EQ(x_geometry(window.sdl()), std::make_pair(640, 480));

    TestWindow bare(cls, WS_POPUP);
    ShowWindow(bare.hwnd(), SW_SHOW);
    EXPECT_TRUE(SDL_GetWindowFlags(bare.sdl()) & SDL_WINDOW_BORDERLESS);
}

TEST(Windows, TitleIsConvertedFromCodePage1252) {
    TestClass cls;
    HWND w = CreateWindowExA(0, cls.name(), "Zelmvik til qor! \xE5\xF8\xE6", WS_POPUP, 0, 0, 10, 10,
                             NULL, NULL, GetModuleHandleA(NULL), NULL);
    ASSERT_NE(w, nullptr);
    ShowWindow(w, SW_SHOW);
    SDL_Window *sdl = zelmvik::find_window(w)->sdl.get();
    EXPECT_STREQ(SDL_GetWindowTitle(sdl), "Zelmvik til qor! \u00e5\u00f8\u00e6");
    DestroyWindow(w);
}

} // namespace
