#include "platform/dialog/waiting_work_runner.h"

namespace zelmvik::dialog {
namespace {

// One box is up at a time: boxes are modal, and the process has one thread.
bool (*running_step)() = nullptr;
guint source = 0;

gboolean next_step(gpointer) {
    // Whatever GTK has drawn reaches the screen before a step that may take a while.
    gdk_display_flush(gdk_display_get_default());
    if (!running_step || !running_step()) {
        source = 0;
        return G_SOURCE_REMOVE;
    }
    return G_SOURCE_CONTINUE;
}

void stop_steps(GtkWidget *, gpointer) {
    if (source)
        g_source_remove(source);
    source = 0;
}

gboolean first_draw(GtkWidget *window, cairo_t *, gpointer) {
    g_signal_handlers_disconnect_by_func(window, reinterpret_cast<gpointer>(first_draw), nullptr);
    // Below the redraws and the input of the box, so the box stays answerable between steps.
    if (!source)
        source = g_idle_add_full(G_PRIORITY_LOW, next_step, nullptr, nullptr);
    g_signal_connect(window, "destroy", G_CALLBACK(stop_steps), nullptr);
    return FALSE;
}

} // namespace

void run_waiting_work_while_shown(GtkWidget *window, const WaitingWork &work) {
    if (work.box_opened)
        work.box_opened();
    running_step = work.step;
    if (running_step)
        g_signal_connect_after(window, "draw", G_CALLBACK(first_draw), nullptr);
}

void waiting_work_box_closed(const WaitingWork &work) {
    running_step = nullptr;
    if (work.box_closed)
        work.box_closed();
}

} // namespace zelmvik::dialog
