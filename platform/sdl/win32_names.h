// Windows' names, with the values Windows publishes, for what the layer deals in beyond what
// the program uses (platform/win32.h has those). Only the layer includes this.
#pragma once

#include "platform/win32.h"

// Packing two words into a message's parameters
#define MAKELONG(a, b)                                                                             \
    ((LONG)(((WORD)(((DWORD_PTR)(a)) & 0xffff)) | ((DWORD)((WORD)(((DWORD_PTR)(b)) & 0xffff)))     \
                                                      << 16))
#define MAKEWPARAM(l, h) ((WPARAM)(DWORD)MAKELONG(l, h))
#define MAKELPARAM(l, h) ((LPARAM)(DWORD)MAKELONG(l, h))

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
