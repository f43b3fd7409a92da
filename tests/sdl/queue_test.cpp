// The message queue: posted messages, the quit request, window events from SDL.
#include "support.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace zelmvik_test;

namespace {

void push_window_event(SDL_Window *w, Uint8 event, int data1 = 0, int data2 = 0) {
    SDL_Event e = {};
    e.type = SDL_WINDOWEVENT;
    e.window.windowID = SDL_GetWindowID(w);
    e.window.event = event;
    e.window.data1 = data1;
    e.window.data2 = data2;
    ASSERT_EQ(SDL_PushEvent(&e), 1);
}

class Queue : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_NE(window.hwnd(), nullptr);
        ShowWindow(window.hwnd(), SW_SHOW);
        drain();
        received().clear();
    }
    TestClass cls;
    TestWindow window{cls};
};

TEST_F(Queue, QuitComesAfterEveryPostedMessageWithItsExitCode) {
    SDL_Event e = {};
    e.type = SDL_KEYDOWN;
    e.key.windowID = SDL_GetWindowID(window.sdl());
    e.key.keysym.sym = SDLK_ESCAPE;
    SDL_PushEvent(&e);
    PostQuitMessage(27);

    MSG m = {};
    ASSERT_TRUE(PeekMessageA(&m, NULL, 0, 0, PM_NOREMOVE));
    EXPECT_EQ(m.message, UINT(WM_KEYDOWN));
    ASSERT_TRUE(PeekMessageA(&m, NULL, 0, 0, PM_REMOVE)) << "PM_NOREMOVE left it queued";
    EXPECT_EQ(m.message, UINT(WM_KEYDOWN));
    ASSERT_TRUE(TranslateMessage(&m));
    ASSERT_TRUE(PeekMessageA(&m, NULL, 0, 0, PM_REMOVE));
    EXPECT_EQ(m.message, UINT(WM_CHAR)) << "a message posted after the quit still comes first";
    ASSERT_TRUE(PeekMessageA(&m, NULL, 0, 0, PM_NOREMOVE));
    EXPECT_EQ(m.message, UINT(WM_QUIT));
    ASSERT_TRUE(PeekMessageA(&m, NULL, 0, 0, PM_REMOVE));
    EXPECT_EQ(m.message, UINT(WM_QUIT));
    EXPECT_EQ(m.wParam, WPARAM(27));
    EXPECT_EQ(m.hwnd, nullptr);

    MSG kept = m;
    EXPECT_FALSE(PeekMessageA(&m, NULL, 0, 0, PM_REMOVE)) << "one quit per PostQuitMessage";
    EXPECT_EQ(0, memcmp(&kept, &m, sizeof m)) << "an empty peek leaves the record alone";
}

TEST_F(Queue, FiltersByWindowAndRange) {
    TestWindow other(cls);
    ShowWindow(other.hwnd(), SW_SHOW);
    drain();
    MSG m = {other.hwnd(), WM_KEYDOWN, 'A', 0, 0, {0, 0}};
    TranslateMessage(&m); // posts WM_CHAR to `other`
    EXPECT_FALSE(PeekMessageA(&m, window.hwnd(), 0, 0, PM_REMOVE));
    EXPECT_FALSE(PeekMessageA(&m, NULL, WM_KEYDOWN, WM_KEYUP, PM_REMOVE));
    EXPECT_TRUE(PeekMessageA(&m, other.hwnd(), WM_CHAR, WM_CHAR, PM_REMOVE));
    EXPECT_EQ(m.wParam, WPARAM('a'));
}

TEST_F(Queue, DispatchCallsTheWindowProcedure) {
    MSG m = {window.hwnd(), WM_KEYDOWN, VK_F1, 0, 0, {0, 0}};
    DispatchMessageA(&m);
    ASSERT_EQ(received(WM_KEYDOWN).size(), 1u);
    EXPECT_EQ(received(WM_KEYDOWN)[0].wParam, WPARAM(VK_F1));
    MSG orphan = {NULL, WM_KEYDOWN, VK_F1, 0, 0, {0, 0}};
    EXPECT_EQ(DispatchMessageA(&orphan), 0);
    MSG stale = {reinterpret_cast<HWND>(0x7fff0000), WM_KEYDOWN, VK_F1, 0, 0, {0, 0}};
    EXPECT_EQ(DispatchMessageA(&stale), 0);
    EXPECT_EQ(received(WM_KEYDOWN).size(), 1u);
}

