#include "state/state.h"

HDC hDC = NULL;
HGLRC hRC = NULL;
HWND hWnd = NULL;
HINSTANCE hInstance = NULL;

GLuint base = 0;
GLfloat cnt1 = 0.0f;
GLfloat cnt2 = 0.0f;
bool keys[256] = {};
bool active = true;
bool fullscreen = true;
