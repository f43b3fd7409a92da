#include "scene/scene.h"

int InitGL() {
    glShadeModel(GL_SMOOTH);
    glClearColor(0.0f, 0.0f, 0.0f, 0.5f);
    glClearDepth(1.0);
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LEQUAL);
    glHint(GL_PERSPECTIVE_CORRECTION_HINT, GL_NICEST);
    BuildFont();
    return TRUE;
}

void ReSizeGLScene(GLsizei width, GLsizei height) {
    if (height == 0) // a minimised window reports 0: keep the aspect ratio finite
        height = 1;

    glViewport(0, 0, width, height);

    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(45.0, (GLdouble)width / (GLdouble)height, 0.1f, 100.0);

    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}
