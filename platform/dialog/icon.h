// The picture beside a box's text, drawn rather than loaded: a box shows it on every desktop,
// whatever icon theme is installed, and starts no image loader for it.
#pragma once

#include "platform/dialog/box.h"

#include <gtk/gtk.h>

namespace zelmvik::dialog {

// A widget that draws the icon at the size of a dialog's icons (48 px at scale 1).
GtkWidget *make_icon(BoxIcon icon);

} // namespace zelmvik::dialog
