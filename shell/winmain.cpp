#include "scene/scene.h"
#include "shell/shell.h"
#include "state/state.h"

static const char title[] = "Zelmvik til qor!";

// Code page 1252: \xE5 is "å", \xF8 "ø", \xE6 "æ", \xBF "¿".
static const char question[] =
    ":: WARNING - Hvis i ser dette, s\xE5 er det fordi der skete en zelmvik!  "
    "Der taget forbehold for stener fra polen....... :: T\xF8r du fors\xE6tte?\xBF";
static const char question_caption[] = "Plimbrok - QOR 2006 skal vi?  -- lidt screen!";

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR lpCmdLine, int nCmdShow) {
    (void)hInstance;
    (void)hPrevInstance;
    (void)lpCmdLine;
    (void)nCmdShow;

    MSG msg = {}; // so that a loop that never retrieved a message returns 0
    BOOL done = FALSE;

    if (MessageBoxA(NULL, question, question_caption, MB_YESNO | MB_ICONQUESTION) == IDNO)
        fullscreen = false;

    // A window that could not be built ends the program with 1, not the 0 of a user's close:
    // the failure has been reported in its box, and whoever started us learns of it too.
    if (!CreateGLWindow(title, 640, 480, 16, fullscreen))
        return 1;

    while (!done) {
        if (PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) {
                done = TRUE;
            } else {
                TranslateMessage(&msg);
                DispatchMessageA(&msg);
            }
            continue;
        }

        // Idle: the queue is drained, so draw and present a frame. A minimised window
        // draws nothing but still swaps.
        if ((active && !DrawGLScene()) || keys[VK_ESCAPE])
            done = TRUE;
        else
            SwapBuffers(hDC);

        if (keys[VK_F1]) {
            keys[VK_F1] = false;
            KillGLWindow();
            fullscreen = !fullscreen;
            if (!CreateGLWindow(title, 640, 480, 16, fullscreen))
                return 1;
        }
    }

    KillGLWindow();
    return (int)msg.wParam;
}
