// The objects the layer's Windows calls share: the class table, the window table with the
// device contexts, the GL contexts, the thread's message queue and its activation, focus,
// cursor count and key state. One thread owns all of it, as one thread owns a Windows message
// queue.
//
// The rest of the layer's state stays beside the code that keeps it, each in a file of its
// own room: the display mode switched to and the mode watchdog (display_modes/), the SDL
// window kept for a Wayland keyboard's leave and the hidden OpenGL window (native/), the
// warm-up's progress and the signals it holds back (warm_up.cpp), whether SDL's video and
// GL library are up (video.cpp), the pixel format table (pixel_format.cpp), the fonts
// (platform/font/).
#pragma once

#include "platform/dialog/waiting_work.h"
#include "platform/pacing/pacer.h"
#include "platform/pixel_format.h"
#include "platform/win32.h"

#include <SDL.h>

#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <string>

namespace zelmvik {

namespace native {
void destroy(SDL_Window *window);
}
struct SdlWindowDeleter {
    void operator()(SDL_Window *w) const { native::destroy(w); }
};
using SdlWindowPtr = std::unique_ptr<SDL_Window, SdlWindowDeleter>;

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
    // The SDL window behind it, made once, when it is first needed (native/native.h).
    SdlWindowPtr sdl;
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
    void clear();

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

// Starts SDL's video subsystem on first need; false when no display can be opened.
bool video();
// Whether SDL 3 runs under SDL 2's API (sdl2-compat), rather than a classic SDL 2.
bool sdl3_underneath();

// The primary monitor, as SDL counts displays; screen positions from Windows' (counted from
// the primary's corner) to SDL's (counted from the desktop's) and back (primary_display.cpp).
// On Wayland, which has no primary, the output the last message box was shown on stands for
// it: where the person is looking, and where the compositor puts what comes next.
int primary_display();
void box_shown_on(const SDL_Rect &monitor);
SDL_Point to_sdl_position(int x, int y);
POINT from_sdl_position(int x, int y);
// Which of SDL's drivers the windows are on (neither before video() has started one).
bool on_x11();
bool on_wayland();
// On Wayland: ends the process, as a lost X display does, once the compositor behind the
// window's connection hangs up (checked on the side for the rest of the process).
void guard_compositor_connection(SDL_Window *window);
// Ends the process, as a lost X display does, when SDL's quit event came from a Wayland
// compositor that has gone away rather than from a signal.
void end_process_if_compositor_gone();

const WindowClass *find_class(LPCSTR name, HINSTANCE instance, std::string *key);
Window *find_window(HWND hwnd);
Window *window_of_dc(HDC hdc);
Window *window_of_sdl_id(Uint32 id);
// Drops a window from the tables and whatever refers to it (its device context, its fonts'
// selection, its posted messages), its SDL window with it.
void forget_window(HWND hwnd);

// How a message reaches the window procedure: sent, synchronously, as Windows sends what a
// call causes; or posted to the queue with the time given, as input and the window manager's
// doings come.
enum class Delivery { sent, posted };
void deliver(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, Delivery how, DWORD time = 0);
// Calls the window procedure synchronously, as Windows does for the messages it sends.
LRESULT send_message(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// WM_ACTIVATE for state (WA_ACTIVE, WA_INACTIVE) with the window's minimised flag, `other`
// the window that loses or gains the activation in its place; the window's and the thread's
// activation follow.
void tell_activation(Window &w, WORD state, HWND other, Delivery how, DWORD time = 0);
// WM_SIZE of kind (SIZE_RESTORED, ...) with the window's client size, which is noted as
// reported.
void tell_size(Window &w, WPARAM kind, Delivery how, DWORD time = 0);
// Takes activation and focus away from the window, sending what Windows sends.
void deactivate_window(HWND hwnd);

// Screen saver inhibited while any shown window refuses it.
void update_screensaver();

// Windows' frame for a style: how far the outer rectangle reaches beyond the client area.
RECT frame_for_style(DWORD style, BOOL menu, DWORD ex_style);

// The pixel formats the layer offers, numbered from 1 as ChoosePixelFormat returns them.
const PixelFormat *pixel_format(int index);
// SDL's GL attributes for a format; they choose the visual of the next OpenGL window.
void apply_gl_attributes(const PixelFormat &f);

// Asks the driver to wait for the display's refresh when the window's frames are presented,
// as WGL's default swap interval of 1 does. It follows every make-current: SDL 2 (2.26, 2.32)
// resets the interval there; SDL 3 keeps it, and asking again changes nothing (its sessions
// keep the display's pace with it too).
void take_swap_interval(Window &w);

// Keeps Mesa's driver loaded to the end of the process (sanitized builds; else nothing).
void keep_gl_driver_loaded();

// What a message box does while it waits for its answer: it starts the video, the GL driver
// and the fonts, so that the first window costs what any later one does.
dialog::WaitingWork warm_up_while_box_waits();

// Turns waiting SDL events into posted messages.
void pump_events();

} // namespace zelmvik
