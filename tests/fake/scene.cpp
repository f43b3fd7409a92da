// Stand-ins for the scene's procedures, so that the shell runs without GL. Each one only
// logs; DrawGLScene also counts the frames it "draws" in both animation counters.
#include "scene/scene.h"
#include "state/state.h"
#include "tests/fake/internal.h"

#include <cstdarg>
#include <cstdio>

using namespace fake::detail;

void BuildFont() {
    call("BuildFont", "");
}
void KillFont() {
    call("KillFont", "");
}

void glPrint(const char *fmt, ...) {
    if (!fmt) {
        call("glPrint", "NULL");
        return;
    }
    char text[256];
    va_list ap;
    va_start(ap, fmt);
    std::vsnprintf(text, sizeof text, fmt, ap);
    va_end(ap);
    call("glPrint", fake::quote(text));
}

int InitGL() {
    return call("InitGL", "") ? FALSE : TRUE;
}

void ReSizeGLScene(GLsizei width, GLsizei height) {
    call("ReSizeGLScene", dec(width) + ", " + dec(height));
}

int DrawGLScene() {
    if (call("DrawGLScene", ""))
        return FALSE;
    cnt1 += 1.0f;
    cnt2 += 1.0f;
    return TRUE;
}
