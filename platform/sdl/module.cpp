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

static uintptr_t id_of(LPCSTR resource) {
    return reinterpret_cast<uintptr_t>(resource);
}

HICON WINAPI LoadIconA(HINSTANCE hInstance, LPCSTR lpIconName) {
    int i = stock_index(hInstance, lpIconName, id_of(IDI_APPLICATION),
                        static_cast<int>(id_of(IDI_WINLOGO) - id_of(IDI_APPLICATION) + 1));
    return i < 0 ? NULL : reinterpret_cast<HICON>(&stock_icons[i]);
}

// IDC_ARROW .. IDC_UPARROW, then IDC_SIZE .. IDC_HELP, where Windows has no cursor for 32647.
HCURSOR WINAPI LoadCursorA(HINSTANCE hInstance, LPCSTR lpCursorName) {
    const int first_run = static_cast<int>(id_of(IDC_UPARROW) - id_of(IDC_ARROW) + 1);
    int i = stock_index(hInstance, lpCursorName, id_of(IDC_ARROW), first_run);
    if (i < 0) {
        const int gap = 32647 - static_cast<int>(id_of(IDC_SIZE));
        i = stock_index(hInstance, lpCursorName, id_of(IDC_SIZE),
                        static_cast<int>(id_of(IDC_HELP) - id_of(IDC_SIZE) + 1));
        if (i < 0 || i == gap)
            return NULL;
        i += first_run;
    }
    return reinterpret_cast<HCURSOR>(&stock_cursors[i]);
}
