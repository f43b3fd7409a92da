// zelmvik-mode-watchdog: puts the display mode back when the program that switched it is
// gone, however it ended (a crash, SIGKILL), as Windows does for a mode set with
// CDS_FULLSCREEN. The program starts it before its first switch, with one end of a socket as
// standard input; what they say over it is in protocol.h.
#include "platform/x11/mode_watchdog/protocol.h"
#include "platform/x11/screen_config.h"

#include <cerrno>
#include <csignal>
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

static bool say(const std::string &line) {
    std::string text = line + "\n";
    return write(STDIN_FILENO, text.data(), text.size()) == static_cast<ssize_t>(text.size());
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
    if (!display) {
        say(mode_watchdog::failed + " cannot open the X display");
        return 1;
    }
    ScreenConfig original;
    if (!read_screen_config(display, &original)) {
        say(mode_watchdog::failed + " the X display has no RandR 1.2 configuration to note");
        return 1;
    }
    if (!say(mode_watchdog::ready))
        return 1;

    // The output and mode last switched to; 0 x 0 while the desktop's own is shown.
    mode_watchdog::Switched last;
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
            mode_watchdog::Switched line;
            if (mode_watchdog::read_program_line(pending.substr(0, end), &line))
                last = line;
            pending.erase(0, end + 1);
        }
    }

    // A mode someone else set since is theirs to keep.
    ScreenConfig now;
    if (last.width > 0 && read_screen_config(display, &now) &&
        shows_mode_at(now, last.x, last.y, last.width, last.height))
        restore_screen_config(display, original);
    XCloseDisplay(display);
    return 0;
}
