// The box's side of its waiting work: when it runs and when it stops.
#pragma once

#include "platform/dialog/waiting_work.h"

#include <gtk/gtk.h>

namespace zelmvik::dialog {

// Tells the work that the box is about to show, and runs its steps at idle priority once the
// window has been drawn for the first time, until they are done or the window goes.
void run_waiting_work_while_shown(GtkWidget *window, const WaitingWork &work);
// Tells the work that the box has gone.
void waiting_work_box_closed(const WaitingWork &work);

} // namespace zelmvik::dialog
