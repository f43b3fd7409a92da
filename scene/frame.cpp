#include "scene/scene.h"
#include "state/state.h"

#include <cmath>

// Sine and cosine in double precision of a single-precision argument, rounded back to
// single precision: the float overloads of <cmath> would round differently.
static GLfloat cosine(double a) {
    return (GLfloat)cos(a);
}

static GLfloat sine(double a) {
    return (GLfloat)sin(a);
}

int DrawGLScene() {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glLoadIdentity();
    glTranslatef(0.0f, 0.0f, -1.0f);

    // Each component and coordinate is rounded to single precision once; fmaf keeps that
    // true on x87 hosts too, where a plain a * b + c could be rounded twice.
    GLfloat red = cosine(cnt1);
    GLfloat green = sine(cnt2);
    GLfloat blue = fmaf(-0.5f, cosine((double)cnt1 + (double)cnt2), 1.0f);
    glColor3f(red, green, blue);

    GLfloat x = fmaf(0.05f, cosine(cnt1), -0.45f);
    GLfloat y = 0.32f * sine(cnt2);
    glRasterPos2f(x, y);

    glPrint("Warning! - En har taget min staveplade!");

    cnt1 += 0.051f;
    cnt2 += 0.005f;
    return TRUE;
}
