#include "platform/x11/lost_display.h"

#include <X11/Xlib.h>

#include <cerrno>
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

// Xlib's own handler calls exit(), and the atexit handlers then talk to the server that is
// gone. Only async-signal-safe calls here: this can run anywhere inside Xlib.
static int lost_display(Display *) {
    write_all(program_invocation_short_name);
    write_all(": lost the connection to the X display\n");
    _exit(1);
}

void end_process_on_lost_display() {
    XSetIOErrorHandler(lost_display);
}

} // namespace zelmvik
