// The window shell: window procedure, window and rendering-context lifecycle, entry point.
#pragma once

#include "platform/win32.h"

LRESULT CALLBACK WndProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam);

BOOL CreateGLWindow(const char *title, int width, int height, int bits, bool fullscreenflag);
void KillGLWindow();

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR lpCmdLine, int nCmdShow);
