#include "platform/dialog/box.h"
#include "platform/dialog/icon.h"
#include "platform/dialog/toolkit.h"
#include "platform/dialog/waiting_work_runner.h"

#include <gdk/gdkkeysyms.h>
#include <gtk/gtk.h>

namespace zelmvik::dialog {
namespace {

// What a key pressed in the box will answer when it is let go of.
struct PendingKey {
    const Box *box;
    guint keyval = 0;
    int answer = -1;
};

// Windows answers a button by its letter alone, Alt or not; Return gives the first button
// wherever the focus is.
int answer_of_key(const Box &box, const GdkEventKey *event) {
    const guint modifiers =
        event->state & (GDK_CONTROL_MASK | GDK_SHIFT_MASK | GDK_MOD1_MASK | GDK_SUPER_MASK);
    if (modifiers & ~GDK_MOD1_MASK)
        return -1;
    guint key = gdk_keyval_to_lower(event->keyval);
    if (!modifiers && (key == GDK_KEY_Return || key == GDK_KEY_KP_Enter))
        return box.buttons[0].answer;
    if (!modifiers && key == GDK_KEY_Escape)
        return box.escape ? box.escape : -1;
    for (int i = 0; i < box.count; ++i) {
        const char *mark = g_utf8_strchr(box.buttons[i].label, -1, '_');
        if (mark && key == gdk_keyval_to_lower(gdk_unicode_to_keyval(g_utf8_get_char(mark + 1))))
            return box.buttons[i].answer;
    }
    return -1;
}

// The answer comes with the key's release, so the release never reaches whatever window
// takes the keyboard after the box, and a key that was already down when the box came up
// answers nothing.
gboolean key_pressed(GtkWidget *, GdkEventKey *event, gpointer data) {
    PendingKey &pending = *static_cast<PendingKey *>(data);
    int answer = answer_of_key(*pending.box, event);
    // Not even GTK's own Esc, which would close the box.
    if (answer < 0)
        return event->keyval == GDK_KEY_Escape;
    pending.keyval = event->keyval;
    pending.answer = answer;
    return TRUE;
}

// A box that Esc does not answer cannot be closed either, as Windows disables its close
// button: it is not destroyed (GtkDialog has already answered the close, see run_box).
gboolean deleted(GtkWidget *, GdkEvent *, gpointer data) {
    return static_cast<PendingKey *>(data)->box->escape == 0;
}

gboolean key_released(GtkWidget *dialog, GdkEventKey *event, gpointer data) {
    PendingKey &pending = *static_cast<PendingKey *>(data);
    if (pending.answer < 0 || event->keyval != pending.keyval)
        return FALSE;
    gtk_dialog_response(GTK_DIALOG(dialog), pending.answer);
    return TRUE;
}

// Windows centres a box that has no owner on the primary monitor; GTK would centre it on the
// monitor the pointer is on. (A Wayland compositor places it by its own rules.)
void centre_on_primary(GtkWindow *window) {
    GdkDisplay *display = gdk_display_get_default();
    GdkMonitor *primary = gdk_display_get_primary_monitor(display);
    if (!primary)
        primary = gdk_display_get_monitor(display, 0);
    if (!primary)
        return;
    GdkRectangle area;
    gdk_monitor_get_geometry(primary, &area);
    GtkRequisition size;
    gtk_widget_get_preferred_size(GTK_WIDGET(window), nullptr, &size);
    gtk_window_move(window, area.x + (area.width - size.width) / 2,
                    area.y + (area.height - size.height) / 2);
}

// Without a window manager nothing gives a new window the keyboard: the box takes it itself.
// With the current time, not the time of the process's last input, which the server refuses
// once another window has taken the focus since. A box is answered from the keyboard, so
// the button that has it is marked from the start, not only once some key has been pressed.
gboolean mapped(GtkWidget *dialog, GdkEvent *, gpointer) {
    gdk_window_focus(gtk_widget_get_window(dialog), GDK_CURRENT_TIME);
    gtk_window_set_focus_visible(GTK_WINDOW(dialog), TRUE);
    return FALSE;
}

GtkWidget *make_dialog(const Box &box, PendingKey *pending) {
    GtkWidget *dialog = gtk_message_dialog_new(nullptr, GTK_DIALOG_MODAL, GTK_MESSAGE_OTHER,
                                               GTK_BUTTONS_NONE, "%s", box.text.c_str());
    GtkWindow *window = GTK_WINDOW(dialog);
    gtk_window_set_title(window, box.caption.c_str());
    gtk_window_set_keep_above(window, TRUE);
    gtk_window_set_resizable(window, FALSE);
    gtk_window_set_deletable(window, box.escape != 0);
    // GTK 3's message dialogs show no image of their own; it goes left of the text.
    if (box.icon != BoxIcon::none) {
        GtkWidget *image = make_icon(box.icon);
        gtk_widget_set_valign(image, GTK_ALIGN_START);
        GtkWidget *row =
            gtk_widget_get_parent(gtk_message_dialog_get_message_area(GTK_MESSAGE_DIALOG(dialog)));
        gtk_box_pack_start(GTK_BOX(row), image, FALSE, FALSE, 0);
        gtk_box_reorder_child(GTK_BOX(row), image, 0);
        gtk_widget_show(image);
    }
    for (int i = 0; i < box.count; ++i) {
        GtkWidget *button =
            gtk_dialog_add_button(GTK_DIALOG(dialog), box.buttons[i].label, box.buttons[i].answer);
        if (i == 0)
            gtk_widget_grab_focus(button);
    }
    gtk_dialog_set_default_response(GTK_DIALOG(dialog), box.buttons[0].answer);
    centre_on_primary(window);
    g_signal_connect(dialog, "key-press-event", G_CALLBACK(key_pressed), pending);
    g_signal_connect(dialog, "key-release-event", G_CALLBACK(key_released), pending);
    g_signal_connect(dialog, "map-event", G_CALLBACK(mapped), nullptr);
    g_signal_connect(dialog, "delete-event", G_CALLBACK(deleted), pending);
    return dialog;
}

} // namespace

bool run_box(const Box &box, const WaitingWork &work, int *answer, MonitorArea *shown_on) {
    if (!toolkit_ready())
        return false;
    PendingKey pending{&box};
    GtkWidget *dialog = make_dialog(box, &pending);
    run_waiting_work_while_shown(dialog, work);
    int response;
    do
        response = gtk_dialog_run(GTK_DIALOG(dialog));
    while (response == GTK_RESPONSE_DELETE_EVENT && box.escape == 0);
    *shown_on = {};
    GdkWindow *shown = gtk_widget_get_window(dialog);
    if (GdkMonitor *monitor =
            shown ? gdk_display_get_monitor_at_window(gdk_display_get_default(), shown) : nullptr) {
        GdkRectangle area;
        gdk_monitor_get_geometry(monitor, &area);
        *shown_on = {area.x, area.y, area.width, area.height};
    }
    gtk_widget_destroy(dialog);
    // The box leaves the screen now, not with the next box.
    while (gtk_events_pending())
        gtk_main_iteration();
    waiting_work_box_closed(work);
    // Negative: Esc or the window manager's close, where they answer, or the box destroyed
    // under its loop (0, a failure, where they do not).
    *answer = response < 0 ? box.escape : response;
    return true;
}

} // namespace zelmvik::dialog
