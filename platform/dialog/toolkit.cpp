#include "platform/dialog/toolkit.h"

#include <gtk/gtk.h>

#include <cstdlib>

namespace zelmvik::dialog {

bool toolkit_ready() {
    static const bool ready = [] {
        // The program's texts are code page 1252 and its number formats C's own: the process
        // keeps the locale it has.
        gtk_disable_setlocale();
        // A box has no use for the accessibility bus, and where no bus runs GTK would warn
        // about it on every start.
        setenv("NO_AT_BRIDGE", "1", 0);
        return gtk_init_check(nullptr, nullptr) == TRUE;
    }();
    return ready;
}

} // namespace zelmvik::dialog
