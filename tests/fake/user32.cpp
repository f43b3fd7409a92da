// KERNEL32 and the USER32 calls for classes, windows, message boxes, display and cursor.
#include "tests/fake/internal.h"

using namespace fake::detail;

static std::string resource(LPCSTR id) {
    auto value = reinterpret_cast<uintptr_t>(id);
    return value >> 16 == 0 ? dec(static_cast<long long>(value)) : fake::quote(id);
}

static std::string rect(const RECT *r) {
    if (!r)
        return "NULL";
    return "{" + dec(r->left) + ", " + dec(r->top) + ", " + dec(r->right) + ", " + dec(r->bottom) +
           "}";
}

// Only the fields the program fills are shown; any other byte that is not zero is flagged.
static std::string devmode(const DEVMODEA *dm) {
    if (!dm)
        return "NULL";
    DEVMODEA rest = *dm;
    rest.dmSize = 0;
    rest.dmFields = 0;
    rest.dmPelsWidth = rest.dmPelsHeight = rest.dmBitsPerPel = 0;
    const auto *bytes = reinterpret_cast<const unsigned char *>(&rest);
    bool clean = true;
    for (size_t i = 0; i < sizeof rest; ++i)
        clean = clean && bytes[i] == 0;
    return "{size " + dec(dm->dmSize) + ", fields " + hex(dm->dmFields) + ", " +
           dec(dm->dmPelsWidth) + "x" + dec(dm->dmPelsHeight) + "x" + dec(dm->dmBitsPerPel) +
           (clean ? "" : ", other fields set") + "}";
}

static const void *stock(const std::string &key, Kind kind) {
    auto &slot = world().stock[key];
    if (!slot)
        slot = make(kind);
    return slot;
}

