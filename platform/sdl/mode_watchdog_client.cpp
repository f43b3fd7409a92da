#include "platform/report/report.h"
#include "platform/sdl/display_settings.h"
#include "platform/x11/mode_watchdog/protocol.h"

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <string>

extern char **environ;

// Where the build puts the watchdog, relative to the program: its file name, and its folder
// once installed (the build folder has both side by side).
static const char watchdog_name[] = ZELMVIK_MODE_WATCHDOG_NAME;
static const char installed_dir[] = ZELMVIK_MODE_WATCHDOG_DIR;

namespace zelmvik {

namespace {

// This process's watchdog: our end of the socket that is its standard input while it runs,
// -1 before and after. It is started once, at the first switch.
struct ModeWatchdog {
    bool started = false;
    int socket = -1;
};
ModeWatchdog watchdog;

std::string watchdog_path(std::string *why) {
    char self[4096];
    ssize_t n = readlink("/proc/self/exe", self, sizeof self - 1);
    if (n <= 0) {
        *why = "the program's own path is unknown";
        return {};
    }
    std::string dir(self, static_cast<size_t>(n));
    dir.erase(dir.rfind('/'));
    for (std::string candidate :
         {dir + "/" + watchdog_name, dir + "/" + installed_dir + "/" + watchdog_name}) {
        if (access(candidate.c_str(), X_OK) == 0)
            return candidate;
    }
    *why = std::string("it is neither next to the program nor in ") + installed_dir;
    return {};
}

// The watchdog's first line: ready once it has noted the display's configuration, which must
// happen before the mode changes; or why it cannot watch this display. It notes it in a few
// milliseconds; a watchdog that has not answered in seconds is not waited for any longer.
const int ready_within_ms = 3000;

bool wait_ready(int fd, std::string *why) {
    pollfd p = {fd, POLLIN, 0};
    if (poll(&p, 1, ready_within_ms) != 1) {
        *why = "it did not answer within 3 s";
        return false;
    }
    char answer[256];
    ssize_t n = read(fd, answer, sizeof answer - 1);
    if (n <= 0) {
        *why = "it ended at once";
        return false;
    }
    std::string line(answer, static_cast<size_t>(n));
    line.erase(line.find_last_not_of('\n') + 1);
    if (line == mode_watchdog::ready)
        return true;
    *why = line.compare(0, mode_watchdog::failed.size() + 1, mode_watchdog::failed + " ") == 0
               ? line.substr(mode_watchdog::failed.size() + 1)
               : "it said \"" + line + "\"";
    return false;
}

// Our end of the socket, or -1 with the reason. The watchdog is a program of its own, spawned
// rather than forked: GL drivers and toolkits run threads in this process.
int start_watchdog(std::string *why) {
    std::string path = watchdog_path(why);
    if (path.empty())
        return -1;
    int fds[2];
    if (socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, fds) != 0) {
        *why = std::strerror(errno);
        return -1;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, fds[1], STDIN_FILENO);
    // It says what it has to say over the socket, and must not hold on to a pipe someone
    // reads our output from.
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, STDOUT_FILENO, STDERR_FILENO);
    char *argv[] = {&path[0], nullptr};
    pid_t pid = 0;
    int failed = posix_spawn(&pid, path.c_str(), &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(fds[1]);
    if (failed) {
        *why = std::strerror(failed);
        close(fds[0]);
        return -1;
    }
    if (!wait_ready(fds[0], why)) {
        close(fds[0]);
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
        return -1;
    }
    // Not waited for: it outlives us by design, and init takes it over.
    return fds[0];
}

void say(const std::string &line) {
    if (watchdog.socket < 0)
        return;
    std::string text = line + "\n";
    if (send(watchdog.socket, text.data(), text.size(), MSG_NOSIGNAL) !=
        static_cast<ssize_t>(text.size())) {
        close(watchdog.socket);
        watchdog.socket = -1;
    }
}

} // namespace

void tell_mode_watchdog_switched(int x, int y, int width, int height) {
    // On Wayland a mode is SDL's scaling of our own surface: the output's real mode is never
    // touched, and a process that dies leaves nothing to put back.
    if (!native::on_x11())
        return;
    if (!watchdog.started) {
        watchdog.started = true;
        std::string why;
        watchdog.socket = start_watchdog(&why);
        if (watchdog.socket < 0)
            report("the display's mode will not come back should this process be killed: "
                   "%s cannot watch it: %s",
                   watchdog_name, why.c_str());
    }
    say(mode_watchdog::switched({x, y, width, height}));
}

void tell_mode_watchdog_restored() {
    say(mode_watchdog::restored);
}

} // namespace zelmvik
