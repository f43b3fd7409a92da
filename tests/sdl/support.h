// What the layer's tests share: a window procedure that records what reaches it, a class
// and window that clean up after themselves, and the SDL side of a window.
#pragma once

#include "platform/windows_names.h"

#include <SDL.h>

#include <string>
#include <vector>

namespace zelmvik_test {

struct Message {
    HWND hwnd;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

// Every message the recording procedure saw, in order.
std::vector<Message> &received();
// Messages of one kind from received().
std::vector<Message> received(UINT message);
// When true the procedure swallows WM_SYSCOMMAND SC_SCREENSAVE, as the program does.
extern bool refuse_screensaver;

LRESULT CALLBACK recording_proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// A class of its own name for each test, unregistered (windows first) on destruction.
class TestClass {
  public:
    TestClass();
    ~TestClass();
    TestClass(const TestClass &) = delete;
    TestClass &operator=(const TestClass &) = delete;
    const char *name() const { return name_.c_str(); }

  private:
    std::string name_;
};

class TestWindow {
  public:
    TestWindow(const TestClass &c, DWORD style = WS_OVERLAPPEDWINDOW, int width = 640,
               int height = 480);
    ~TestWindow();
    TestWindow(const TestWindow &) = delete;
    TestWindow &operator=(const TestWindow &) = delete;
    HWND hwnd() const { return hwnd_; }
    HDC dc() const { return GetDC(hwnd_); }
    SDL_Window *sdl() const;
    void forget() { hwnd_ = NULL; } // destroyed by the test itself

  private:
    HWND hwnd_;
};

// Drains the queue; returns what PeekMessageA gave (dispatching nothing).
std::vector<MSG> drain(UINT only = 0);

// The pfd the program passes.
PIXELFORMATDESCRIPTOR program_pfd();

} // namespace zelmvik_test