TEST_F(Queue, WindowManagerCloseIsTheCloseCommand) {
    push_window_event(window.sdl(), SDL_WINDOWEVENT_CLOSE);
    std::vector<MSG> got = drain(WM_SYSCOMMAND);
    ASSERT_EQ(got.size(), 1u);
    EXPECT_EQ(got[0].wParam, WPARAM(SC_CLOSE));
    // Its default processing sends WM_CLOSE, whose default processing destroys the window.
    DispatchMessageA(&got[0]);
    EXPECT_EQ(received(WM_CLOSE).size(), 1u);
    EXPECT_EQ(received(WM_DESTROY).size(), 1u);
    EXPECT_FALSE(DestroyWindow(window.hwnd())) << "the handle is stale now";
    window.forget();
}

TEST_F(Queue, SdlQuitAsksEveryWindowToClose) {
    TestWindow other(cls);
    SDL_Event e = {};
    e.type = SDL_QUIT;
    SDL_PushEvent(&e);
    std::vector<MSG> got = drain(WM_CLOSE);
    ASSERT_EQ(got.size(), 2u);
    EXPECT_NE(got[0].hwnd, got[1].hwnd);
}

TEST_F(Queue, MinimiseAndRestoreReportActivationAndSize) {
    push_window_event(window.sdl(), SDL_WINDOWEVENT_MINIMIZED);
    push_window_event(window.sdl(), SDL_WINDOWEVENT_FOCUS_LOST);
    push_window_event(window.sdl(), SDL_WINDOWEVENT_RESTORED);
    push_window_event(window.sdl(), SDL_WINDOWEVENT_SIZE_CHANGED, 800, 600);
    std::vector<MSG> got;
    for (const MSG &m : drain())
        if (m.message == WM_ACTIVATE || m.message == WM_SIZE)
            got.push_back(m);
    ASSERT_EQ(got.size(), 5u);
    EXPECT_EQ(got[0].message, UINT(WM_ACTIVATE));
    EXPECT_EQ(HIWORD(got[0].wParam), 1) << "minimised";
    EXPECT_EQ(got[1].message, UINT(WM_SIZE));
    EXPECT_EQ(got[1].wParam, WPARAM(SIZE_MINIMIZED));
    EXPECT_EQ(got[1].lParam, 0);
    EXPECT_EQ(got[2].message, UINT(WM_ACTIVATE));
    EXPECT_EQ(got[2].wParam, WPARAM(WA_ACTIVE));
    EXPECT_EQ(got[3].message, UINT(WM_SIZE));
    EXPECT_EQ(got[3].lParam, LPARAM(640 | 480 << 16));
    EXPECT_EQ(got[4].message, UINT(WM_SIZE));
    EXPECT_EQ(got[4].lParam, LPARAM(800 | 600 << 16));
}

TEST_F(Queue, FocusLossIsInactivationWithoutMinimising) {
    push_window_event(window.sdl(), SDL_WINDOWEVENT_FOCUS_LOST);
    push_window_event(window.sdl(), SDL_WINDOWEVENT_FOCUS_GAINED);
    std::vector<MSG> got = drain(WM_ACTIVATE);
    ASSERT_EQ(got.size(), 2u);
    EXPECT_EQ(got[0].wParam, WPARAM(WA_INACTIVE));
    EXPECT_EQ(got[1].wParam, WPARAM(WA_ACTIVE));
}

TEST(Cursor, ShowCursorKeepsWindowsDisplayCounter) {
    TestClass cls;
    TestWindow window(cls); // SDL video up, so the counter reaches SDL too
    int start = ShowCursor(TRUE) - 1;
    ASSERT_EQ(start, 0) << "the counter starts at 0";
    EXPECT_EQ(SDL_ShowCursor(SDL_QUERY), SDL_ENABLE);
    EXPECT_EQ(ShowCursor(FALSE), 0);
    EXPECT_EQ(SDL_ShowCursor(SDL_QUERY), SDL_ENABLE);
    EXPECT_EQ(ShowCursor(FALSE), -1);
    EXPECT_EQ(SDL_ShowCursor(SDL_QUERY), SDL_DISABLE);
    EXPECT_EQ(ShowCursor(FALSE), -2);
    EXPECT_EQ(ShowCursor(TRUE), -1);
    EXPECT_EQ(SDL_ShowCursor(SDL_QUERY), SDL_DISABLE);
    EXPECT_EQ(ShowCursor(TRUE), 0);
    EXPECT_EQ(SDL_ShowCursor(SDL_QUERY), SDL_ENABLE);
}

} // namespace
