#include "expected.h"

#include <algorithm>

namespace {

using WndProcTest = Shell;

const HWND wnd = fake::hwnd(1);

bool no_key_down() {
    return std::none_of(std::begin(keys), std::end(keys), [](bool k) { return k; });
}

TEST_F(WndProcTest, ActivationTracksTheMinimisedFlagOnly) {
    active = false;
    EXPECT_EQ(WndProc(wnd, WM_ACTIVATE, WA_INACTIVE, 0), 0);
    EXPECT_TRUE(active) << "losing the activation without being minimised keeps drawing";

    EXPECT_EQ(WndProc(wnd, WM_ACTIVATE, 0x00010001, 0), 0);
    EXPECT_FALSE(active);

    EXPECT_EQ(WndProc(wnd, WM_ACTIVATE, WA_ACTIVE, 0), 0);
    EXPECT_TRUE(active);
    EXPECT_EQ(fake::log(), Log{});
}

TEST_F(WndProcTest, ScreenSaverAndMonitorPowerAreRefused) {
    EXPECT_EQ(WndProc(wnd, WM_SYSCOMMAND, SC_SCREENSAVE, 0), 0);
    EXPECT_EQ(WndProc(wnd, WM_SYSCOMMAND, SC_MONITORPOWER, 2), 0);
    EXPECT_EQ(fake::log(), Log{});
}

TEST_F(WndProcTest, OtherSystemCommandsGetDefaultProcessing) {
    WndProc(wnd, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    WndProc(wnd, WM_SYSCOMMAND, SC_SCREENSAVE | 1, 0x00200010); // the whole wParam is compared
    EXPECT_EQ(fake::log(), (Log{
                               "DefWindowProcA(hwnd1, WM_SYSCOMMAND, 0xf020, 0x0)",
                               "DefWindowProcA(hwnd1, WM_SYSCOMMAND, 0xf141, 0x200010)",
                           }));
}

TEST_F(WndProcTest, CloseAsksTheLoopToQuitAndLeavesTheWindow) {
    EXPECT_EQ(WndProc(wnd, WM_CLOSE, 0, 0), 0);
    EXPECT_EQ(fake::log(), Log{"PostQuitMessage(0)"});

    MSG msg{};
    ASSERT_TRUE(PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.message, (UINT)WM_QUIT);
    EXPECT_EQ(msg.wParam, 0u);
}

TEST_F(WndProcTest, KeyDownAndUpSetAndClearTheEntry) {
    EXPECT_EQ(WndProc(wnd, WM_KEYDOWN, VK_F1, 0x003B0001), 0);
    EXPECT_TRUE(keys[VK_F1]);
    WndProc(wnd, WM_KEYDOWN, VK_F1, 0x403B0001); // auto-repeat keeps it down
    EXPECT_TRUE(keys[VK_F1]);
    EXPECT_EQ(WndProc(wnd, WM_KEYUP, VK_F1, 0xC03B0001), 0);
    EXPECT_TRUE(no_key_down());
    EXPECT_EQ(fake::log(), Log{});
}

TEST_F(WndProcTest, KeyCodesPastTheTableChangeNothing) {
    for (WPARAM code : {WPARAM(256), WPARAM(0x1000), ~WPARAM(0)}) {
        EXPECT_EQ(WndProc(wnd, WM_KEYDOWN, code, 0), 0);
        EXPECT_EQ(WndProc(wnd, WM_KEYUP, code, 0), 0);
    }
    EXPECT_TRUE(no_key_down());
    EXPECT_TRUE(active);
}

TEST_F(WndProcTest, SizeResizesTheScene) {
    EXPECT_EQ(WndProc(wnd, WM_SIZE, SIZE_RESTORED, 0x01E00280), 0);
    EXPECT_EQ(WndProc(wnd, WM_SIZE, SIZE_MINIMIZED, 0), 0);
    EXPECT_EQ(WndProc(wnd, WM_SIZE, SIZE_MAXIMIZED, 0xFFFF0001), 0);
    EXPECT_EQ(fake::log(), (Log{
                               "ReSizeGLScene(640, 480)",
                               "ReSizeGLScene(0, 0)",
                               "ReSizeGLScene(1, 65535)",
                           }));
}

TEST_F(WndProcTest, EverythingElseGoesToDefaultProcessingUnchanged) {
    WndProc(wnd, WM_PAINT, 0, 0);
    WndProc(wnd, WM_SYSKEYDOWN, VK_F1, 0x203B0001); // Alt+F1 is not ours
    WndProc(wnd, WM_CHAR, 27, 0x00010001);
    WndProc(wnd, 0x0400, 0x12345678, 0x7FFF);
    EXPECT_EQ(fake::log(), (Log{
                               "DefWindowProcA(hwnd1, WM_PAINT, 0x0, 0x0)",
                               "DefWindowProcA(hwnd1, WM_SYSKEYDOWN, 0x70, 0x203b0001)",
                               "DefWindowProcA(hwnd1, WM_CHAR, 0x1b, 0x10001)",
                               "DefWindowProcA(hwnd1, 0x400, 0x12345678, 0x7fff)",
                           }));
    EXPECT_TRUE(no_key_down());
}

} // namespace
