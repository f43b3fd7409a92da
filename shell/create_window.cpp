#include "scene/scene.h"
#include "shell/shell.h"
#include "state/state.h"

#include <cstring>

static void Error(const char *text) {
    MessageBoxA(NULL, text, "ERROR", MB_OK | MB_ICONEXCLAMATION);
}

// Releases what has been acquired so far, then reports; the caller returns FALSE.
static BOOL Abandon(const char *text) {
    KillGLWindow();
    Error(text);
    return FALSE;
}

BOOL CreateGLWindow(const char *title, int width, int height, int bits, bool fullscreenflag) {
    GLuint PixelFormat;
    WNDCLASS wc;
    DWORD dwExStyle;
    DWORD dwStyle;
    RECT WindowRect;

    WindowRect.left = 0;
    WindowRect.right = width;
    WindowRect.top = 0;
    WindowRect.bottom = height;

    fullscreen = fullscreenflag;

    hInstance = GetModuleHandleA(NULL);
    wc.style = CS_HREDRAW | CS_VREDRAW | CS_OWNDC;
    wc.lpfnWndProc = WndProc;
    wc.cbClsExtra = 0;
    wc.cbWndExtra = 0;
    wc.hInstance = hInstance;
    wc.hIcon = LoadIconA(NULL, IDI_WINLOGO);
    wc.hCursor = LoadCursorA(NULL, IDC_ARROW);
    wc.hbrBackground = NULL;
    wc.lpszMenuName = NULL;
    wc.lpszClassName = "OpenGL";

    if (!RegisterClassA(&wc)) {
        Error("Failed To Register The Window Class.");
        return FALSE;
    }

    if (fullscreen) {
        DEVMODE dmScreenSettings;
        memset(&dmScreenSettings, 0, sizeof dmScreenSettings);
        dmScreenSettings.dmSize = sizeof dmScreenSettings;
        dmScreenSettings.dmPelsWidth = width;
        dmScreenSettings.dmPelsHeight = height;
        dmScreenSettings.dmBitsPerPel = bits;
        dmScreenSettings.dmFields = DM_BITSPERPEL | DM_PELSWIDTH | DM_PELSHEIGHT;

        if (ChangeDisplaySettingsA(&dmScreenSettings, CDS_FULLSCREEN) != DISP_CHANGE_SUCCESSFUL) {
            if (MessageBoxA(NULL,
                            "The Requested Fullscreen Mode Is Not Supported By\n"
                            "Your Video Card. Use Windowed Mode Instead?",
                            "Vamo GL", MB_YESNO | MB_ICONEXCLAMATION) == IDYES) {
                fullscreen = false;
            } else {
                MessageBoxA(NULL, "Program Will Now Close.", "ERROR", MB_OK | MB_ICONSTOP);
                return FALSE;
            }
        }
    }

    if (fullscreen) {
        dwExStyle = WS_EX_APPWINDOW;
        dwStyle = WS_POPUP;
        ShowCursor(FALSE);
    } else {
        dwExStyle = WS_EX_APPWINDOW | WS_EX_WINDOWEDGE;
        dwStyle = WS_OVERLAPPEDWINDOW;
    }

    AdjustWindowRectEx(&WindowRect, dwStyle, FALSE, dwExStyle);

    hWnd = CreateWindowExA(dwExStyle, "OpenGL", title, dwStyle | WS_CLIPSIBLINGS | WS_CLIPCHILDREN,
                           0, 0, WindowRect.right - WindowRect.left,
                           WindowRect.bottom - WindowRect.top, NULL, NULL, hInstance, NULL);
    if (!hWnd)
        return Abandon("Window Creation Error.");

    // Every count, shift and mask not named stays 0: no alpha, accumulation, stencil or
    // auxiliary buffers.
    PIXELFORMATDESCRIPTOR pfd;
    memset(&pfd, 0, sizeof pfd);
    pfd.nSize = sizeof pfd;
    pfd.nVersion = 1;
    pfd.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER;
    pfd.iPixelType = PFD_TYPE_RGBA;
    pfd.cColorBits = (BYTE)bits;
    pfd.cDepthBits = 16;
    pfd.iLayerType = PFD_MAIN_PLANE;

    hDC = GetDC(hWnd);
    if (!hDC)
        return Abandon("Can't Create A GL Device Context.");

    PixelFormat = ChoosePixelFormat(hDC, &pfd);
    if (!PixelFormat)
        return Abandon("Can't Find A Suitable PixelFormat.");

    if (!SetPixelFormat(hDC, PixelFormat, &pfd))
        return Abandon("Can't Set The PixelFormat.");

    hRC = wglCreateContext(hDC);
    if (!hRC)
        return Abandon("Can't Create A GL Rendering Context.");

    if (!wglMakeCurrent(hDC, hRC))
        return Abandon("Can't Activate The GL Rendering Context.");

    ShowWindow(hWnd, SW_SHOW);
    SetForegroundWindow(hWnd);
    SetFocus(hWnd);
    ReSizeGLScene(width, height);

    if (!InitGL())
        return Abandon("Initialization Failed.");

    return TRUE;
}
