#include "platform/x11/lost_display.h"
#include "platform/report/report.h"

#include <X11/Xlib.h>

namespace zelmvik {

// Xlib's own handler calls exit(), and the atexit handlers then talk to the server that is
// gone. This runs anywhere inside Xlib.
static int lost_display(Display *) {
    end_process("lost the connection to the X display");
}

void end_process_on_lost_display() {
    XSetIOErrorHandler(lost_display);
}

} // namespace zelmvik
