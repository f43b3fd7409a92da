#include "platform/sdl/layer.h"

// Stock objects are fixed addresses: stable and non-null for the life of the process.
static char module_handle;
static char stock_icons[6];
static char stock_cursors[17];

HMODULE WINAPI GetModuleHandleA(LPCSTR lpModuleName) {
    if (lpModuleName)
        return NULL; // only the executable itself is known
    return reinterpret_cast<HMODULE>(&module_handle);
}

// Index of a stock resource id in [first, first + count), or -1.
static int stock_index(HINSTANCE instance, LPCSTR name, uintptr_t first, int count) {
    uintptr_t id = reinterpret_cast<uintptr_t>(name);
    if (instance || id < first || id >= first + count)
        return -1;
    return static_cast<int>(id - first);
}

HICON WINAPI LoadIconA(HINSTANCE hInstance, LPCSTR lpIconName) {
    // IDI_APPLICATION 32512 .. IDI_WINLOGO 32517
    int i = stock_index(hInstance, lpIconName, 32512, 6);
    return i < 0 ? NULL : reinterpret_cast<HICON>(&stock_icons[i]);
}

HCURSOR WINAPI LoadCursorA(HINSTANCE hInstance, LPCSTR lpCursorName) {
    // IDC_ARROW 32512 .. IDC_UPARROW 32516, then IDC_SIZE 32640 .. IDC_HELP 32651 (no 32647).
    int i = stock_index(hInstance, lpCursorName, 32512, 5);
    if (i < 0) {
        i = stock_index(hInstance, lpCursorName, 32640, 12);
        if (i < 0 || i == 7)
            return NULL;
        i += 5;
    }
    return reinterpret_cast<HCURSOR>(&stock_cursors[i]);
}
