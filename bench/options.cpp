#include "bench/options.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace bench {

static const char usage[] =
    "usage: zelmvik-bench [--ask] [--seconds S] [--reps N] [--glyphs N[,N...]] [--times FILE]\n"
    "       zelmvik-bench --frames N [--kind frame|clear|textN]\n"
    "       zelmvik-bench --switches N\n";

static bool number(const char *text, double *value) {
    char *end = nullptr;
    *value = strtod(text, &end);
    return end != text && *end == '\0' && *value >= 0.0;
}

static bool counts(const char *text, std::vector<int> *values) {
    while (*text) {
        char *end = nullptr;
        long n = strtol(text, &end, 10);
        if (end == text || n < 0 || (*end != ',' && *end != '\0'))
            return false;
        values->push_back((int)n);
        text = *end ? end + 1 : end;
    }
    return !values->empty();
}

bool parse_options(int argc, char **argv, Options *o) {
    for (int i = 1; i < argc; ++i) {
        const char *arg = argv[i];
        if (!strcmp(arg, "--ask")) {
            o->ask = true;
            continue;
        }
        const char *value = i + 1 < argc ? argv[i + 1] : nullptr;
        double n = 0.0;
        bool ok = value != nullptr;
        if (!strcmp(arg, "--seconds"))
            ok = ok && number(value, &o->seconds);
        else if (!strcmp(arg, "--reps"))
            ok = ok && number(value, &n) && (o->reps = (int)n, true);
        else if (!strcmp(arg, "--frames"))
            ok = ok && number(value, &n) && (o->frames = (long)n, true);
        else if (!strcmp(arg, "--switches"))
            ok = ok && number(value, &n) && (o->switches = (int)n, true);
        else if (!strcmp(arg, "--glyphs"))
            ok = ok && counts(value, &o->glyphs);
        else if (!strcmp(arg, "--times"))
            ok = ok && (o->times = value, true);
        else if (!strcmp(arg, "--kind"))
            ok = ok && (o->kind = value, true);
        else
            ok = false;
        if (!ok) {
            fprintf(stderr, "zelmvik-bench: bad argument %s\n%s", arg, usage);
            return false;
        }
        ++i;
    }
    return true;
}

} // namespace bench
