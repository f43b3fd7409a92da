#include "platform/wayland/lost_display.h"
#include "platform/report/report.h"

#include <wayland-client.h>

#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <thread>

namespace zelmvik {

bool wayland_display_lost(wl_display *display) {
    return display && wl_display_get_error(display) != 0;
}

void end_process_on_lost_wayland_display() {
    end_process("lost the connection to the Wayland display");
}

// MEND sdl-wayland-spins-on-lost-compositor
// library: SDL 2.26 (Wayland: its wait for a new window's first configure)
// upstream: not reported
// goes when: the releases served have no SDL that waits for the compositor in a loop
// A library that waits for an event from the compositor in a loop would spin for ever once the
// compositor is gone; the hang-up is watched on the side instead, and ends the process.
void end_process_when_compositor_hangs_up(wl_display *display) {
    static wl_display *watched = nullptr;
    if (!display || display == watched)
        return;
    // A descriptor of our own for the connection's socket: the library may close its own
    // (and the number be taken again) without this one seeing a hang-up or another file.
    int fd = fcntl(wl_display_get_fd(display), F_DUPFD_CLOEXEC, 0);
    if (fd < 0)
        return;
    watched = display;
    // Asks for no events: poll wakes only for the hang-up (or an error) of the other end.
    std::thread([fd] {
        pollfd hang_up = {fd, 0, 0};
        while (poll(&hang_up, 1, -1) < 0 && errno == EINTR)
            ;
        if (hang_up.revents & (POLLHUP | POLLERR))
            end_process_on_lost_wayland_display();
    }).detach();
}

} // namespace zelmvik
