// zelmvik-display-watchdog: puts the display mode back when the program that switched it
// is gone, however it ended (a crash, SIGKILL), as Windows does for a mode set with
// CDS_FULLSCREEN.
//
// The program starts it before its first switch with one end of a socket as standard input.
// The watchdog notes the screen's configuration, answers "ready", and then reads one line
// "WIDTH HEIGHT" for each mode the program sets ("0 0" once it has put the mode back itself).
// When the socket closes, the program is gone: if the display still shows the last mode the
// program set, the noted configuration is restored through RandR.
#include "platform/x11/screen_config.h"

#include <csignal>
#include <cstdio>
#include <cstring>
#include <string>
#include <unistd.h>

using namespace zelmvik;

// A display that went away has nothing left to restore.
static int quiet_exit(Display *) {
    _exit(0);
}

static int ignore_error(Display *, XErrorEvent *) {
    return 0;
}

static bool send_line(const char *line) {
    size_t n = std::strlen(line);
    return write(STDIN_FILENO, line, n) == static_cast<ssize_t>(n);
}

int main() {
    // Out of the program's session and process group: a terminal's hang-up or Ctrl-C that
    // ends the program must leave its watchdog running.
    setsid();
    std::signal(SIGHUP, SIG_IGN);
    std::signal(SIGINT, SIG_IGN);
    std::signal(SIGPIPE, SIG_IGN);
    close_range(3, ~0U, 0);

    XSetIOErrorHandler(quiet_exit);
    XSetErrorHandler(ignore_error);
    Display *display = XOpenDisplay(nullptr);
    if (!display)
        return 1;
    ScreenConfig original;
    if (!read_screen_config(display, &original) || !send_line("ready\n"))
        return 1;

    int width = 0, height = 0;
    std::string pending;
    char buffer[256];
    for (;;) {
        ssize_t n = read(STDIN_FILENO, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        pending.append(buffer, static_cast<size_t>(n));
        size_t end;
        while ((end = pending.find('\n')) != std::string::npos) {
            std::sscanf(pending.substr(0, end).c_str(), "%d %d", &width, &height);
            pending.erase(0, end + 1);
        }
    }

    ScreenConfig now;
    if (width > 0 && height > 0 && read_screen_config(display, &now) &&
        shows_size(now, width, height))
        restore_screen_config(display, original);
    XCloseDisplay(display);
    return 0;
}
