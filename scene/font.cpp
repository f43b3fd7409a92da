#include "scene/scene.h"
#include "state/state.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>

void BuildFont() {
    HFONT font;
    HFONT oldfont;

    base = glGenLists(96);
    font = CreateFontA(-24, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_TT_PRECIS,
                       CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY, FF_DONTCARE | DEFAULT_PITCH,
                       "Courier New");
    oldfont = (HFONT)SelectObject(hDC, font);
    wglUseFontBitmapsA(hDC, 32, 96, base);
    SelectObject(hDC, oldfont);
    DeleteObject(font);
}

void KillFont() {
    glDeleteLists(base, 96);
}

void glPrint(const char *fmt, ...) {
    char text[256];
    va_list ap;

    if (fmt == NULL)
        return;

    // Bounded, so that long output is cut rather than written past the buffer. Some C
    // runtimes leave a cut buffer unterminated, or its contents undefined on an encoding
    // error, hence the explicit terminators.
    va_start(ap, fmt);
    if (vsnprintf(text, sizeof text, fmt, ap) < 0)
        text[0] = '\0';
    va_end(ap);
    text[sizeof text - 1] = '\0';

    glPushAttrib(GL_LIST_BIT);
    glListBase(base - 32);
    glCallLists((GLsizei)strlen(text), GL_UNSIGNED_BYTE, text);
    glPopAttrib();
}
