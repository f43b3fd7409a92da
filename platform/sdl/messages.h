// How messages reach a window procedure, and the thread's activation and keyboard focus.
#pragma once

#include "platform/sdl/layer.h"

namespace zelmvik {

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

// The thread's active window and keyboard focus, moved as Windows moves them, whichever way
// the change comes (a call of the program's, sent; the window manager's, through SDL's
// events, posted): WM_ACTIVATE to the window that loses the activation and to the one that
// gains it, WM_KILLFOCUS and WM_SETFOCUS likewise. A focus the program gives is also given
// to the window's SDL window. set_focus returns the window that had the focus.
void activate(HWND hwnd, Delivery how, DWORD time = 0);
HWND set_focus(HWND hwnd, Delivery how, DWORD time = 0);
// Takes activation and focus away from the window, sending what Windows sends.
void deactivate_window(HWND hwnd);

// Turns waiting SDL events into posted messages.
void pump_events();

} // namespace zelmvik
