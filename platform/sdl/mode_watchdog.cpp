#include "platform/sdl/layer.h"

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <string>

extern char **environ;

namespace zelmvik {

namespace {

// Next to the executable (the build folder), else where the install puts it.
std::string watchdog_path() {
    char self[4096];
    ssize_t n = readlink("/proc/self/exe", self, sizeof self - 1);
    if (n <= 0)
        return {};
    std::string dir(self, static_cast<size_t>(n));
    dir.erase(dir.rfind('/'));
    const char *name = "zelmvik-display-watchdog";
    for (std::string candidate : {dir + "/" + name, dir + "/../libexec/zelmvik/" + name}) {
        if (access(candidate.c_str(), X_OK) == 0)
            return candidate;
    }
    return {};
}

// The watchdog answers "ready" once it has noted the display's configuration, which must
// happen before the mode changes.
bool wait_ready(int fd) {
    pollfd p = {fd, POLLIN, 0};
    char answer[6];
    return poll(&p, 1, 3000) == 1 && read(fd, answer, sizeof answer) == 6;
}

// Our end of the socket whose other end is the watchdog's standard input; -1 when there is
// no watchdog. The watchdog is a program of its own, spawned rather than forked: GL drivers
// and toolkits run threads in this process.
int start_watchdog() {
    std::string path = watchdog_path();
    int fds[2];
    if (path.empty() || socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, fds) != 0)
        return -1;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, fds[1], STDIN_FILENO);
    // It has nothing to say, and must not hold on to a pipe someone reads our output from.
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, STDOUT_FILENO, STDERR_FILENO);
    char *argv[] = {&path[0], nullptr};
    pid_t pid;
    int failed = posix_spawn(&pid, path.c_str(), &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(fds[1]);
    if (failed)
        pid = 0;
    if (!pid || !wait_ready(fds[0])) {
        close(fds[0]);
        if (pid) {
            kill(pid, SIGKILL);
            waitpid(pid, nullptr, 0);
        }
        return -1;
    }
    // Not waited for: it outlives us by design, and init takes it over.
    return fds[0];
}

} // namespace

void watch_display_mode(int width, int height) {
    // On Wayland a mode is SDL's scaling of our own surface: the output's real mode is never
    // touched, and a process that dies leaves nothing to put back.
    if (!on_x11())
        return;
    static bool started = false;
    static int fd = -1;
    if (!started) {
        if (width == 0)
            return; // nothing was ever switched
        started = true;
        fd = start_watchdog();
    }
    if (fd < 0)
        return;
    char line[32];
    int n = std::snprintf(line, sizeof line, "%d %d\n", width, height);
    if (send(fd, line, static_cast<size_t>(n), MSG_NOSIGNAL) != n) {
        close(fd);
        fd = -1;
    }
}

} // namespace zelmvik
