// The dialog's side of the waiting work: when it runs and when it stops.
#pragma once

#include <gtk/gtk.h>

namespace zelmvik::dialog {

// Tells the registered work that a box is about to show, and runs its steps at idle priority
// once the window has been drawn for the first time, until they are done or the window goes.
void run_waiting_work_while_shown(GtkWidget *window);
// Tells the registered work that the box has gone.
void waiting_work_box_closed();

} // namespace zelmvik::dialog
