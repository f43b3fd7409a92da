#include "scene/scene.h"
#include "shell/shell.h"
#include "state/state.h"

LRESULT CALLBACK WndProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    switch (uMsg) {
    case WM_ACTIVATE:
        active = HIWORD(wParam) == 0; // the high word is the minimised flag
        return 0;

    case WM_SYSCOMMAND:
        switch (wParam) {
        case SC_SCREENSAVE:
        case SC_MONITORPOWER:
            return 0; // keep the screen saver and monitor power-down away
        }
        break;

    case WM_CLOSE:
        PostQuitMessage(0);
        return 0;

    case WM_KEYDOWN:
        if (wParam < sizeof keys) // codes past the table are not ours to record
            keys[wParam] = true;
        return 0;

    case WM_KEYUP:
        if (wParam < sizeof keys)
            keys[wParam] = false;
        return 0;

    case WM_SIZE:
        ReSizeGLScene(LOWORD(lParam), HIWORD(lParam));
        return 0;
    }

    return DefWindowProcA(hWnd, uMsg, wParam, lParam);
}
