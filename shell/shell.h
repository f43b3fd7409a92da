// The window shell: window procedure, window and rendering-context lifecycle. (The entry
// point, WinMain, is declared where Windows declares it: the platform header.)
#pragma once

#include "platform/win32.h"

LRESULT CALLBACK WndProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam);

BOOL CreateGLWindow(const char *title, int width, int height, int bits, bool fullscreenflag);
void KillGLWindow();
