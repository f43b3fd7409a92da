// MessageBoxA for the program on Windows. The program's texts are code page 1252, while
// MessageBoxA reads its bytes in the system's ANSI code page, which is 1252 only in Western
// Europe and the Americas: a Russian, Greek or Japanese Windows would show the question's
// å, ø, æ and ¿ as other letters, or swallow them as halves of double-byte characters. So
// the texts are turned into UTF-16 by their own code page and shown through the wide call.
//
// Plain C on the process heap: the C++ library's strings, or even a destructor's unwinding,
// would bring up to a quarter of a megabyte of runtime into an exe of some fifty kilobytes.
#include "platform/win32.h"

// A code page 1252 text as UTF-16 on the process heap, or null for a null text. False where
// Windows cannot convert it (it has no memory left).
static BOOL from_cp1252(LPCSTR text, WCHAR **wide) {
    *wide = NULL;
    if (!text)
        return TRUE;
    int n = MultiByteToWideChar(1252, 0, text, -1, NULL, 0);
    if (n > 0)
        *wide = (WCHAR *)HeapAlloc(GetProcessHeap(), 0, n * sizeof(WCHAR));
    return *wide && MultiByteToWideChar(1252, 0, text, -1, *wide, n) == n;
}

int WINAPI MessageBoxCp1252(HWND hWnd, LPCSTR lpText, LPCSTR lpCaption, UINT uType) {
    WCHAR *text, *caption;
    int answer = 0; // as MessageBoxA fails when it cannot convert its texts
    BOOL converted = from_cp1252(lpText, &text);
    if (from_cp1252(lpCaption, &caption) && converted)
        answer = MessageBoxW(hWnd, text, caption, uType);
    if (text)
        HeapFree(GetProcessHeap(), 0, text);
    if (caption)
        HeapFree(GetProcessHeap(), 0, caption);
    return answer;
}
