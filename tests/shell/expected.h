// The call sequences the shell's tests expect, written out once.
#pragma once

#include "shell/shell.h"
#include "state/state.h"
#include "tests/fake/fake.h"

#include <gtest/gtest.h>

#include <algorithm>

using fake::Log;

inline Log operator+(Log a, const Log &b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

inline const char title[] = "Zelmvik til qor!";

inline std::string box(const char *text, const char *caption, const char *type) {
    return "MessageBoxA(NULL, " + fake::quote(text) + ", " + fake::quote(caption) + ", " + type +
           ")";
}

inline std::string n(const char *kind, int i) {
    return kind + std::to_string(i);
}

// Everything of a CreateGLWindow(title, 640, 480, 16, fullscreen) that succeeds, for the ith
// window of the test.
inline Log created(bool fullscreen, int i = 1) {
    const std::string pfd =
        "{size 40, version 1, flags 0x25, type 0, colour 16, depth 16, layer 0}";
    const std::string wnd = n("hwnd", i), dc = n("hdc", i), rc = n("hrc", i);
    Log calls = {
        "GetModuleHandleA(NULL)",
        "LoadIconA(NULL, 32517)",
        "LoadCursorA(NULL, 32512)",
        R"(RegisterClassA({style 0x23, WndProc, 0, 0, hinst, hicon1, hcursor1, NULL, NULL, "OpenGL"}))",
    };
    if (fullscreen)
        calls =
            calls +
            Log{
                "ChangeDisplaySettingsA({size 156, fields 0x1c0000, 640x480x16}, 0x4)",
                "ShowCursor(0)",
                "AdjustWindowRectEx({0, 0, 640, 480}, 0x80000000, 0, 0x40000)",
                R"(CreateWindowExA(0x40000, "OpenGL", "Zelmvik til qor!", 0x86000000, 0, 0, 640, 480, NULL, NULL, hinst, NULL))",
            };
    else // the fake's frame is 8 px a side and its caption 23 px
        calls =
            calls +
            Log{
                "AdjustWindowRectEx({0, 0, 640, 480}, 0xcf0000, 0, 0x40100)",
                R"(CreateWindowExA(0x40100, "OpenGL", "Zelmvik til qor!", 0x6cf0000, 0, 0, 656, 519, NULL, NULL, hinst, NULL))",
            };
    return calls + Log{
                       "GetDC(" + wnd + ")",
                       "ChoosePixelFormat(" + dc + ", " + pfd + ")",
                       "SetPixelFormat(" + dc + ", 7, " + pfd + ")",
                       "wglCreateContext(" + dc + ")",
                       "wglMakeCurrent(" + dc + ", " + rc + ")",
                       "ShowWindow(" + wnd + ", 5)",
                       "SetForegroundWindow(" + wnd + ")",
                       "SetFocus(" + wnd + ")",
                       "ReSizeGLScene(640, 480)",
                       "InitGL()",
                   };
}

// The entries of `calls` up to and including the first call of `fn`.
inline Log through(const Log &calls, const std::string &fn) {
    Log head;
    for (auto &entry : calls) {
        head.push_back(entry);
        if (entry.compare(0, fn.size() + 1, fn + "(") == 0)
            break;
    }
    return head;
}

// The entries of `calls` from the first call of `fn` on.
inline Log starting(const Log &calls, const std::string &fn) {
    auto first = std::find_if(calls.begin(), calls.end(), [&](const std::string &entry) {
        return entry.compare(0, fn.size() + 1, fn + "(") == 0;
    });
    return Log(first, calls.end());
}

// What KillGLWindow releases when it holds up to `held`, for the ith window.
enum Held { nothing, window, device_context, rendering_context };

inline Log killed(bool fullscreen, Held held, int i = 1) {
    Log calls;
    if (fullscreen)
        calls = {"ChangeDisplaySettingsA(NULL, 0x0)", "ShowCursor(1)"};
    if (held >= rendering_context)
        calls = calls + Log{"KillFont()", "wglMakeCurrent(NULL, NULL)",
                            "wglDeleteContext(" + n("hrc", i) + ")"};
    if (held >= device_context)
        calls.push_back("ReleaseDC(" + n("hwnd", i) + ", " + n("hdc", i) + ")");
    if (held >= window)
        calls.push_back("DestroyWindow(" + n("hwnd", i) + ")");
    calls.push_back(R"(UnregisterClassA("OpenGL", hinst))");
    return calls;
}

class Shell : public ::testing::Test {
  protected:
    void SetUp() override {
        fake::reset();
        fake::label(WndProc, "WndProc");
    }

    // Nothing of the window is left behind.
    static void ExpectReleased() {
        EXPECT_EQ(hWnd, nullptr);
        EXPECT_EQ(hDC, nullptr);
        EXPECT_EQ(hRC, nullptr);
        EXPECT_EQ(hInstance, nullptr);
        EXPECT_FALSE(fake::class_registered("OpenGL"));
        EXPECT_EQ(fake::cursor_count(), 0);
        EXPECT_EQ(fake::display_mode(), "desktop");
        EXPECT_EQ(fake::current_context(), nullptr);
    }
};
