// The few GL entry points the frame calls, and glPrint, defined here instead of in a GL
// library: the frame's own object calls them, on every host, without a context.
#include "recorded_gl.h"

#include "platform/win32.h"
#include "scene/scene.h"

RecordedFrame recorded;

void APIENTRY glClear(GLbitfield) {}
void APIENTRY glLoadIdentity() {}
void APIENTRY glTranslatef(GLfloat, GLfloat, GLfloat) {}

void APIENTRY glColor3f(GLfloat red, GLfloat green, GLfloat blue) {
    recorded.color[0] = red;
    recorded.color[1] = green;
    recorded.color[2] = blue;
}

void APIENTRY glRasterPos2f(GLfloat x, GLfloat y) {
    recorded.raster[0] = x;
    recorded.raster[1] = y;
}

void glPrint(const char *fmt, ...) {
    recorded.text = fmt;
}
