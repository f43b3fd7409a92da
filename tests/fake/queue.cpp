// The thread's message queue, the scripted idle passes, and default window processing.
#include "tests/fake/internal.h"

#include <gtest/gtest.h>

using namespace fake::detail;

// Fires what the script holds for this idle pass, and ends a loop that runs on with nothing
// left to happen.
static void idle_pass() {
    World &w = world();
    ++w.idle;
    auto due = w.script.equal_range(w.idle);
    if (due.first != due.second) {
        std::vector<std::function<void()>> actions;
        for (auto it = due.first; it != due.second; ++it)
            actions.push_back(it->second);
        w.script.erase(due.first, due.second);
        w.quiet = 0;
        for (auto &action : actions)
            action();
        return;
    }
    if (w.script.empty() && ++w.quiet == w.limit) {
        ADD_FAILURE() << "the loop ran " << w.limit << " idle passes with nothing scripted";
        w.quit = true;
        w.quit_code = 0;
    }
}

extern "C" {

BOOL WINAPI PeekMessageA(LPMSG lpMsg, HWND window, UINT wMsgFilterMin, UINT wMsgFilterMax,
                         UINT wRemoveMsg) {
    bool failing = call("PeekMessageA", name(window) + ", " + dec(wMsgFilterMin) + ", " +
                                            dec(wMsgFilterMax) + ", " + hex(wRemoveMsg));
    World &w = world();
    std::string &entry = w.log.back();
    if (!failing && lpMsg && !w.queue.empty()) {
        *lpMsg = w.queue.front();
        if (wRemoveMsg & PM_REMOVE)
            w.queue.pop_front();
        entry += " -> " + message(*lpMsg);
        return TRUE;
    }
    if (!failing && lpMsg && w.quit) { // WM_QUIT comes once the posted messages are gone
        *lpMsg = MSG{};
        lpMsg->message = WM_QUIT;
        lpMsg->wParam = static_cast<WPARAM>(w.quit_code);
        if (wRemoveMsg & PM_REMOVE)
            w.quit = false;
        entry += " -> " + message(*lpMsg);
        return TRUE;
    }
    entry += " -> idle"; // the record is left as it was
    idle_pass();
    return FALSE;
}

BOOL WINAPI TranslateMessage(const MSG *lpMsg) {
    if (call("TranslateMessage", lpMsg ? message(*lpMsg) : "NULL") || !lpMsg)
        return FALSE;
    return lpMsg->message == WM_KEYDOWN || lpMsg->message == WM_KEYUP ||
           lpMsg->message == WM_SYSKEYDOWN || lpMsg->message == WM_SYSKEYUP;
}

LRESULT WINAPI DispatchMessageA(const MSG *lpMsg) {
    if (call("DispatchMessageA", lpMsg ? message(*lpMsg) : "NULL") || !lpMsg)
        return 0;
    Window *w = live(lpMsg->hwnd);
    if (!w || !w->proc)
        return 0;
    return w->proc(lpMsg->hwnd, lpMsg->message, lpMsg->wParam, lpMsg->lParam);
}

void WINAPI PostQuitMessage(int nExitCode) {
    call("PostQuitMessage", dec(nExitCode));
    world().quit = true;
    world().quit_code = nExitCode;
}

LRESULT WINAPI DefWindowProcA(HWND window, UINT Msg, WPARAM wParam, LPARAM lParam) {
    call("DefWindowProcA", name(window) + ", " + message_name(Msg) + ", " + hex(wParam) + ", " +
                               hex(static_cast<unsigned long long>(lParam)));
    return 0;
}

} // extern "C"

namespace fake {

void post(UINT message, WPARAM wParam, LPARAM lParam) {
    World &w = world();
    HWND target = NULL;
    for (auto it = w.created.rbegin(); it != w.created.rend() && !target; ++it)
        if (live(*it))
            target = *it;
    MSG m{};
    m.hwnd = target;
    m.message = message;
    m.wParam = wParam;
    m.lParam = lParam;
    w.queue.push_back(m);
}

void at_idle(int pass, std::function<void()> action) {
    world().script.emplace(pass, std::move(action));
}

void at_idle(int pass, UINT message, WPARAM wParam, LPARAM lParam) {
    at_idle(pass, [=] { post(message, wParam, lParam); });
}

void idle_limit(int passes) {
    world().limit = passes;
}
int idle_passes() {
    return world().idle;
}

} // namespace fake
