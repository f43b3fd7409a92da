// The text scene: glyph lists and the text printer, GL state and projection, the frame.
#pragma once

#include "platform/win32.h"

// Glyph lists for character codes 32..127, made from the window's device context in the
// current rendering context.
void BuildFont();
void KillFont();
// printf-style text at the current raster position; output past 255 characters is cut.
void glPrint(const char *fmt, ...);

int InitGL();
void ReSizeGLScene(GLsizei width, GLsizei height);

// One frame of the pulsing, drifting line; advances the animation counters.
int DrawGLScene();
