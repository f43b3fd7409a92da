// The picture beside a box's text, drawn rather than loaded: a box shows it on every desktop,
// whatever icon theme is installed, and starts no image loader for it.
//
// MEND gdk-pixbuf-glycin-loader
// library: gdk-pixbuf 2.44 (glycin), Debian testing
// upstream: none: glycin runs its loaders in a sandbox by design
// goes when: never: a drawn icon needs no loader at all
// gdk-pixbuf 2.44 loads every image through glycin, which warns on the terminal and shows
// nothing where its sandbox cannot run.
#pragma once

#include "platform/dialog/box.h"

#include <gtk/gtk.h>

namespace zelmvik::dialog {

// A widget that draws the icon at the size of a dialog's icons (48 px at scale 1).
GtkWidget *make_icon(BoxIcon icon);

} // namespace zelmvik::dialog
