#include "expected.h"

namespace {

// Start-up question, in code page 1252.
const char question[] = ":: WARNING - Hvis i ser dette, s\xE5 er det fordi der skete en zelmvik!"
                        "  Der taget forbehold for stener fra polen......."
                        " :: T\xF8r du fors\xE6tte?\xBF";
const char question_caption[] = "Plimbrok - QOR 2006 skal vi?  -- lidt screen!";

const std::string idle = "PeekMessageA(NULL, 0, 0, 0x1) -> idle";

// A message as the log shows it.
std::string msg(const char *name, const char *wnd, const char *wparam, const char *lparam = "0x0") {
    return std::string(name) + "(" + wnd + ", " + wparam + ", " + lparam + ")";
}

// One pass that takes `m` and hands it to the window.
Log pumped(const std::string &m) {
    return {"PeekMessageA(NULL, 0, 0, 0x1) -> " + m, "TranslateMessage(" + m + ")",
            "DispatchMessageA(" + m + ")"};
}

// One idle pass of an active window that presents its frame.
Log frame(int i = 1) {
    return {idle, "DrawGLScene()", "SwapBuffers(" + n("hdc", i) + ")"};
}

class WinMainTest : public Shell {
  protected:
    static int Run() {
        char cmdline[] = "";
        return WinMain(fake::hinst(), NULL, cmdline, SW_SHOWDEFAULT);
    }
    // The log from the first pass of the loop on.
    static Log Loop() { return fake::from("PeekMessageA"); }
};

TEST_F(WinMainTest, AsksFirstAndYesMeansFullscreen) {
    fake::at_idle(1, WM_CLOSE);
    EXPECT_EQ(Run(), 0);

    ASSERT_FALSE(fake::boxes().empty());
    const fake::Box &asked = fake::boxes()[0];
    EXPECT_EQ(asked.owner, nullptr);
    EXPECT_EQ(asked.text, std::string(question));
    EXPECT_EQ(asked.text.size(), 138u) << "two spaces after the exclamation, seven full stops";
    EXPECT_EQ(asked.caption, std::string(question_caption));
    EXPECT_EQ(asked.type, 0x24u);
    EXPECT_EQ(fake::slice("MessageBoxA", "InitGL"),
              Log{box(question, question_caption, "0x24")} + created(true));
    EXPECT_EQ(fake::boxes().size(), 1u);
}

TEST_F(WinMainTest, NoMeansWindowed) {
    fake::answer(IDNO);
    fake::at_idle(1, WM_CLOSE);
    EXPECT_EQ(Run(), 0);
    EXPECT_EQ(fake::slice("GetModuleHandleA", "InitGL"), created(false));
}

TEST_F(WinMainTest, FailedFirstWindowEndsAtOnceWithOne) {
    fake::fail("CreateWindowExA");
    EXPECT_EQ(Run(), 1);
    EXPECT_EQ(fake::log().back(), box("Window Creation Error.", "ERROR", "0x30"));
    EXPECT_EQ(fake::count("PeekMessageA"), 0);
    EXPECT_EQ(fake::count("UnregisterClassA"), 1) << "only the one inside CreateGLWindow";
}

TEST_F(WinMainTest, EscEndsAtTheNextIdlePassWithoutPresenting) {
    fake::answer(IDNO);
    fake::at_idle(2, WM_KEYDOWN, VK_ESCAPE, 0x00010001);
    EXPECT_EQ(Run(), 27);

    EXPECT_EQ(Loop(), (frame() + frame() + pumped(msg("WM_KEYDOWN", "hwnd1", "0x1b", "0x10001")) +
                       Log{idle, "DrawGLScene()"} + killed(false, rendering_context)));
    ExpectReleased();
}

TEST_F(WinMainTest, CloseQuitsWithZero) {
    fake::answer(IDNO);
    fake::at_idle(1, [] {
        fake::post(WM_KEYDOWN, 'A');
        fake::post(WM_CLOSE);
    });
    EXPECT_EQ(Run(), 0);

    EXPECT_EQ(Loop(), (frame() + pumped(msg("WM_KEYDOWN", "hwnd1", "0x41")) +
                       pumped(msg("WM_CLOSE", "hwnd1", "0x0")) +
                       Log{"PostQuitMessage(0)",
                           "PeekMessageA(NULL, 0, 0, 0x1) -> " + msg("WM_QUIT", "NULL", "0x0")} +
                       killed(false, rendering_context)));
}

TEST_F(WinMainTest, F1RebuildsInTheOtherModeOncePerKeyDown) {
    fake::answer(IDNO);
    fake::at_idle(1, WM_KEYDOWN, VK_F1);
    fake::at_idle(3, WM_KEYDOWN, VK_ESCAPE);
    EXPECT_EQ(Run(), 27);

    EXPECT_EQ(Loop(), (frame(1) + pumped(msg("WM_KEYDOWN", "hwnd1", "0x70")) + frame(1) +
                       killed(false, rendering_context, 1) + created(true, 2) + frame(2) +
                       pumped(msg("WM_KEYDOWN", "hwnd2", "0x1b")) + Log{idle, "DrawGLScene()"} +
                       killed(true, rendering_context, 2)));
    EXPECT_FALSE(keys[VK_F1]);
    EXPECT_TRUE(fullscreen);
    EXPECT_EQ(cnt1, 4.0f) << "the counters carry on across the rebuild";
    ExpectReleased();
}

TEST_F(WinMainTest, EscAndF1TogetherSwitchFirstThenEnd) {
    fake::at_idle(1, [] {
        fake::post(WM_KEYDOWN, VK_F1);
        fake::post(WM_KEYDOWN, VK_ESCAPE);
    });
    EXPECT_EQ(Run(), 27);

    EXPECT_EQ(Loop(), (frame() + pumped(msg("WM_KEYDOWN", "hwnd1", "0x70")) +
                       pumped(msg("WM_KEYDOWN", "hwnd1", "0x1b")) + Log{idle, "DrawGLScene()"} +
                       killed(true, rendering_context, 1) + created(false, 2) +
                       killed(false, rendering_context, 2)));
    ExpectReleased();
}

TEST_F(WinMainTest, MinimisedSwapsWithoutDrawingAndStillHearsEsc) {
    fake::answer(IDNO);
    fake::at_idle(1, WM_ACTIVATE, 0x00010000);
    fake::at_idle(3, WM_KEYDOWN, VK_ESCAPE);
    EXPECT_EQ(Run(), 27);

    EXPECT_EQ(Loop(), (frame() + pumped(msg("WM_ACTIVATE", "hwnd1", "0x10000")) +
                       Log{idle, "SwapBuffers(hdc1)", idle, "SwapBuffers(hdc1)"} +
                       pumped(msg("WM_KEYDOWN", "hwnd1", "0x1b")) + Log{idle} +
                       killed(false, rendering_context)));
    EXPECT_EQ(cnt1, 1.0f);
}

TEST_F(WinMainTest, FailedFrameEndsTheLoopWithTheLastMessage) {
    fake::answer(IDNO);
    fake::at_idle(1, WM_KEYDOWN, 'A');
    fake::fail("DrawGLScene", 3);
    EXPECT_EQ(Run(), 'A') << "an idle peek leaves the last message in place";

    EXPECT_EQ(Loop(), (frame() + pumped(msg("WM_KEYDOWN", "hwnd1", "0x41")) + frame() +
                       Log{idle, "DrawGLScene()"} + killed(false, rendering_context)));
}

TEST_F(WinMainTest, LoopEndingBeforeAnyMessageReturnsZero) {
    fake::fail("DrawGLScene", 1);
    EXPECT_EQ(Run(), 0);
    EXPECT_EQ(Loop(), (Log{idle, "DrawGLScene()"} + killed(true, rendering_context)));
}

TEST_F(WinMainTest, FailedRebuildEndsAtOnceWithOne) {
    fake::answer(IDNO);
    fake::at_idle(1, WM_KEYDOWN, VK_F1);
    fake::fail("CreateWindowExA", 2);
    EXPECT_EQ(Run(), 1);

    EXPECT_EQ(Loop(),
              (frame() + pumped(msg("WM_KEYDOWN", "hwnd1", "0x70")) + frame() +
               killed(false, rendering_context) + through(created(true, 2), "CreateWindowExA") +
               killed(true, nothing) + Log{box("Window Creation Error.", "ERROR", "0x30")}));
    ExpectReleased();
}

TEST_F(WinMainTest, FallenBackWindowAsksForFullscreenOnF1) {
    fake::fail("ChangeDisplaySettingsA", 1); // Yes to the question, Yes to the fallback
    fake::at_idle(1, WM_KEYDOWN, VK_F1);
    fake::at_idle(3, WM_KEYDOWN, VK_ESCAPE);
    EXPECT_EQ(Run(), 27);

    const std::string mode = "ChangeDisplaySettingsA({size 156, fields 0x1c0000, 640x480x16}, 0x4)";
    EXPECT_EQ(
        fake::only({"ChangeDisplaySettingsA", "ShowCursor"}),
        (Log{mode, mode, "ShowCursor(0)", "ChangeDisplaySettingsA(NULL, 0x0)", "ShowCursor(1)"}));
    ExpectReleased();
}

} // namespace
