// The log, the failure rules, handles and formatting; reset() and the queries of fake.h.
#include "state/state.h"
#include "tests/fake/internal.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace fake::detail {

World &world() {
    static World w;
    return w;
}

static const std::set<std::string> &known() {
    static const std::set<std::string> names = {
        "GetModuleHandleA",
        "LoadIconA",
        "LoadCursorA",
        "RegisterClassA",
        "UnregisterClassA",
        "AdjustWindowRectEx",
        "CreateWindowExA",
        "ShowWindow",
        "SetForegroundWindow",
        "SetFocus",
        "DestroyWindow",
        "GetDC",
        "ReleaseDC",
        "DefWindowProcA",
        "PeekMessageA",
        "TranslateMessage",
        "DispatchMessageA",
        "PostQuitMessage",
        "MessageBoxA",
        "ChangeDisplaySettingsA",
        "ShowCursor",
        "CreateFontA",
        "SelectObject",
        "DeleteObject",
        "ChoosePixelFormat",
        "SetPixelFormat",
        "SwapBuffers",
        "wglCreateContext",
        "wglMakeCurrent",
        "wglDeleteContext",
        "wglUseFontBitmapsA",
        "BuildFont",
        "KillFont",
        "glPrint",
        "InitGL",
        "ReSizeGLScene",
        "DrawGLScene",
    };
    return names;
}

bool call(const char *fn, const std::string &args) {
    World &w = world();
    w.log.push_back(std::string(fn) + "(" + args + ")");
    int n = ++w.calls[fn];
    auto rule = w.rules.find(fn);
    return rule != w.rules.end() && (rule->second.always || rule->second.nths.count(n));
}

const void *make(Kind kind) {
    int n = ++world().made[kind];
    return reinterpret_cast<const void *>(static_cast<uintptr_t>(kind) << 12 | n);
}

Window *live(HWND window) {
    auto it = world().windows.find(window);
    return it != world().windows.end() && it->second.alive ? &it->second : nullptr;
}

bool dc_alive(HDC dc) {
    for (auto &entry : world().windows)
        if (entry.second.alive && entry.second.dc == dc && dc)
            return true;
    return false;
}

std::string hex(unsigned long long value) {
    char text[24];
    std::snprintf(text, sizeof text, "0x%llx", value);
    return text;
}

std::string dec(long long value) {
    return std::to_string(value);
}

std::string name(const void *handle) {
    static const char *const kinds[] = {"?", "hwnd", "hdc", "hrc", "hfont", "hicon", "hcursor"};
    auto value = reinterpret_cast<uintptr_t>(handle);
    if (!handle)
        return "NULL";
    if (handle == fake::hinst())
        return "hinst";
    auto label = world().labels.find(handle);
    if (label != world().labels.end())
        return label->second;
    uintptr_t kind = value >> 12;
    if (kind >= kWindow && kind <= kCursor)
        return kinds[kind] + dec(value & 0xfff);
    return hex(value);
}

std::string proc(WNDPROC p) {
    return name(reinterpret_cast<const void *>(p));
}

std::string message_name(UINT message) {
    static const std::map<UINT, const char *> names = {
        {WM_NULL, "WM_NULL"},
        {WM_CREATE, "WM_CREATE"},
        {WM_DESTROY, "WM_DESTROY"},
        {WM_MOVE, "WM_MOVE"},
        {WM_SIZE, "WM_SIZE"},
        {WM_ACTIVATE, "WM_ACTIVATE"},
        {WM_SETFOCUS, "WM_SETFOCUS"},
        {WM_KILLFOCUS, "WM_KILLFOCUS"},
        {WM_PAINT, "WM_PAINT"},
        {WM_CLOSE, "WM_CLOSE"},
        {WM_QUIT, "WM_QUIT"},
        {WM_SHOWWINDOW, "WM_SHOWWINDOW"},
        {WM_ACTIVATEAPP, "WM_ACTIVATEAPP"},
        {WM_KEYDOWN, "WM_KEYDOWN"},
        {WM_KEYUP, "WM_KEYUP"},
        {WM_CHAR, "WM_CHAR"},
        {WM_SYSKEYDOWN, "WM_SYSKEYDOWN"},
        {WM_SYSKEYUP, "WM_SYSKEYUP"},
        {WM_SYSCHAR, "WM_SYSCHAR"},
        {WM_SYSCOMMAND, "WM_SYSCOMMAND"},
    };
    auto it = names.find(message);
    return it != names.end() ? it->second : hex(message);
}

