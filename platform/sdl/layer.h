// The objects the layer's Windows calls share: the class table, the window table with the
// device contexts, the GL contexts, the thread's message queue and its activation, focus,
// cursor count and key state. One thread owns all of it, as one thread owns a Windows message
// queue. What the calls do with it is declared by concern: windows.h, messages.h, gl.h,
// video.h, display_settings.h.
//
// The rest of the layer's state stays beside the code that keeps it: the display mode
// switched to (display_settings.cpp), the mode watchdog's client (mode_watchdog_client.cpp),
// the SDL windows this layer keeps of its own (native/), the warm-up's progress and the
// signals it holds back (warm_up.cpp), whether SDL's video and GL library are up (video.cpp),
// the pixel format table (pixel_format.cpp), the fonts (platform/font/).
#pragma once

#include "platform/pacing/pacer.h"
#include "platform/pixel_format.h"
#include "platform/sdl/native/native.h"
#include "platform/windows_names.h"

#include <SDL.h>

#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <string>

namespace zelmvik {

struct SdlContextDeleter {
    void operator()(void *c) const { SDL_GL_DeleteContext(c); }
};
using SdlContextPtr = std::unique_ptr<void, SdlContextDeleter>;

struct WindowClass {
    WNDCLASSA wc;
    std::string name; // wc.lpszClassName points into this
};

struct Window {
    HWND hwnd;
    HDC hdc;
    std::string class_name;
    HINSTANCE instance;
    WNDPROC proc;
    DWORD style;
    DWORD ex_style;
    std::string title;             // UTF-8
    int x, y;                      // client area, screen coordinates
    bool placed_by_system = false; // CW_USEDEFAULT: the window manager places it
    int width, height;             // client area
    bool fullscreen;
    int pixel_format;          // 0 until SetPixelFormat
    PixelFormat actual_format; // what the window really has, from SetPixelFormat on
    bool visible = false;
    bool minimised = false;
    bool activated = false;
    bool presented = false;    // a frame has been swapped to the screen
    bool driver_waits = false; // for the refresh, with its swap interval of 1
    pacing::Pacer pacer;       // where it does not
    bool refuses_screensaver = false;
    bool destroying = false;
    int reported_width = -1, reported_height = -1; // last WM_SIZE
    // Shown scaled: the display shows more pixels than the mode the window covers
    // (scaled_presentation.h); the framebuffer the program draws into meanwhile, and the
    // context it was made in.
    bool scaled = false;
    unsigned stand_in = 0;
    HGLRC stand_in_context = nullptr;
    // The SDL window behind it, made once, when it is first needed (sdl_window.cpp).
    native::WindowPtr sdl;
};

struct Context {
    SdlContextPtr sdl;
    int pixel_format;
};

// Messages posted to the thread, and the quit request that comes after all of them.
class MessageQueue {
  public:
    void post(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, DWORD time);
    // The first waiting message that passes the filter, removed or left in place.
    bool take(MSG *msg, HWND filter, UINT min, UINT max, bool remove);
    void post_quit(int code);
    void forget_window(HWND hwnd);

  private:
    std::deque<MSG> posted_;
    bool quit_ = false;
    int quit_code_ = 0;
};

struct Layer {
    std::map<std::string, WindowClass> classes; // key: instance + name
    std::map<HWND, std::unique_ptr<Window>> windows;
    std::map<HDC, HWND> dcs;
    std::map<HGLRC, Context> contexts;
    HGLRC current_context = nullptr;
    HWND active = nullptr;
    HWND focus = nullptr;
    MessageQueue queue;
    int cursor_count = 0;
    bool key_down[256] = {};
    uintptr_t next_handle = 0x10;

    template <typename H> H new_handle() { return reinterpret_cast<H>(next_handle++); }
};

// The one layer of the process, created on first use.
Layer &layer();

} // namespace zelmvik
