#include "platform/dialog/toolkit.h"
#include "platform/backend/choice.h"
#include "platform/report/report.h"
#include "platform/wayland/lost_display.h"
#include "platform/x11/lost_display.h"

#include <gtk/gtk.h>
#ifdef GDK_WINDOWING_X11
#include <gdk/gdkx.h>
#endif
#ifdef GDK_WINDOWING_WAYLAND
#include <gdk/gdkwayland.h>
#endif

#include <cstdlib>

namespace zelmvik::dialog {

namespace {

#ifdef GDK_WINDOWING_WAYLAND
// GDK says a lost compositor in its own words (a message and _exit, or a fatal error and a
// core dump); the layer says it as it does for a lost X display. Every other message takes
// GLib's own way.
GLogWriterOutput log_writer(GLogLevelFlags level, const GLogField *fields, gsize count,
                            gpointer data) {
    GdkDisplay *display = gdk_display_get_default();
    if (display && GDK_IS_WAYLAND_DISPLAY(display) &&
        wayland_display_lost(gdk_wayland_display_get_wl_display(display)))
        end_process_on_lost_wayland_display();
    return g_log_writer_default(level, fields, count, data);
}
#endif

// Whichever display GTK runs on, losing it ends the process the same way.
void end_process_on_lost_display_of(GdkDisplay *display) {
#ifdef GDK_WINDOWING_X11
    // GDK has just put its own handler of a lost display in place of ours; its handler
    // prints a paragraph where one line says it all.
    if (GDK_IS_X11_DISPLAY(display))
        end_process_on_lost_display();
#endif
#ifdef GDK_WINDOWING_WAYLAND
    // GDK logs through GLib's structured log, whose writer can be set once per process.
    if (GDK_IS_WAYLAND_DISPLAY(display))
        g_log_set_writer_func(log_writer, nullptr, nullptr);
#endif
    (void)display;
}

} // namespace

bool toolkit_ready() {
    static const bool ready = [] {
        backend::Backend backend = backend::for_gdk();
        if (!backend.reachable)
            return false;
        if (backend.name)
            gdk_set_allowed_backends(backend.name);
        // The program's texts are code page 1252 and its number formats C's own: the process
        // keeps the locale it has.
        gtk_disable_setlocale();
        // A box has no use for the accessibility bus, and where no bus runs GTK would warn
        // about it on every start.
        setenv("NO_AT_BRIDGE", "1", 0);
        if (!gtk_init_check(nullptr, nullptr)) {
            report("GTK cannot open the display for its message boxes");
            return false;
        }
        end_process_on_lost_display_of(gdk_display_get_default());
        return true;
    }();
    return ready;
}

} // namespace zelmvik::dialog
