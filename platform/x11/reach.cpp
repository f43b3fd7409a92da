#include "platform/x11/reach.h"

#include <xcb/xcb.h>

#include <cstdlib>
#include <fcntl.h>
#include <unistd.h>

namespace zelmvik {

namespace {

// libxcb writes a server's refusal ("Authorization required, ...") straight to standard
// error. While a probe runs, that goes into a pipe instead and becomes the probe's reason.
class StderrCaught {
  public:
    StderrCaught() {
        if (pipe2(pipe_, O_CLOEXEC | O_NONBLOCK) != 0)
            return;
        saved_ = fcntl(STDERR_FILENO, F_DUPFD_CLOEXEC, 0);
        if (saved_ >= 0)
            dup2(pipe_[1], STDERR_FILENO);
    }
    ~StderrCaught() {
        restore();
        for (int fd : pipe_)
            if (fd >= 0)
                close(fd);
    }
    StderrCaught(const StderrCaught &) = delete;
    StderrCaught &operator=(const StderrCaught &) = delete;

    // What was written meanwhile, its line ends dropped; standard error is itself again.
    std::string text() {
        restore();
        std::string said;
        char buffer[256];
        ssize_t n;
        while (pipe_[0] >= 0 && (n = read(pipe_[0], buffer, sizeof buffer)) > 0)
            said.append(buffer, static_cast<size_t>(n));
        while (!said.empty() && (said.back() == '\n' || said.back() == '\0'))
            said.pop_back();
        return said;
    }

  private:
    void restore() {
        if (saved_ < 0)
            return;
        dup2(saved_, STDERR_FILENO);
        close(saved_);
        saved_ = -1;
    }
    int pipe_[2] = {-1, -1};
    int saved_ = -1;
};

} // namespace

bool reach_x11_display(std::string *why) {
    const char *name = std::getenv("DISPLAY");
    if (!name || !*name) {
        *why = "DISPLAY is not set";
        return false;
    }
    StderrCaught caught;
    int screen = 0;
    xcb_connection_t *connection = xcb_connect(nullptr, &screen);
    bool connected = xcb_connection_has_error(connection) == 0;
    xcb_disconnect(connection);
    std::string said = caught.text();
    if (connected)
        return true;
    *why = std::string("cannot connect to X display ") + name;
    if (!said.empty())
        *why += " (" + said + ")";
    return false;
}

} // namespace zelmvik