extern "C" {

HMODULE WINAPI GetModuleHandleA(LPCSTR lpModuleName) {
    if (call("GetModuleHandleA", fake::quote(lpModuleName)) || lpModuleName)
        return NULL; // only the program's own module is known
    return fake::hinst();
}

HICON WINAPI LoadIconA(HINSTANCE hInst, LPCSTR lpIconName) {
    std::string args = name(hInst) + ", " + resource(lpIconName);
    if (call("LoadIconA", args))
        return NULL;
    return (HICON)stock("icon " + args, kIcon);
}

HCURSOR WINAPI LoadCursorA(HINSTANCE hInst, LPCSTR lpCursorName) {
    std::string args = name(hInst) + ", " + resource(lpCursorName);
    if (call("LoadCursorA", args))
        return NULL;
    return (HCURSOR)stock("cursor " + args, kCursor);
}

ATOM WINAPI RegisterClassA(const WNDCLASSA *wc) {
    std::string args = "NULL";
    if (wc)
        args = "{style " + hex(wc->style) + ", " + proc(wc->lpfnWndProc) + ", " +
               dec(wc->cbClsExtra) + ", " + dec(wc->cbWndExtra) + ", " + name(wc->hInstance) +
               ", " + name(wc->hIcon) + ", " + name(wc->hCursor) + ", " + name(wc->hbrBackground) +
               ", " + fake::quote(wc->lpszMenuName) + ", " + fake::quote(wc->lpszClassName) + "}";
    if (call("RegisterClassA", args) || !wc || !wc->lpszClassName)
        return 0;
    World &w = world();
    if (w.classes.count(wc->lpszClassName))
        return 0; // already registered
    w.classes[wc->lpszClassName] = wc->lpfnWndProc;
    return static_cast<ATOM>(0xC000 + ++w.atoms);
}

BOOL WINAPI UnregisterClassA(LPCSTR lpClassName, HINSTANCE hInst) {
    if (call("UnregisterClassA", fake::quote(lpClassName) + ", " + name(hInst)) || !lpClassName)
        return FALSE;
    return world().classes.erase(lpClassName) ? TRUE : FALSE;
}

BOOL WINAPI AdjustWindowRectEx(LPRECT lpRect, DWORD dwStyle, BOOL bMenu, DWORD dwExStyle) {
    if (call("AdjustWindowRectEx",
             rect(lpRect) + ", " + hex(dwStyle) + ", " + dec(bMenu) + ", " + hex(dwExStyle)) ||
        !lpRect)
        return FALSE;
    if (dwStyle & WS_THICKFRAME) {
        lpRect->left -= fake::frame;
        lpRect->top -= fake::frame;
        lpRect->right += fake::frame;
        lpRect->bottom += fake::frame;
    }
    if ((dwStyle & WS_CAPTION) == WS_CAPTION)
        lpRect->top -= fake::caption;
    return TRUE;
}

HWND WINAPI CreateWindowExA(DWORD dwExStyle, LPCSTR lpClassName, LPCSTR lpWindowName, DWORD dwStyle,
                            int X, int Y, int nWidth, int nHeight, HWND hWndParent, HMENU hMenu,
                            HINSTANCE hInst, LPVOID lpParam) {
    std::string args = hex(dwExStyle) + ", " + fake::quote(lpClassName) + ", " +
                       fake::quote(lpWindowName) + ", " + hex(dwStyle) + ", " + dec(X) + ", " +
                       dec(Y) + ", " + dec(nWidth) + ", " + dec(nHeight) + ", " + name(hWndParent) +
                       ", " + name(hMenu) + ", " + name(hInst) + ", " + name(lpParam);
    if (call("CreateWindowExA", args) || !lpClassName)
        return NULL;
    World &w = world();
    auto cls = w.classes.find(lpClassName);
    if (cls == w.classes.end())
        return NULL;
    HWND window = (HWND)make(kWindow);
    w.windows[window].proc = cls->second;
    w.created.push_back(window);
    return window;
}

BOOL WINAPI ShowWindow(HWND window, int nCmdShow) {
    call("ShowWindow", name(window) + ", " + dec(nCmdShow));
    return FALSE; // it was hidden before
}

BOOL WINAPI SetForegroundWindow(HWND window) {
    if (call("SetForegroundWindow", name(window)))
        return FALSE;
    return live(window) ? TRUE : FALSE;
}

HWND WINAPI SetFocus(HWND window) {
    if (call("SetFocus", name(window)) || (window && !live(window)))
        return NULL;
    HWND previous = world().focus;
    world().focus = window;
    return previous;
}

BOOL WINAPI DestroyWindow(HWND window) {
    if (call("DestroyWindow", name(window)))
        return FALSE;
    Window *w = live(window);
    if (!w)
        return FALSE;
    w->alive = false;
    world().formats.erase(w->dc);
    auto &queue = world().queue; // what was posted to it goes with it
    for (auto it = queue.begin(); it != queue.end();)
        it = it->hwnd == window ? queue.erase(it) : it + 1;
    if (world().focus == window)
        world().focus = NULL;
    return TRUE;
}

HDC WINAPI GetDC(HWND window) {
    if (call("GetDC", name(window)))
        return NULL;
    Window *w = live(window);
    if (!w)
        return NULL;
    if (!w->dc) // the class is CS_OWNDC: one device context for the window's life
        w->dc = (HDC)make(kDC);
    return w->dc;
}

int WINAPI ReleaseDC(HWND window, HDC dc) {
    if (call("ReleaseDC", name(window) + ", " + name(dc)))
        return 0;
    Window *w = live(window);
    return w && dc && w->dc == dc ? 1 : 0;
}

int WINAPI MessageBoxA(HWND owner, LPCSTR lpText, LPCSTR lpCaption, UINT uType) {
    if (call("MessageBoxA", name(owner) + ", " + fake::quote(lpText) + ", " +
                                fake::quote(lpCaption) + ", " + hex(uType)))
        return 0;
    World &w = world();
    w.boxes.push_back({owner, lpText ? lpText : "", lpCaption ? lpCaption : "", uType});
    if (!w.answers.empty()) {
        int id = w.answers.front();
        w.answers.pop_front();
        return id;
    }
    return (uType & 0xF) == MB_YESNO ? IDYES : IDOK;
}

LONG WINAPI ChangeDisplaySettingsA(DEVMODEA *lpDevMode, DWORD dwFlags) {
    if (call("ChangeDisplaySettingsA", devmode(lpDevMode) + ", " + hex(dwFlags)))
        return DISP_CHANGE_BADMODE;
    world().display = lpDevMode ? dec(lpDevMode->dmPelsWidth) + "x" + dec(lpDevMode->dmPelsHeight) +
                                      "x" + dec(lpDevMode->dmBitsPerPel)
                                : "desktop";
    return DISP_CHANGE_SUCCESSFUL;
}

int WINAPI ShowCursor(BOOL bShow) {
    call("ShowCursor", dec(bShow)); // has no failure value
    return world().cursor += bShow ? 1 : -1;
}

} // extern "C"
