// The process-wide state that the scene and the window shell share.
#pragma once

#include "platform/win32.h"

extern HDC hDC;             // device context of the window
extern HGLRC hRC;           // OpenGL rendering context
extern HWND hWnd;           // the window
extern HINSTANCE hInstance; // module the window class is registered for

extern GLuint base;        // first of the 96 glyph display lists
extern GLfloat cnt1, cnt2; // animation counters, advanced once per frame drawn
extern bool keys[256];     // true while the key with that virtual-key code is down
extern bool active;        // the window is not minimised
extern bool fullscreen;    // the display is (to be) in fullscreen mode
