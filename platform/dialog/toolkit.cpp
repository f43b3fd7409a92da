#include "platform/dialog/toolkit.h"
#include "platform/backend/choice.h"
#include "platform/dialog/accessibility_bus.h"
#include "platform/dialog/box.h"
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
#include <cstring>

namespace zelmvik::dialog {

namespace {

bool gtk_started = false;

#ifdef GDK_WINDOWING_WAYLAND
// MEND gdk-wayland-lost-compositor
// library: GTK 3.24.38, 3.24.49, 3.24.52 (Wayland)
// upstream: none: GDK 3 decides on the process's end itself
// goes when: GDK lets its caller say and decide what a lost compositor means
// GDK says a lost compositor in its own words (a message and _exit, or a fatal error and a
// core dump); the layer says it as it does for a lost X display.
bool says_compositor_lost(const GLogField *fields, gsize count) {
    const char *domain = "", *message = "";
    for (gsize i = 0; i < count; ++i) {
        if (std::strcmp(fields[i].key, "GLIB_DOMAIN") == 0 && fields[i].length < 0)
            domain = static_cast<const char *>(fields[i].value);
        else if (std::strcmp(fields[i].key, "MESSAGE") == 0 && fields[i].length < 0)
            message = static_cast<const char *>(fields[i].value);
    }
    // GDK's two words for it: the connection hung up, or reading from it failed.
    return std::strcmp(domain, "Gdk") == 0 &&
           (g_str_has_prefix(message, "Lost connection to Wayland compositor") ||
            g_str_has_prefix(message, "Error reading events from display"));
}

void end_if_compositor_lost(GdkDisplay *display, const GLogField *fields, gsize count) {
    if (GDK_IS_WAYLAND_DISPLAY(display) &&
        (says_compositor_lost(fields, count) ||
         wayland_display_lost(gdk_wayland_display_get_wl_display(display))))
        end_process_on_lost_wayland_display();
}
#endif

#ifdef GDK_WINDOWING_X11
// MEND gdk-x11-destroyed-window-warning
// library: GTK 3.24.38 (X11; an XWayland whose compositor went away)
// upstream: none: GDK warns of each window destroyed under it, whoever destroyed it
// goes when: GDK finds a lost connection before it warns of what went with it
// An X server that goes away destroys the windows first, and GDK warns of each ("GdkWindow
// unexpectedly destroyed") before it finds the connection gone. Asking the server settles
// which it is: a lost one ends the process here, with the layer's one line.
void end_if_display_lost(GdkDisplay *display, GLogLevelFlags level) {
    if (GDK_IS_X11_DISPLAY(display) && (level & (G_LOG_LEVEL_WARNING | G_LOG_LEVEL_CRITICAL)))
        XSync(gdk_x11_display_get_xdisplay(display), False);
}
#endif

// Every other message takes GLib's own way.
GLogWriterOutput log_writer(GLogLevelFlags level, const GLogField *fields, gsize count,
                            gpointer data) {
    if (GdkDisplay *display = gdk_display_get_default()) {
#ifdef GDK_WINDOWING_WAYLAND
        end_if_compositor_lost(display, fields, count);
#endif
#ifdef GDK_WINDOWING_X11
        end_if_display_lost(display, level);
#endif
    }
    return g_log_writer_default(level, fields, count, data);
}

// Whichever display GTK runs on, losing it ends the process the same way.
void end_process_on_lost_display_of(GdkDisplay *display) {
#ifdef GDK_WINDOWING_X11
    // MEND gdk-x11-lost-display
    // library: GTK 3.24.38, 3.24.49, 3.24.52 (X11)
    // upstream: none: GDK 3 installs its handler as it opens a display
    // goes when: GDK leaves a process's own handler of a lost display in place
    // GDK has just put its own handler of a lost display in place of ours; its handler
    // prints a paragraph where one line says it all.
    if (GDK_IS_X11_DISPLAY(display))
        end_process_on_lost_display();
#endif
    // GDK logs through GLib's structured log, whose writer can be set once per process.
    g_log_set_writer_func(log_writer, nullptr, nullptr);
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
        // Screen readers read the boxes wherever an accessibility bus runs.
        prepare_accessibility(backend.name && std::strcmp(backend.name, "x11") == 0);
        if (!gtk_init_check(nullptr, nullptr)) {
            report("GTK cannot open the display for its message boxes");
            return false;
        }
        end_process_on_lost_display_of(gdk_display_get_default());
        gtk_started = true;
        return true;
    }();
    return ready;
}

void serve_toolkit() {
    // Nothing before GTK has started (it starts with the first box), and nothing from inside
    // GTK's own loop, a box's, which answers by itself. One look a call: the program's loop
    // calls again soon enough.
    if (gtk_started && g_main_depth() == 0)
        g_main_context_iteration(nullptr, FALSE);
}

} // namespace zelmvik::dialog
