#include "scene/scene.h"
#include "state/state.h"

#include <cmath>
#include <cstdint>
#include <cstring>

// Sine and cosine in double precision of a single-precision argument, rounded back to
// single precision: the float overloads of <cmath> would round differently.
static GLfloat cosine(double a) {
    return (GLfloat)cos(a);
}

static GLfloat sine(double a) {
    return (GLfloat)sin(a);
}

// a * b + c rounded to single precision once, on every host. A C runtime's fmaf cannot be
// trusted with that (mingw-w64's x86_64 one is off by an ulp in about a sixth of our
// frames), and a * b + c in double rounds twice. The product of two floats is exact in
// double; the sum need not be, but its rounding error is (Knuth's TwoSum). With it the sum
// is rounded to odd instead (Boldo and Melquiond): an inexact sum takes the neighbouring
// double whose last bit is 1, so that the last bit still says "more". A double rounded so
// keeps 29 bits beyond a float's, and rounding it to single precision then gives what the
// exact value rounds to.
static GLfloat multiply_add(GLfloat a, GLfloat b, GLfloat c) {
    double product = (double)a * (double)b;
    double sum = product + (double)c;
    double c_part = sum - product;
    double error = (product - (sum - c_part)) + ((double)c - c_part);
    uint64_t sum_bits;
    memcpy(&sum_bits, &sum, sizeof sum_bits);
    if (error != 0 && (sum_bits & 1) == 0)
        sum = nextafter(sum, error > 0 ? INFINITY : -INFINITY);
    return (GLfloat)sum;
}

int DrawGLScene() {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glLoadIdentity();
    glTranslatef(0.0f, 0.0f, -1.0f);

    GLfloat red = cosine(cnt1);
    GLfloat green = sine(cnt2);
    GLfloat blue = multiply_add(-0.5f, cosine((double)cnt1 + (double)cnt2), 1.0f);
    glColor3f(red, green, blue);

    GLfloat x = multiply_add(0.05f, cosine(cnt1), -0.45f);
    GLfloat y = 0.32f * sine(cnt2); // one product of two floats: one rounding
    glRasterPos2f(x, y);

    glPrint("Warning! - En har taget min staveplade!");

    cnt1 += 0.051f;
    cnt2 += 0.005f;
    return TRUE;
}
