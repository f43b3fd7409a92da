#include "platform/report/report.h"

#include <atomic>
#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <unistd.h>

namespace zelmvik {

static void write_all(const char *text) {
    size_t n = std::strlen(text);
    while (n > 0) {
        ssize_t done = write(STDERR_FILENO, text, n);
        if (done < 0 && errno == EINTR)
            continue;
        if (done <= 0)
            return;
        text += done;
        n -= static_cast<size_t>(done);
    }
}

void report(const char *format, ...) {
    char line[1024];
    va_list args;
    va_start(args, format);
    std::vsnprintf(line, sizeof line, format, args);
    va_end(args);
    std::fprintf(stderr, "%s: %s\n", program_invocation_short_name, line);
}

void end_process(const char *what) {
    // Two connections can be found lost at once, from two threads: one line is said.
    static std::atomic_flag ending = ATOMIC_FLAG_INIT;
    if (ending.test_and_set())
        for (;;)
            pause();
    write_all(program_invocation_short_name);
    write_all(": ");
    write_all(what);
    write_all("\n");
    _exit(1);
}

} // namespace zelmvik