std::string message(const MSG &m) {
    return message_name(m.message) + "(" + name(m.hwnd) + ", " + hex(m.wParam) + ", " +
           hex(static_cast<unsigned long long>(m.lParam)) + ")";
}

} // namespace fake::detail

namespace fake {

using namespace detail;

void reset() {
    World &w = world();
    w = World{};

    hDC = NULL;
    hRC = NULL;
    hWnd = NULL;
    hInstance = NULL;
    base = 0;
    cnt1 = 0.0f;
    cnt2 = 0.0f;
    std::fill(std::begin(keys), std::end(keys), false);
    active = true;
    fullscreen = true;
}

const Log &log() {
    return world().log;
}
void clear_log() {
    world().log.clear();
}

static bool starts(const std::string &entry, const std::string &prefix) {
    return entry.compare(0, prefix.size(), prefix) == 0;
}

Log slice(const std::string &first, const std::string &last) {
    const Log &l = log();
    auto begin = std::find_if(l.begin(), l.end(), [&](auto &e) { return starts(e, first); });
    auto end = std::find_if(begin, l.end(), [&](auto &e) { return starts(e, last); });
    return Log(begin, end == l.end() ? end : end + 1);
}

Log from(const std::string &first) {
    const Log &l = log();
    return Log(std::find_if(l.begin(), l.end(), [&](auto &e) { return starts(e, first); }),
               l.end());
}

Log only(const std::vector<std::string> &names) {
    Log picked;
    for (auto &entry : log())
        if (std::find(names.begin(), names.end(), entry.substr(0, entry.find('('))) != names.end())
            picked.push_back(entry);
    return picked;
}

int count(const std::string &fn) {
    auto it = world().calls.find(fn);
    return it == world().calls.end() ? 0 : it->second;
}

void fail(const std::string &fn, int nth) {
    if (!known().count(fn))
        ADD_FAILURE() << "the fake has no function " << fn;
    Rule &rule = world().rules[fn];
    if (nth == 0)
        rule.always = true;
    else
        rule.nths.insert(nth);
}

void answer(int id) {
    world().answers.push_back(id);
}
const std::vector<Box> &boxes() {
    return world().boxes;
}

void label(WNDPROC p, const std::string &label) {
    world().labels[reinterpret_cast<const void *>(p)] = label;
}

std::string quote(const char *s) {
    if (!s)
        return "NULL";
    std::string out = "\"";
    for (; *s; ++s) {
        auto c = static_cast<unsigned char>(*s);
        if (c == '\n') {
            out += "\\n";
        } else if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c < 0x20 || c >= 0x7f) {
            char esc[8];
            std::snprintf(esc, sizeof esc, "\\x%02X", c);
            out += esc;
        } else {
            out += static_cast<char>(c);
        }
    }
    return out + "\"";
}

template <class H> static H handle(Kind kind, int n) {
    return reinterpret_cast<H>(static_cast<uintptr_t>(kind) << 12 | n);
}
HWND hwnd(int n) {
    return handle<HWND>(kWindow, n);
}
HDC hdc(int n) {
    return handle<HDC>(kDC, n);
}
HGLRC hrc(int n) {
    return handle<HGLRC>(kRC, n);
}
HINSTANCE hinst() {
    return reinterpret_cast<HINSTANCE>(static_cast<uintptr_t>(0x400000));
}

bool class_registered(const std::string &name) {
    return world().classes.count(name) != 0;
}
bool window_alive(HWND window) {
    return live(window) != nullptr;
}
int cursor_count() {
    return world().cursor;
}
std::string display_mode() {
    return world().display;
}
HGLRC current_context() {
    return world().current;
}

} // namespace fake
