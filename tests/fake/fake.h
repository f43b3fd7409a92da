// A recording double of the Windows API subset in platform/win32.h and of the scene's
// procedures, for tests that drive the shell without a window system or GL.
//
// Every call appends one line to a shared log, "Name(arguments)", with handles named by
// kind and order of creation (hwnd1, hdc1, hrc1, hinst, NULL), style and flag values in hex,
// strings quoted with C escapes, and messages as WM_NAME(hwnd, wParam, lParam). PeekMessageA
// also logs what it took: "... -> WM_KEYDOWN(hwnd1, 0x1b, 0x0)" or "... -> idle".
#pragma once

#include "platform/windows_names.h"

#include <functional>
#include <string>
#include <vector>

namespace fake {

using Log = std::vector<std::string>;

// What AdjustWindowRectEx adds for an overlapped window: a sizing frame on every side and a
// caption on top. A popup is left as it is.
constexpr int frame = 8;
constexpr int caption = 23;
// The index ChoosePixelFormat hands out, odd enough that passing it on can be checked.
constexpr int chosen_format = 7;

// Everything back to the start: log, failures, scripts, classes, windows, contexts, queue,
// cursor counter, display mode, and the application state.
void reset();

const Log &log();
void clear_log();
// Entries from the first one starting with `from` up to and including the next one starting
// with `to` (to the end when there is none).
Log slice(const std::string &from, const std::string &to);
// Entries from the first one starting with `from` to the end.
Log from(const std::string &first);
// Entries of the named functions only, in order.
Log only(const std::vector<std::string> &names);
int count(const std::string &name);

// Makes the named function return its failure value: on its nth call since reset() (1 is the
// first), or on every call when nth is 0.
void fail(const std::string &name, int nth = 0);

// Message boxes answer from this queue, first in first out; when it is empty, Yes/No boxes
// answer IDYES and all others IDOK.
void answer(int id);
struct Box {
    HWND owner;
    std::string text; // the exact bytes passed
    std::string caption;
    UINT type;
};
const std::vector<Box> &boxes();

// Posts a message to the newest live window (NULL when there is none).
void post(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
// Runs `action` inside the nth idle pass (the nth PeekMessageA that finds the queue empty),
// before that PeekMessageA returns: what it posts is taken by the next pass.
void at_idle(int pass, std::function<void()> action);
void at_idle(int pass, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
// When this many idle passes go by with nothing left in the script, the test fails and a
// WM_QUIT is posted so that a runaway loop still ends.
void idle_limit(int passes);
int idle_passes();

// The name a window procedure goes by in the log.
void label(WNDPROC proc, const std::string &name);
// A string as the log shows it.
std::string quote(const char *s);

// Handles as the fake hands them out.
HWND hwnd(int n);
HDC hdc(int n);
HGLRC hrc(int n);
HINSTANCE hinst();

bool class_registered(const std::string &name);
bool window_alive(HWND window);
int cursor_count();         // ShowCursor's display counter, 0 at the start
std::string display_mode(); // "desktop", or "WxHxB" after a successful mode change
HGLRC current_context();

} // namespace fake
