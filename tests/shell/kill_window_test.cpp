#include "expected.h"

namespace {

using KillGLWindowTest = Shell;

TEST_F(KillGLWindowTest, ReleasesInOrderAndRestoresTheDisplay) {
    ASSERT_TRUE(CreateGLWindow(title, 640, 480, 16, true));
    fake::clear_log();
    KillGLWindow();

    EXPECT_EQ(fake::log(), killed(true, rendering_context));
    ExpectReleased();
    EXPECT_FALSE(fake::window_alive(fake::hwnd(1)));
}

TEST_F(KillGLWindowTest, WindowedLeavesDisplayAndCursorAlone) {
    ASSERT_TRUE(CreateGLWindow(title, 640, 480, 16, false));
    fake::clear_log();
    KillGLWindow();

    EXPECT_EQ(fake::log(), killed(false, rendering_context));
    ExpectReleased();
}

struct Release {
    const char *call;
    const char *text;
};

const Release releases[] = {
    {"wglMakeCurrent", "Release Of DC And RC Failed."},
    {"wglDeleteContext", "Release Rendering Context Failed."},
    {"ReleaseDC", "Release Device Context Failed."},
    {"DestroyWindow", "Could Not Release hWnd."},
    {"UnregisterClassA", "Could Not Unregister Class."},
};

TEST_F(KillGLWindowTest, FailedReleaseIsReportedAndTheTeardownGoesOn) {
    for (const Release &r : releases) {
        SCOPED_TRACE(r.call);
        SetUp();
        ASSERT_TRUE(CreateGLWindow(title, 640, 480, 16, true));
        fake::clear_log();
        fake::fail(r.call);
        KillGLWindow();

        Log all = killed(true, rendering_context);
        EXPECT_EQ(fake::log(), through(all, r.call) + Log{box(r.text, "SHUTDOWN ERROR", "0x40")} +
                                   Log(all.begin() + through(all, r.call).size(), all.end()));
        EXPECT_EQ(hRC, nullptr);
        EXPECT_EQ(hDC, nullptr);
        EXPECT_EQ(hWnd, nullptr);
        EXPECT_EQ(hInstance, nullptr);

        // Every handle was given up on, so a second teardown does not try them again.
        fake::clear_log();
        KillGLWindow();
        EXPECT_EQ(fake::only({"KillFont", "wglMakeCurrent", "wglDeleteContext", "ReleaseDC",
                              "DestroyWindow"}),
                  Log{});
        EXPECT_EQ(fake::count("UnregisterClassA"), 2);
    }
}

TEST_F(KillGLWindowTest, NothingHeldOnlyRemovesTheClass) {
    fullscreen = false;
    const WNDCLASSA wc = {0, WndProc, 0, 0, NULL, NULL, NULL, NULL, NULL, "OpenGL"};
    ASSERT_TRUE(RegisterClassA(&wc));
    fake::clear_log();
    KillGLWindow();
    EXPECT_EQ(fake::log(), Log{R"(UnregisterClassA("OpenGL", NULL))"});
    EXPECT_FALSE(fake::class_registered("OpenGL"));

    fake::clear_log();
    KillGLWindow();
    EXPECT_EQ(fake::log(), (Log{R"(UnregisterClassA("OpenGL", NULL))",
                                box("Could Not Unregister Class.", "SHUTDOWN ERROR", "0x40")}));
}

} // namespace
