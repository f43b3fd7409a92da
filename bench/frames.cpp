#include "bench/frames.h"

#include "bench/clock.h"
#include "scene/scene.h"
#include "state/state.h"

#include <cmath>

namespace bench {

static const char line[] = "Warning! - En har taget min staveplade!";

FrameKind program_frame() {
    return {"frame", FrameKind::program, (int)sizeof line - 1};
}

FrameKind clear_frame() {
    return {"clear", FrameKind::clear, 0};
}

FrameKind text_frame(int glyphs) {
    if (glyphs < 0)
        glyphs = 0;
    if (glyphs > (int)sizeof line - 1)
        glyphs = (int)sizeof line - 1;
    return {"text" + std::to_string(glyphs), FrameKind::text, glyphs};
}

bool drain_messages() {
    MSG msg;
    while (PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT)
            return false;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return true;
}

// The program's frame with a shorter line: same calls, same colour and drift, so that
// only the number of glyphs differs. Its counters are its own.
static void draw_text(int glyphs) {
    static GLfloat c1 = 0.0f, c2 = 0.0f;
    static char text[sizeof line];
    for (int i = 0; i < glyphs; ++i)
        text[i] = line[i];
    text[glyphs] = '\0';

    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glLoadIdentity();
    glTranslatef(0.0f, 0.0f, -1.0f);
    GLfloat red = (GLfloat)cos(c1);
    GLfloat green = (GLfloat)sin(c2);
    GLfloat blue = fmaf(-0.5f, (GLfloat)cos((double)c1 + (double)c2), 1.0f);
    glColor3f(red, green, blue);
    glRasterPos2f(fmaf(0.05f, (GLfloat)cos(c1), -0.45f), 0.32f * (GLfloat)sin(c2));
    glPrint(text);
    c1 += 0.051f;
    c2 += 0.005f;
}

void draw(const FrameKind &kind) {
    switch (kind.what) {
    case FrameKind::program:
        DrawGLScene();
        break;
    case FrameKind::clear:
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        break;
    case FrameKind::text:
        draw_text(kind.glyphs);
        break;
    }
}

double run_for(const FrameKind &kind, double seconds, std::vector<double> *times) {
    Clock::time_point start = Clock::now();
    Clock::time_point last = start;
    long frames = 0;
    for (;;) {
        if (!drain_messages())
            break;
        draw(kind);
        SwapBuffers(hDC);
        ++frames;
        Clock::time_point now = Clock::now();
        if (times)
            times->push_back(seconds_between(last, now));
        last = now;
        if (seconds_between(start, now) >= seconds)
            break;
    }
    double elapsed = seconds_between(start, last);
    return elapsed > 0.0 ? frames / elapsed : 0.0;
}

} // namespace bench

extern "C" long zelmvik_bench_frames(const bench::FrameKind *kind, long count) {
    long frames = 0;
    while (frames < count && bench::drain_messages()) {
        bench::draw(*kind);
        SwapBuffers(hDC);
        ++frames;
    }
    return frames;
}
