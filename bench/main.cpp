// Frame rate, start-up time and font build time of the program's window and frame, on
// whatever implements the Windows API underneath (our layer, or Windows itself / Wine).
// Prints one "key value..." line per figure; bench/run reads them.
#include "bench/clock.h"
#include "bench/frames.h"
#include "bench/options.h"
#include "bench/stats.h"
#include "scene/scene.h"
#include "shell/shell.h"
#include "state/state.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

using namespace bench;

static const char title[] = "Zelmvik til qor!";
static const char question[] =
    ":: WARNING - Hvis i ser dette, s\xE5 er det fordi der skete en zelmvik!  Der taget "
    "forbehold for stener fra polen....... :: T\xF8r du fors\xE6tte?\xBF";
static const char question_caption[] = "Plimbrok - QOR 2006 skal vi?  -- lidt screen!";

static double ms(double seconds) {
    return seconds * 1000.0;
}

static const char *gl_string(GLenum name) {
    const GLubyte *s = glGetString(name);
    return s ? (const char *)s : "?";
}

static void describe_context() {
    printf("renderer %s\n", gl_string(GL_RENDERER));
    printf("gl_version %s\n", gl_string(GL_VERSION));
    GLint r = 0, g = 0, b = 0, depth = 0;
    glGetIntegerv(GL_RED_BITS, &r);
    glGetIntegerv(GL_GREEN_BITS, &g);
    glGetIntegerv(GL_BLUE_BITS, &b);
    glGetIntegerv(GL_DEPTH_BITS, &depth);
    printf("pixel_bits %d %d %d depth %d\n", r, g, b, depth);
}

// From the answer to the question to the first frame on the screen: the window, then the
// first idle pass of the loop.
static bool startup(const char *what) {
    Clock::time_point t0 = Clock::now();
    if (!CreateGLWindow(title, 640, 480, 16, false))
        return false;
    Clock::time_point t1 = Clock::now();
    drain_messages();
    DrawGLScene();
    SwapBuffers(hDC);
    glFinish();
    Clock::time_point t2 = Clock::now();
    printf("%s_window_ms %.3f\n", what, ms(seconds_between(t0, t1)));
    printf("%s_ms %.3f\n", what, ms(seconds_between(t0, t2)));
    return true;
}

// The glyph lists built again in the current context; the first rebuild is printed on its
// own since it may still fill caches.
static void font_builds(int count) {
    std::vector<double> times;
    for (int i = 0; i < count; ++i) {
        KillFont();
        glFinish();
        Clock::time_point t0 = Clock::now();
        BuildFont();
        glFinish();
        times.push_back(ms(seconds_between(t0, Clock::now())));
    }
    printf("buildfont_ms %.3f first %.3f\n", median(times), times.empty() ? 0.0 : times[0]);
}

// F1 as the program's loop takes it: the window and its context torn down, the mode flipped,
// both built again, and the first frame presented. Each direction has its own figure: going
// fullscreen switches the display's mode, coming back restores it.
static bool switches(int count) {
    std::vector<double> to_full, to_window;
    for (int i = 0; i < count; ++i) {
        Clock::time_point t0 = Clock::now();
        KillGLWindow();
        fullscreen = !fullscreen;
        if (!CreateGLWindow(title, 640, 480, 16, fullscreen))
            return false;
        drain_messages();
        DrawGLScene();
        SwapBuffers(hDC);
        glFinish();
        (fullscreen ? to_full : to_window).push_back(ms(seconds_between(t0, Clock::now())));
    }
    printf("switch_to_fullscreen_ms %.3f\n", median(to_full));
    printf("switch_to_window_ms %.3f\n", median(to_window));
    return true;
}

struct Series {
    FrameKind kind;
    std::vector<double> fps;
    std::vector<std::vector<double>> times; // per repetition
};

// The kinds take turns within each repetition, so that a change of load on the machine
// falls on all of them alike.
static void frame_rates(std::vector<Series> *series, const Options &o) {
    for (Series &s : *series)
        run_for(s.kind, 0.3, nullptr); // shaders compiled, caches warm
    for (int rep = 0; rep < o.reps; ++rep) {
        for (Series &s : *series) {
            s.times.emplace_back();
            s.times.back().reserve(size_t(o.seconds * 20000));
            s.fps.push_back(run_for(s.kind, o.seconds, &s.times.back()));
        }
    }
    for (const Series &s : *series) {
        printf("fps %s %.1f", s.kind.name.c_str(), median(s.fps));
        for (double f : s.fps)
            printf(" %.1f", f);
        printf("\n");
    }
    const Series &frame = (*series)[0], &clear = (*series)[1];
    double base = median(clear.fps);
    printf("ratio frame/clear %.3f\n", base > 0.0 ? median(frame.fps) / base : 0.0);
}

static bool write_times(const std::vector<Series> &series, const std::string &path) {
    FILE *f = fopen(path.c_str(), "w");
    if (!f)
        return false;
    fprintf(f, "# kind repetition frame milliseconds\n");
    for (const Series &s : series)
        for (size_t rep = 0; rep < s.times.size(); ++rep)
            for (size_t i = 0; i < s.times[rep].size(); ++i)
                fprintf(f, "%s %zu %zu %.4f\n", s.kind.name.c_str(), rep, i, ms(s.times[rep][i]));
    return fclose(f) == 0;
}

static bool kind_named(const std::string &name, FrameKind *kind) {
    if (name == "frame")
        *kind = program_frame();
    else if (name == "clear")
        *kind = clear_frame();
    else if (name.compare(0, 4, "text") == 0 && name.size() > 4)
        *kind = text_frame(atoi(name.c_str() + 4));
    else
        return false;
    return true;
}

int main(int argc, char **argv) {
    Options o;
    if (!parse_options(argc, argv, &o))
        return 2;
    FrameKind counted;
    if (o.frames > 0 && !kind_named(o.kind, &counted)) {
        fprintf(stderr, "zelmvik-bench: unknown kind %s\n", o.kind.c_str());
        return 2;
    }

    // As the program starts: the question, then the window. bench/answer times the question
    // from outside and answers it.
    if (o.ask)
        MessageBoxA(NULL, question, question_caption, MB_YESNO | MB_ICONQUESTION);
    if (!startup("startup")) {
        fprintf(stderr, "zelmvik-bench: the window could not be made\n");
        return 1;
    }
    describe_context();
    if (o.frames == 0 && o.switches == 0) {
        KillGLWindow();
        if (!startup("rebuild")) {
            fprintf(stderr, "zelmvik-bench: the window could not be made again\n");
            return 1;
        }
    }

    int status = 0;
    if (o.switches > 0) {
        if (!switches(o.switches)) {
            fprintf(stderr, "zelmvik-bench: a switch could not make the window\n");
            status = 1;
        }
    } else if (o.frames > 0) {
        long done = zelmvik_bench_frames(&counted, o.frames);
        printf("frames %s %ld\n", counted.name.c_str(), done);
    } else if (o.reps > 0) {
        font_builds(5);
        std::vector<Series> series = {{program_frame(), {}, {}}, {clear_frame(), {}, {}}};
        for (int n : o.glyphs)
            series.push_back({text_frame(n), {}, {}});
        frame_rates(&series, o);
        if (!o.times.empty() && !write_times(series, o.times)) {
            fprintf(stderr, "zelmvik-bench: cannot write %s\n", o.times.c_str());
            status = 1;
        }
    }
    fflush(stdout);
    KillGLWindow();
    return status;
}
