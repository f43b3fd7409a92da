#include "platform/report/report.h"
#include "platform/sdl/native/native.h"

#include <csignal>
#include <cstdio>
#include <unistd.h>

namespace zelmvik::native {

namespace {

// What is waited for, for the line; set before the alarm is, read in its handler.
char waited_for[160];

void waited_too_long(int) {
    end_process(waited_for);
}

} // namespace

BoundedWait::BoundedWait(const char *what, unsigned seconds) {
    std::snprintf(waited_for, sizeof waited_for, "%s within %u s: the display does not answer",
                  what, seconds);
    struct sigaction action {};
    action.sa_handler = waited_too_long;
    sigemptyset(&action.sa_mask);
    sigaction(SIGALRM, &action, nullptr);
    alarm(seconds);
}

BoundedWait::~BoundedWait() {
    alarm(0);
}

} // namespace zelmvik::native
