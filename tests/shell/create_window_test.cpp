#include "expected.h"

namespace {

using CreateGLWindowTest = Shell;

const char fallback[] = "The Requested Fullscreen Mode Is Not Supported By\n"
                        "Your Video Card. Use Windowed Mode Instead?";

TEST_F(CreateGLWindowTest, WindowedBuildsEverythingInOrder) {
    EXPECT_TRUE(CreateGLWindow(title, 640, 480, 16, false));
    EXPECT_EQ(fake::log(), created(false));

    EXPECT_FALSE(fullscreen);
    EXPECT_EQ(hInstance, fake::hinst());
    EXPECT_EQ(hWnd, fake::hwnd(1));
    EXPECT_EQ(hDC, fake::hdc(1));
    EXPECT_EQ(hRC, fake::hrc(1));
    EXPECT_EQ(fake::current_context(), fake::hrc(1));
    EXPECT_EQ(fake::cursor_count(), 0);
    EXPECT_EQ(fake::display_mode(), "desktop");
}

TEST_F(CreateGLWindowTest, FullscreenSwitchesTheModeAndHidesTheCursor) {
    fullscreen = false; // the flag decides, not what was there before
    EXPECT_TRUE(CreateGLWindow(title, 640, 480, 16, true));
    EXPECT_EQ(fake::log(), created(true));

    EXPECT_TRUE(fullscreen);
    EXPECT_EQ(fake::cursor_count(), -1);
    EXPECT_EQ(fake::display_mode(), "640x480x16");
    EXPECT_EQ(fake::current_context(), fake::hrc(1));
}

TEST_F(CreateGLWindowTest, RefusedModeAnsweredYesFallsBackToAWindow) {
    fake::fail("ChangeDisplaySettingsA", 1);
    EXPECT_TRUE(CreateGLWindow(title, 640, 480, 16, true));

    EXPECT_EQ(fake::log(), through(created(true), "ChangeDisplaySettingsA") +
                               Log{box(fallback, "Vamo GL", "0x34")} +
                               starting(created(false), "AdjustWindowRectEx"));
    EXPECT_FALSE(fullscreen);
    EXPECT_EQ(fake::cursor_count(), 0);
    EXPECT_EQ(fake::display_mode(), "desktop");
}

TEST_F(CreateGLWindowTest, RefusedModeAnsweredOtherwiseGivesUp) {
    for (int answer : {IDNO, IDCANCEL, 0}) {
        SCOPED_TRACE(answer);
        SetUp();
        fake::fail("ChangeDisplaySettingsA");
        fake::answer(answer);
        EXPECT_FALSE(CreateGLWindow(title, 640, 480, 16, true));

        const Log refused = {box(fallback, "Vamo GL", "0x34"),
                             box("Program Will Now Close.", "ERROR", "0x10")};
        EXPECT_EQ(fake::log(), through(created(true), "ChangeDisplaySettingsA") + refused);
        EXPECT_TRUE(fake::class_registered("OpenGL"));
        EXPECT_EQ(hWnd, nullptr);
        EXPECT_EQ(fake::display_mode(), "desktop");
        EXPECT_EQ(fake::cursor_count(), 0);
    }
}

TEST_F(CreateGLWindowTest, ClassThatCannotBeRegisteredIsReported) {
    const Log expected = through(created(true), "RegisterClassA") +
                         Log{box("Failed To Register The Window Class.", "ERROR", "0x30")};

    fake::fail("RegisterClassA", 1);
    EXPECT_FALSE(CreateGLWindow(title, 640, 480, 16, true));
    EXPECT_EQ(fake::log(), expected);

    // A class left registered by an earlier window fails the same way.
    SetUp();
    ASSERT_TRUE(CreateGLWindow(title, 640, 480, 16, true));
    fake::clear_log();
    EXPECT_FALSE(CreateGLWindow(title, 640, 480, 16, true));
    EXPECT_EQ(fake::log(), expected);
}

// A failure after the class is registered releases what exists, then says so.
struct Failure {
    const char *call;
    const char *text;
    Held held;
};

const Failure failures[] = {
    {"CreateWindowExA", "Window Creation Error.", nothing},
    {"GetDC", "Can't Create A GL Device Context.", window},
    {"ChoosePixelFormat", "Can't Find A Suitable PixelFormat.", device_context},
    {"SetPixelFormat", "Can't Set The PixelFormat.", device_context},
    {"wglCreateContext", "Can't Create A GL Rendering Context.", device_context},
    {"wglMakeCurrent", "Can't Activate The GL Rendering Context.", rendering_context},
    {"InitGL", "Initialization Failed.", rendering_context},
};

TEST_F(CreateGLWindowTest, EachFailureReleasesFirstThenReports) {
    for (bool fs : {false, true}) {
        for (const Failure &f : failures) {
            SCOPED_TRACE(std::string(f.call) + (fs ? " fullscreen" : " windowed"));
            SetUp();
            fake::fail(f.call, 1);
            EXPECT_FALSE(CreateGLWindow(title, 640, 480, 16, fs));

            EXPECT_EQ(fake::log(), through(created(fs), f.call) + killed(fs, f.held) +
                                       Log{box(f.text, "ERROR", "0x30")});
            ExpectReleased();
            EXPECT_FALSE(fake::window_alive(fake::hwnd(1)));
            EXPECT_EQ(fullscreen, fs);
        }
    }
}

} // namespace
