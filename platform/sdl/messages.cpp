#include "platform/sdl/messages.h"
#include "platform/sdl/keys.h"
#include "platform/sdl/layer.h"
#include "platform/sdl/native/native.h"
#include "platform/sdl/windows.h"
#include "platform/windows_names.h"

using namespace zelmvik;

// The thread's key state as of the last key message retrieved, which is what Windows'
// TranslateMessage reads the Shift and Ctrl keys from.
static void note_key(const MSG &m) {
    bool down = m.message == WM_KEYDOWN || m.message == WM_SYSKEYDOWN;
    bool up = m.message == WM_KEYUP || m.message == WM_SYSKEYUP;
    if ((down || up) && m.wParam < 256)
        layer().key_down[m.wParam] = down;
}

BOOL WINAPI PeekMessageA(LPMSG lpMsg, HWND hWnd, UINT wMsgFilterMin, UINT wMsgFilterMax,
                         UINT wRemoveMsg) {
    if (!lpMsg)
        return FALSE;
    pump_events();
    MSG m;
    bool remove = (wRemoveMsg & PM_REMOVE) != 0;
    if (!layer().queue.take(&m, hWnd, wMsgFilterMin, wMsgFilterMax, remove))
        return FALSE; // *lpMsg stays as it was
    if (remove)
        note_key(m);
    *lpMsg = m;
    return TRUE;
}

void WINAPI PostQuitMessage(int nExitCode) {
    layer().queue.post_quit(nExitCode);
}

BOOL WINAPI TranslateMessage(const MSG *lpMsg) {
    if (!lpMsg || (lpMsg->message != WM_KEYDOWN && lpMsg->message != WM_SYSKEYDOWN))
        return FALSE;
    const bool *down = layer().key_down;
    int ch = key_char(lpMsg->wParam, down[VK_SHIFT], down[VK_CONTROL] && !down[VK_MENU]);
    if (!ch)
        return FALSE;
    UINT message = lpMsg->message == WM_KEYDOWN ? WM_CHAR : WM_SYSCHAR;
    layer().queue.post(lpMsg->hwnd, message, static_cast<WPARAM>(ch), lpMsg->lParam, lpMsg->time);
    return TRUE;
}

LRESULT WINAPI DispatchMessageA(const MSG *lpMsg) {
    if (!lpMsg || !lpMsg->hwnd)
        return 0;
    return send_message(lpMsg->hwnd, lpMsg->message, lpMsg->wParam, lpMsg->lParam);
}

static void system_command(HWND hWnd, WPARAM command) {
    Window *w = find_window(hWnd);
    if (!w)
        return;
    switch (command & 0xFFF0) { // the low four bits are Windows' own
    case SC_MINIMIZE:
        if (w->sdl)
            native::minimise(w->sdl.get());
        break;
    case SC_MAXIMIZE:
        if (w->sdl)
            native::maximise(w->sdl.get());
        break;
    case SC_RESTORE:
        if (w->sdl)
            native::restore(w->sdl.get());
        break;
    case SC_CLOSE:
        send_message(hWnd, WM_CLOSE, 0, 0);
        break;
    case SC_SCREENSAVE:
        w->refuses_screensaver = false;
        update_screensaver();
        break;
    }
}

LRESULT WINAPI DefWindowProcA(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam) {
    switch (Msg) {
    case WM_NCCREATE:
        return TRUE;
    case WM_CLOSE:
        DestroyWindow(hWnd);
        return 0;
    case WM_SYSCOMMAND:
        system_command(hWnd, wParam);
        return 0;
    case WM_SYSKEYDOWN:
        if (wParam == VK_F4 && (HIWORD(lParam) & KF_ALTDOWN))
            send_message(hWnd, WM_SYSCOMMAND, SC_CLOSE, 0);
        return 0;
    }
    return 0;
}
