#include "platform/wayland/lost_display.h"
#include "platform/report/report.h"

#include <wayland-client.h>

namespace zelmvik {

bool wayland_display_lost(wl_display *display) {
    return display && wl_display_get_error(display) != 0;
}

void end_process_on_lost_wayland_display() {
    end_process("lost the connection to the Wayland display");
}

} // namespace zelmvik
