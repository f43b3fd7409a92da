#include "platform/sdl/layer.h"

#include <algorithm>

namespace zelmvik {

void MessageQueue::post(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, DWORD time) {
    MSG m = {};
    m.hwnd = hwnd;
    m.message = message;
    m.wParam = wParam;
    m.lParam = lParam;
    m.time = time;
    posted_.push_back(m);
}

// PeekMessageA's window of -1: only the messages posted to the thread itself (Windows names
// no constant for it).
static const HWND thread_itself = reinterpret_cast<HWND>(-1);

static bool passes(const MSG &m, HWND filter, UINT min, UINT max) {
    if (filter == thread_itself) {
        if (m.hwnd)
            return false; // only messages posted to the thread itself
    } else if (filter && m.hwnd != filter) {
        return false;
    }
    return (min == 0 && max == 0) || (m.message >= min && m.message <= max);
}

bool MessageQueue::take(MSG *msg, HWND filter, UINT min, UINT max, bool remove) {
    for (auto it = posted_.begin(); it != posted_.end(); ++it) {
        if (!passes(*it, filter, min, max))
            continue;
        *msg = *it;
        if (remove)
            posted_.erase(it);
        return true;
    }
    // The quit request waits behind every posted message the filter lets through.
    MSG quit = {};
    quit.message = WM_QUIT;
    quit.wParam = static_cast<WPARAM>(quit_code_);
    if (!quit_ || !passes(quit, filter == thread_itself ? NULL : filter, min, max))
        return false;
    *msg = quit;
    if (remove)
        quit_ = false;
    return true;
}

void MessageQueue::post_quit(int code) {
    quit_ = true;
    quit_code_ = code;
}

void MessageQueue::forget_window(HWND hwnd) {
    posted_.erase(std::remove_if(posted_.begin(), posted_.end(),
                                 [hwnd](const MSG &m) { return m.hwnd == hwnd; }),
                  posted_.end());
}

} // namespace zelmvik
