// Windows' names beyond the program's (platform/win32.h has those), with the values Windows
// publishes: what the layer deals in, and what its tests and the recording double check it
// by. Only they include it.
#pragma once

#include "platform/win32.h"

// Window messages.
#define WM_NULL 0x0000
#define WM_CREATE 0x0001
#define WM_DESTROY 0x0002
#define WM_MOVE 0x0003
#define WM_SETFOCUS 0x0007
#define WM_KILLFOCUS 0x0008
#define WM_PAINT 0x000F
#define WM_SHOWWINDOW 0x0018
#define WM_ACTIVATEAPP 0x001C
#define WM_NCCREATE 0x0081
#define WM_NCDESTROY 0x0082
#define WM_CHAR 0x0102
#define WM_SYSKEYDOWN 0x0104
#define WM_SYSKEYUP 0x0105
#define WM_SYSCHAR 0x0106

// WM_ACTIVATE's low word, WM_SIZE's wParam.
#define WA_INACTIVE 0
#define WA_ACTIVE 1
#define WA_CLICKACTIVE 2
#define SIZE_RESTORED 0
#define SIZE_MINIMIZED 1
#define SIZE_MAXIMIZED 2

// System commands.
#define SC_MINIMIZE 0xF020
#define SC_MAXIMIZE 0xF030
#define SC_CLOSE 0xF060
#define SC_RESTORE 0xF120

// Virtual-key codes ('0'..'9' and 'A'..'Z' are their ASCII codes).
#define VK_BACK 0x08
#define VK_TAB 0x09
#define VK_RETURN 0x0D
#define VK_SHIFT 0x10
#define VK_CONTROL 0x11
#define VK_MENU 0x12
#define VK_PAUSE 0x13
#define VK_CAPITAL 0x14
#define VK_SPACE 0x20
#define VK_PRIOR 0x21
#define VK_NEXT 0x22
#define VK_END 0x23
#define VK_HOME 0x24
#define VK_LEFT 0x25
#define VK_UP 0x26
#define VK_RIGHT 0x27
#define VK_DOWN 0x28
#define VK_INSERT 0x2D
#define VK_DELETE 0x2E
#define VK_F10 0x79
#define VK_F12 0x7B
#define PM_NOREMOVE 0x0000

// Message boxes.
#define MB_OKCANCEL 0x00000001L
#define MB_ICONERROR MB_ICONHAND
#define MB_ICONWARNING MB_ICONEXCLAMATION
#define IDOK 1
#define IDCANCEL 2

// Window classes and styles.
#define WS_VISIBLE 0x10000000L

// ShowWindow commands.
#define SW_HIDE 0
#define SW_SHOWNORMAL 1
#define SW_MINIMIZE 6
#define SW_RESTORE 9
#define SW_SHOWDEFAULT 10

// Display modes.
#define DISP_CHANGE_RESTART 1
#define DISP_CHANGE_FAILED (-1)
#define DISP_CHANGE_BADMODE (-2)
#define DM_DISPLAYFREQUENCY 0x00400000L

// Fonts.
#define FW_NORMAL 400
#define OUT_DEFAULT_PRECIS 0
#define DEFAULT_QUALITY 0
#define FIXED_PITCH 1
#define FF_MODERN 0x30

// Packing two words into a message's parameters
#define MAKELONG(a, b)                                                                             \
    ((LONG)(((WORD)(((DWORD_PTR)(a)) & 0xffff)) | ((DWORD)((WORD)(((DWORD_PTR)(b)) & 0xffff)))     \
                                                      << 16))
#define MAKEWPARAM(l, h) ((WPARAM)(DWORD)MAKELONG(l, h))
#define MAKELPARAM(l, h) ((LPARAM)(DWORD)MAKELONG(l, h))

// Stock icons and cursors (LoadIconA, LoadCursorA)
#define IDI_APPLICATION MAKEINTRESOURCEA(32512)
#define IDC_UPARROW MAKEINTRESOURCEA(32516)
#define IDC_SIZE MAKEINTRESOURCEA(32640)
#define IDC_HELP MAKEINTRESOURCEA(32651)

// Class names and atoms (RegisterClassA): a name below 0x10000 is an atom given as a name
#define IS_INTRESOURCE(r) ((((ULONG_PTR)(r)) >> 16) == 0)
#define MAXINTATOM 0xC000

// CreateWindowExA
#define CW_USEDEFAULT ((int)0x80000000)
#define WS_BORDER 0x00800000L
#define WS_DLGFRAME 0x00400000L

// ShowWindow
#define SW_SHOWMINIMIZED 2
#define SW_SHOWNOACTIVATE 4
#define SW_SHOWMINNOACTIVE 7
#define SW_SHOWNA 8

// MessageBoxA: the button sets and their answers
#define MB_ABORTRETRYIGNORE 0x00000002L
#define MB_YESNOCANCEL 0x00000003L
#define MB_RETRYCANCEL 0x00000005L
#define MB_TYPEMASK 0x0000000FL
#define MB_ICONMASK 0x000000F0L
#define IDABORT 3
#define IDRETRY 4
#define IDIGNORE 5

// Pixel formats Windows has and the layer does not offer
#define PFD_STEREO 0x00000002
#define PFD_DRAW_TO_BITMAP 0x00000008

// Virtual keys
#define VK_F2 0x71
#define VK_F3 0x72
#define VK_F4 0x73
#define VK_F5 0x74
#define VK_F6 0x75
#define VK_F7 0x76
#define VK_F8 0x77
#define VK_F9 0x78
#define VK_F11 0x7A
#define VK_NUMPAD0 0x60
#define VK_NUMPAD1 0x61
#define VK_NUMPAD2 0x62
#define VK_NUMPAD3 0x63
#define VK_NUMPAD4 0x64
#define VK_NUMPAD5 0x65
#define VK_NUMPAD6 0x66
#define VK_NUMPAD7 0x67
#define VK_NUMPAD8 0x68
#define VK_NUMPAD9 0x69
#define VK_MULTIPLY 0x6A
#define VK_ADD 0x6B
#define VK_SUBTRACT 0x6D
#define VK_DECIMAL 0x6E
#define VK_DIVIDE 0x6F
#define VK_OEM_1 0xBA // ;:
#define VK_OEM_PLUS 0xBB
#define VK_OEM_COMMA 0xBC
#define VK_OEM_MINUS 0xBD
#define VK_OEM_PERIOD 0xBE
#define VK_OEM_2 0xBF // /?
#define VK_OEM_3 0xC0 // `~
#define VK_OEM_4 0xDB // [{
#define VK_OEM_5 0xDC // \|
#define VK_OEM_6 0xDD // ]}
#define VK_OEM_7 0xDE // '"

// The high word of a key message's lParam
#define KF_EXTENDED 0x0100
#define KF_ALTDOWN 0x2000
#define KF_REPEAT 0x4000
#define KF_UP 0x8000

// DescribePixelFormat
extern "C" int WINAPI DescribePixelFormat(HDC hdc, int iPixelFormat, UINT nBytes,
                                          PIXELFORMATDESCRIPTOR *ppfd);
