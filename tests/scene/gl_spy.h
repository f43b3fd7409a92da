// The last arguments the program passed to glColor3f and glRasterPos2f. The test binary
// defines both calls itself, records their arguments bit for bit and hands them on to the
// real GL library.
#pragma once

#include <GL/gl.h>

struct GlSpy {
    GLfloat color[3];
    GLfloat raster[2];
    int color_calls;
    int raster_calls;
};

GlSpy &gl_spy();
