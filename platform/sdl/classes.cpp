#include "platform/sdl/fault.h"
#include "platform/sdl/layer.h"
#include "platform/sdl/windows.h"

using namespace zelmvik;

// Class names are case-insensitive on Windows and belong to one module instance.
static std::string class_key(LPCSTR name, HINSTANCE instance) {
    std::string key = std::to_string(reinterpret_cast<uintptr_t>(instance)) + ":";
    for (const char *p = name; *p; ++p)
        key += static_cast<char>(SDL_tolower(static_cast<unsigned char>(*p)));
    return key;
}

static bool is_atom(LPCSTR name) {
    return IS_INTRESOURCE(name);
}

ATOM WINAPI RegisterClassA(const WNDCLASSA *lpWndClass) {
    if (injected_fault("RegisterClassA"))
        return 0;
    if (!lpWndClass || !lpWndClass->lpszClassName || is_atom(lpWndClass->lpszClassName) ||
        !*lpWndClass->lpszClassName || !lpWndClass->lpfnWndProc)
        return 0;
    Layer &l = layer();
    std::string key = class_key(lpWndClass->lpszClassName, lpWndClass->hInstance);
    if (l.classes.count(key))
        return 0; // ERROR_CLASS_ALREADY_EXISTS
    WindowClass &c = l.classes[key];
    c.name = lpWndClass->lpszClassName;
    c.wc = *lpWndClass;
    c.wc.lpszClassName = c.name.c_str();
    c.wc.lpszMenuName = NULL; // not kept: we have no menus
    // Numbered as Windows numbers string atoms, from MAXINTATOM; the count only needs to
    // differ from class to class.
    static ATOM next_atom = MAXINTATOM;
    return next_atom < 0xFFFF ? next_atom++ : static_cast<ATOM>(MAXINTATOM);
}

BOOL WINAPI UnregisterClassA(LPCSTR lpClassName, HINSTANCE hInstance) {
    if (injected_fault("UnregisterClassA"))
        return FALSE;
    if (!lpClassName || is_atom(lpClassName))
        return FALSE;
    Layer &l = layer();
    auto it = l.classes.find(class_key(lpClassName, hInstance));
    if (it == l.classes.end())
        return FALSE; // ERROR_CLASS_DOES_NOT_EXIST
    for (const auto &w : l.windows)
        if (w.second->class_name == it->first)
            return FALSE; // ERROR_CLASS_HAS_WINDOWS
    l.classes.erase(it);
    return TRUE;
}

namespace zelmvik {

// For CreateWindowExA: the registered class of that name and instance, or null.
const WindowClass *find_class(LPCSTR name, HINSTANCE instance, std::string *key) {
    if (!name || is_atom(name))
        return nullptr;
    *key = class_key(name, instance);
    auto it = layer().classes.find(*key);
    return it == layer().classes.end() ? nullptr : &it->second;
}

} // namespace zelmvik
