#include "platform/x11/reach.h"

#include <xcb/xcb.h>

#include <chrono>
#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <thread>
#include <unistd.h>

namespace zelmvik {

namespace {

// MEND xcb-refusal-on-stderr
// library: libxcb 1.15, 1.17
// upstream: none: libxcb documents that it prints the server's reason
// goes when: libxcb hands a server's refusal to its caller instead of printing it
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

// Whether the connection got through its setup and the server still answers on it: a server
// that resets just as a client connects (it does when its last client has left) hangs up on
// the half-made connection.
bool answers(xcb_connection_t *connection) {
    if (xcb_connection_has_error(connection))
        return false;
    xcb_get_input_focus_reply_t *reply =
        xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr);
    bool answered = reply != nullptr;
    std::free(reply);
    return answered;
}

// Whether anything takes connections on the Unix socket `path`, in Linux's abstract
// namespace (where X servers listen first) or as a file.
bool accepts(const std::string &path, bool abstract) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    size_t offset = abstract ? 1 : 0;
    if (offset + path.size() >= sizeof address.sun_path)
        return false;
    std::memcpy(address.sun_path + offset, path.data(), path.size());
    int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return false;
    socklen_t length =
        static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + offset + path.size());
    bool accepted = connect(fd, reinterpret_cast<sockaddr *>(&address), length) == 0;
    close(fd);
    return accepted;
}

// Whether a local X server listens on the socket of display `name` (":N" or "unix:N", with
// or without a screen): then a failed connection is worth trying again, as the server is only
// busy resetting. Other displays (over TCP, say) are tried once.
bool local_server_listens(const char *name) {
    if (std::strncmp(name, "unix:", 5) == 0)
        name += 4;
    if (name[0] != ':')
        return false;
    char *end = nullptr;
    long number = std::strtol(name + 1, &end, 10);
    if (end == name + 1 || (*end && *end != '.') || number < 0)
        return false;
    std::string path = "/tmp/.X11-unix/X" + std::to_string(number);
    return accepts(path, true) || accepts(path, false);
}

// The probe's connection, held for the life of the process once it answered. A server with
// no client resets itself when its last one leaves, and a client connecting during the reset
// is turned away: were the probe to hang up, it would be that last client, and the message
// boxes' toolkit, connecting right after it, would meet the reset. Held, the server never
// resets under the program.
xcb_connection_t *held = nullptr;
int held_screen = 0;

} // namespace

bool reach_x11_display(std::string *why) {
    if (held)
        return true;
    const char *name = std::getenv("DISPLAY");
    if (!name || !*name) {
        *why = "DISPLAY is not set";
        return false;
    }
    // Long enough for any server's reset (Xorg's takes the longest, a fraction of a second),
    // short against a person's wait for the question.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(3);
    for (;;) {
        StderrCaught caught;
        int screen = 0;
        xcb_connection_t *connection = xcb_connect(nullptr, &screen);
        if (answers(connection)) {
            held = connection;
            held_screen = screen;
            return true;
        }
        xcb_disconnect(connection);
        std::string said = caught.text();
        // A refusal is the server's answer; a display nothing listens on has none to give.
        bool again = said.empty() && std::chrono::steady_clock::now() < deadline &&
                     local_server_listens(name);
        if (!again) {
            *why = std::string("cannot connect to X display ") + name;
            if (!said.empty())
                *why += " (" + said + ")";
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

static const xcb_screen_t *held_root() {
    xcb_screen_iterator_t roots = xcb_setup_roots_iterator(xcb_get_setup(held));
    for (int i = 0; i < held_screen && roots.rem > 1; ++i)
        xcb_screen_next(&roots);
    return roots.data;
}

long long x11_screen_pixels() {
    if (!held)
        return 0;
    const xcb_screen_t *screen = held_root();
    return static_cast<long long>(screen->width_in_pixels) * screen->height_in_pixels;
}

bool x11_is_xwayland() {
    if (!held)
        return false;
    static const char name[] = "XWAYLAND";
    xcb_query_extension_reply_t *reply =
        xcb_query_extension_reply(held, xcb_query_extension(held, sizeof name - 1, name), nullptr);
    const bool present = reply && reply->present;
    std::free(reply);
    return present;
}

std::string x11_root_text(const char *name) {
    if (!held)
        return "";
    xcb_intern_atom_reply_t *atom = xcb_intern_atom_reply(
        held, xcb_intern_atom(held, 1, static_cast<uint16_t>(std::strlen(name)), name), nullptr);
    if (!atom)
        return "";
    xcb_atom_t property = atom->atom;
    std::free(atom);
    if (property == XCB_ATOM_NONE)
        return "";
    xcb_get_property_reply_t *reply = xcb_get_property_reply(
        held,
        xcb_get_property(held, 0, held_root()->root, property, XCB_GET_PROPERTY_TYPE_ANY, 0, 1024),
        nullptr);
    if (!reply)
        return "";
    std::string text;
    if (reply->format == 8)
        text.assign(static_cast<const char *>(xcb_get_property_value(reply)),
                    static_cast<size_t>(xcb_get_property_value_length(reply)));
    std::free(reply);
    return text;
}

} // namespace zelmvik
