// GDI32 (fonts, pixel formats, buffer swap) and the WGL context calls.
#include "tests/fake/internal.h"

using namespace fake::detail;

// Only the fields the program fills are shown; any other byte that is not zero is flagged.
static std::string pfd(const PIXELFORMATDESCRIPTOR *p) {
    if (!p)
        return "NULL";
    PIXELFORMATDESCRIPTOR rest = *p;
    rest.nSize = rest.nVersion = 0;
    rest.dwFlags = 0;
    rest.iPixelType = rest.cColorBits = rest.cDepthBits = rest.iLayerType = 0;
    const auto *bytes = reinterpret_cast<const unsigned char *>(&rest);
    bool clean = true;
    for (size_t i = 0; i < sizeof rest; ++i)
        clean = clean && bytes[i] == 0;
    return "{size " + dec(p->nSize) + ", version " + dec(p->nVersion) + ", flags " +
           hex(p->dwFlags) + ", type " + dec(p->iPixelType) + ", colour " + dec(p->cColorBits) +
           ", depth " + dec(p->cDepthBits) + ", layer " + dec(p->iLayerType) +
           (clean ? "" : ", other fields set") + "}";
}

extern "C" {

HFONT WINAPI CreateFontA(int cHeight, int cWidth, int cEscapement, int cOrientation, int cWeight,
                         DWORD bItalic, DWORD bUnderline, DWORD bStrikeOut, DWORD iCharSet,
                         DWORD iOutPrecision, DWORD iClipPrecision, DWORD iQuality,
                         DWORD iPitchAndFamily, LPCSTR pszFaceName) {
    std::string args;
    for (long long v :
         {(long long)cHeight, (long long)cWidth, (long long)cEscapement, (long long)cOrientation,
          (long long)cWeight, (long long)bItalic, (long long)bUnderline, (long long)bStrikeOut,
          (long long)iCharSet, (long long)iOutPrecision, (long long)iClipPrecision,
          (long long)iQuality, (long long)iPitchAndFamily})
        args += dec(v) + ", ";
    if (call("CreateFontA", args + fake::quote(pszFaceName)))
        return NULL;
    return (HFONT)make(kFont);
}

HGDIOBJ WINAPI SelectObject(HDC hdc, HGDIOBJ h) {
    if (call("SelectObject", name(hdc) + ", " + name(h)) || !dc_alive(hdc) || !h)
        return NULL;
    auto &slot = world().selected[hdc];
    // A fresh device context has the system font selected, which the log calls hfont0.
    HGDIOBJ previous = slot ? slot : (HGDIOBJ)(static_cast<uintptr_t>(kFont) << 12);
    slot = h;
    return previous;
}

BOOL WINAPI DeleteObject(HGDIOBJ ho) {
    if (call("DeleteObject", name(ho)) || !ho)
        return FALSE;
    return TRUE;
}

int WINAPI ChoosePixelFormat(HDC hdc, const PIXELFORMATDESCRIPTOR *ppfd) {
    if (call("ChoosePixelFormat", name(hdc) + ", " + pfd(ppfd)) || !dc_alive(hdc) || !ppfd)
        return 0;
    return fake::chosen_format;
}

BOOL WINAPI SetPixelFormat(HDC hdc, int format, const PIXELFORMATDESCRIPTOR *ppfd) {
    if (call("SetPixelFormat", name(hdc) + ", " + dec(format) + ", " + pfd(ppfd)) ||
        !dc_alive(hdc) || format <= 0)
        return FALSE;
    auto &set = world().formats[hdc];
    if (set && set != format)
        return FALSE; // a window's pixel format is set once
    set = format;
    return TRUE;
}

BOOL WINAPI SwapBuffers(HDC hdc) {
    if (call("SwapBuffers", name(hdc)))
        return FALSE;
    return dc_alive(hdc) ? TRUE : FALSE;
}

HGLRC WINAPI wglCreateContext(HDC hdc) {
    if (call("wglCreateContext", name(hdc)) || !dc_alive(hdc) || !world().formats.count(hdc))
        return NULL;
    HGLRC rc = (HGLRC)make(kRC);
    world().contexts.insert(rc);
    return rc;
}

BOOL WINAPI wglMakeCurrent(HDC hdc, HGLRC hglrc) {
    if (call("wglMakeCurrent", name(hdc) + ", " + name(hglrc)))
        return FALSE;
    World &w = world();
    if (!hglrc) {
        w.current = NULL;
        return TRUE;
    }
    if (!w.contexts.count(hglrc) || !dc_alive(hdc))
        return FALSE;
    w.current = hglrc;
    return TRUE;
}

BOOL WINAPI wglDeleteContext(HGLRC hglrc) {
    if (call("wglDeleteContext", name(hglrc)))
        return FALSE;
    World &w = world();
    if (!w.contexts.erase(hglrc))
        return FALSE;
    if (w.current == hglrc)
        w.current = NULL;
    return TRUE;
}

BOOL WINAPI wglUseFontBitmapsA(HDC hdc, DWORD first, DWORD count, DWORD listBase) {
    if (call("wglUseFontBitmapsA",
             name(hdc) + ", " + dec(first) + ", " + dec(count) + ", " + dec(listBase)))
        return FALSE;
    return world().current && dc_alive(hdc) ? TRUE : FALSE;
}

} // extern "C"
