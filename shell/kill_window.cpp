#include "scene/scene.h"
#include "shell/shell.h"
#include "state/state.h"

static void ShutdownError(const char *text) {
    MessageBoxA(NULL, text, "SHUTDOWN ERROR", MB_OK | MB_ICONINFORMATION);
}

// Releases whatever is held, each step independent of the others: a failed release is
// reported and the teardown goes on.
void KillGLWindow() {
    if (fullscreen) {
        ChangeDisplaySettingsA(NULL, 0);
        ShowCursor(TRUE);
    }

    if (hRC) {
        KillFont(); // the lists live in hRC, so they go while it is still current
        if (!wglMakeCurrent(NULL, NULL))
            ShutdownError("Release Of DC And RC Failed.");
        if (!wglDeleteContext(hRC))
            ShutdownError("Release Rendering Context Failed.");
        hRC = NULL;
    }

    if (hDC) {
        if (!ReleaseDC(hWnd, hDC))
            ShutdownError("Release Device Context Failed.");
        hDC = NULL;
    }

    if (hWnd) {
        if (!DestroyWindow(hWnd))
            ShutdownError("Could Not Release hWnd.");
        hWnd = NULL;
    }

    if (!UnregisterClassA("OpenGL", hInstance))
        ShutdownError("Could Not Unregister Class.");
    hInstance = NULL;
}
