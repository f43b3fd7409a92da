#include "support.h"

#include "platform/sdl/layer.h"
#include "platform/sdl/windows.h"

namespace zelmvik_test {

bool refuse_screensaver = false;

std::vector<Message> &received() {
    static std::vector<Message> all;
    return all;
}

std::vector<Message> received(UINT message) {
    std::vector<Message> some;
    for (const Message &m : received())
        if (m.message == message)
            some.push_back(m);
    return some;
}

LRESULT CALLBACK recording_proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    received().push_back({hwnd, message, wParam, lParam});
    if (refuse_screensaver && message == WM_SYSCOMMAND && wParam == SC_SCREENSAVE)
        return 0;
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

TestClass::TestClass() {
    static int serial = 0;
    name_ = "zelmvik-test-" + std::to_string(++serial);
    WNDCLASSA wc = {};
    wc.style = CS_HREDRAW | CS_VREDRAW | CS_OWNDC;
    wc.lpfnWndProc = recording_proc;
    wc.hInstance = GetModuleHandleA(NULL);
    wc.lpszClassName = name_.c_str();
    RegisterClassA(&wc);
}

TestClass::~TestClass() {
    UnregisterClassA(name_.c_str(), GetModuleHandleA(NULL));
}

TestWindow::TestWindow(const TestClass &c, DWORD style, int width, int height) {
    RECT r = {0, 0, width, height};
    AdjustWindowRectEx(&r, style, FALSE, WS_EX_APPWINDOW);
    hwnd_ = CreateWindowExA(WS_EX_APPWINDOW, c.name(), "test", style, 0, 0, r.right - r.left,
                            r.bottom - r.top, NULL, NULL, GetModuleHandleA(NULL), NULL);
}

TestWindow::~TestWindow() {
    if (hwnd_)
        DestroyWindow(hwnd_);
}

SDL_Window *TestWindow::sdl() const {
    zelmvik::Window *w = zelmvik::find_window(hwnd_);
    return w ? w->sdl.get() : nullptr;
}

std::vector<MSG> drain(UINT only) {
    std::vector<MSG> got;
    MSG m;
    while (PeekMessageA(&m, NULL, 0, 0, PM_REMOVE))
        if (!only || m.message == only)
            got.push_back(m);
    return got;
}

PIXELFORMATDESCRIPTOR program_pfd() {
    PIXELFORMATDESCRIPTOR pfd = {};
    pfd.nSize = sizeof pfd;
    pfd.nVersion = 1;
    pfd.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER;
    pfd.iPixelType = PFD_TYPE_RGBA;
    pfd.cColorBits = 16;
    pfd.cDepthBits = 16;
    pfd.iLayerType = PFD_MAIN_PLANE;
    return pfd;
}

} // namespace zelmvik_test
