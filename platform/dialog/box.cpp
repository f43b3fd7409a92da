#include "platform/dialog/box.h"
#include "platform/dialog/box_text.h"
#include "platform/dialog/icon.h"
#include "platform/dialog/toolkit.h"
#include "platform/dialog/waiting_work_runner.h"
#include "platform/dialog/words.h"
#include "platform/report/trace.h"

#include <gdk/gdkkeysyms.h>
#include <gtk/gtk.h>

#include <string>
#include <vector>

namespace zelmvik::dialog {
namespace {

// One box on the screen: what it shows, and what a key pressed in it will answer when it is
// let go of.
struct Shown {
    const Box *box;
    std::vector<std::string> labels; // the toolkit's words, mnemonics marked
    guint keyval = 0;
    int answer = -1;
    bool copied = false;
};

bool is_key(const GdkEventKey *event, guint key) {
    return gdk_keyval_to_lower(event->keyval) == key;
}

// Whether the physical key of `event` carries `latin` in any of the keyboard's layouts, as
// Windows takes Ctrl+C by the key's place, whatever letter a Cyrillic layout types there.
bool carries(const GdkEventKey *event, guint latin) {
    if (is_key(event, latin))
        return true;
    GdkKeymapKey *keys = nullptr;
    guint *keyvals = nullptr;
    gint count = 0;
    bool found = false;
    if (gdk_keymap_get_entries_for_keycode(gdk_keymap_get_for_display(gdk_display_get_default()),
                                           event->hardware_keycode, &keys, &keyvals, &count))
        for (gint i = 0; i < count && !found; ++i)
            found = gdk_keyval_to_lower(keyvals[i]) == latin;
    g_free(keys);
    g_free(keyvals);
    return found;
}

// The answer of the button that has the keyboard's focus; the default one (the first) where
// none has it.
int focused_answer(GtkWidget *dialog, const Box &box) {
    GtkWidget *focus = gtk_window_get_focus(GTK_WINDOW(dialog));
    int answer = focus && GTK_IS_BUTTON(focus)
                     ? gtk_dialog_get_response_for_widget(GTK_DIALOG(dialog), focus)
                     : GTK_RESPONSE_NONE;
    return answer == GTK_RESPONSE_NONE ? box.buttons[0].answer : answer;
}

// Windows' keys in a box: Return and Space press the button that has the focus (which Tab and
// the arrows move); a button's letter, in either case, with Alt or without, presses that
// button; Esc answers only a box with a Cancel or an OK button. -1: the key answers nothing.
int answer_of_key(GtkWidget *dialog, const Shown &shown, const GdkEventKey *event) {
    const guint modifiers =
        event->state & (GDK_CONTROL_MASK | GDK_SHIFT_MASK | GDK_MOD1_MASK | GDK_SUPER_MASK);
    if (modifiers & ~(GDK_MOD1_MASK | GDK_SHIFT_MASK))
        return -1;
    const Box &box = *shown.box;
    if (!modifiers && (is_key(event, GDK_KEY_Return) || is_key(event, GDK_KEY_KP_Enter) ||
                       is_key(event, GDK_KEY_ISO_Enter) || is_key(event, GDK_KEY_space) ||
                       is_key(event, GDK_KEY_KP_Space)))
        return focused_answer(dialog, box);
    if (!modifiers && is_key(event, GDK_KEY_Escape))
        return box.escape ? box.escape : -1;
    for (int i = 0; i < box.count; ++i) {
        std::string letter = mnemonic_of(shown.labels[i]);
        if (!letter.empty() && is_key(event, gdk_keyval_to_lower(gdk_unicode_to_keyval(
                                                 g_utf8_get_char(letter.c_str())))))
            return box.buttons[i].answer;
    }
    return -1;
}

// Ctrl+C (or Ctrl+Insert) puts the whole box on the clipboard as Windows' boxes do.
bool copies(const GdkEventKey *event) {
    const guint modifiers =
        event->state & (GDK_CONTROL_MASK | GDK_SHIFT_MASK | GDK_MOD1_MASK | GDK_SUPER_MASK);
    return modifiers == GDK_CONTROL_MASK &&
           (carries(event, GDK_KEY_c) || is_key(event, GDK_KEY_Insert) ||
            is_key(event, GDK_KEY_KP_Insert));
}

void copy(Shown &shown) {
    std::vector<std::string> labels;
    for (const std::string &label : shown.labels)
        labels.push_back(without_mnemonic(label));
    std::string text = box_as_copied(shown.box->caption, shown.box->text, labels);
    gtk_clipboard_set_text(gtk_clipboard_get(GDK_SELECTION_CLIPBOARD), text.c_str(),
                           static_cast<gint>(text.size()));
    shown.copied = true;
}

// The answer comes with the key's release, so the release never reaches whatever window
// takes the keyboard after the box, and a key that was already down when the box came up
// answers nothing.
gboolean key_pressed(GtkWidget *dialog, GdkEventKey *event, gpointer data) {
    Shown &shown = *static_cast<Shown *>(data);
    if (copies(event)) {
        copy(shown);
        return TRUE;
    }
    int answer = answer_of_key(dialog, shown, event);
    // Not even GTK's own Esc, which would close the box, nor its own Return and Space, which
    // would answer as the key goes down.
    if (answer < 0)
        return event->keyval == GDK_KEY_Escape;
    shown.keyval = event->keyval;
    shown.answer = answer;
    return TRUE;
}

// A box that Esc does not answer cannot be closed either, as Windows disables its close
// button: it is not destroyed (GtkDialog has already answered the close, see run_box).
gboolean deleted(GtkWidget *, GdkEvent *, gpointer data) {
    return static_cast<Shown *>(data)->box->escape == 0;
}

gboolean key_released(GtkWidget *dialog, GdkEventKey *event, gpointer data) {
    Shown &shown = *static_cast<Shown *>(data);
    if (shown.answer < 0 || event->keyval != shown.keyval)
        return FALSE;
    gtk_dialog_response(GTK_DIALOG(dialog), shown.answer);
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

GtkWidget *make_dialog(Shown *shown) {
    const Box &box = *shown->box;
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
        shown->labels.push_back(toolkit_word(box.buttons[i].label));
        GtkWidget *button = gtk_dialog_add_button(GTK_DIALOG(dialog), shown->labels[i].c_str(),
                                                  box.buttons[i].answer);
        if (i == 0)
            gtk_widget_grab_focus(button);
    }
    gtk_dialog_set_default_response(GTK_DIALOG(dialog), box.buttons[0].answer);
    centre_on_primary(window);
    g_signal_connect(dialog, "key-press-event", G_CALLBACK(key_pressed), shown);
    g_signal_connect(dialog, "key-release-event", G_CALLBACK(key_released), shown);
    g_signal_connect(dialog, "map-event", G_CALLBACK(mapped), nullptr);
    g_signal_connect(dialog, "delete-event", G_CALLBACK(deleted), shown);
    return dialog;
}

} // namespace

bool run_box(const Box &box, const WaitingWork &work, int *answer, MonitorArea *shown_on) {
    if (!toolkit_ready())
        return false;
    Shown shown{&box, {}};
    GtkWidget *dialog = make_dialog(&shown);
    if (tracing(Channel::boxes)) {
        std::string labels;
        for (const std::string &label : shown.labels)
            labels += " " + label;
        trace(Channel::boxes,
              "\"%s\", buttons%s (GTK's words for the locale's LANGUAGE and "
              "LC_MESSAGES)",
              box.caption.c_str(), labels.c_str());
    }
    run_waiting_work_while_shown(dialog, work);
    int response;
    do
        response = gtk_dialog_run(GTK_DIALOG(dialog));
    while (response == GTK_RESPONSE_DELETE_EVENT && box.escape == 0);
    *shown_on = {};
    GdkWindow *window = gtk_widget_get_window(dialog);
    if (GdkMonitor *monitor =
            window ? gdk_display_get_monitor_at_window(gdk_display_get_default(), window)
                   : nullptr) {
        GdkRectangle area;
        gdk_monitor_get_geometry(monitor, &area);
        *shown_on = {area.x, area.y, area.width, area.height};
    }
    gtk_widget_destroy(dialog);
    // The box leaves the screen now, not with the next box.
    while (gtk_events_pending())
        gtk_main_iteration();
    // What was copied outlives the box, as on Windows: a clipboard manager, where one runs,
    // keeps it after the process; until then the process answers for it (serve_toolkit).
    if (shown.copied)
        gtk_clipboard_store(gtk_clipboard_get(GDK_SELECTION_CLIPBOARD));
    waiting_work_box_closed(work);
    // Negative: Esc or the window manager's close, where they answer, or the box destroyed
    // under its loop (0, a failure, where they do not).
    *answer = response < 0 ? box.escape : response;
    trace(Channel::boxes, "\"%s\" answered %d%s", box.caption.c_str(), *answer,
          response < 0 ? " (Esc or the close button)" : "");
    return true;
}

} // namespace zelmvik::dialog
