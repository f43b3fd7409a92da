#include "platform/dialog/toolkit.h"
#include "platform/x11/lost_display.h"

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
        if (!gtk_init_check(nullptr, nullptr))
            return false;
        // GDK has just put its own handler of a lost display in place of ours; its handler
        // prints a paragraph where one line says it all.
        end_process_on_lost_display();
        return true;
    }();
    return ready;
}

} // namespace zelmvik::dialog

#ifdef ZELMVIK_SANITIZED
// Sanitized builds only. Pango keeps fontconfig patterns for the life of the process where
// LeakSanitizer cannot see them, and fontconfig's frames give no caller to tell them apart.
extern "C" const char *__lsan_default_suppressions() {
    return "leak:libfontconfig.so\n";
}
// A normal run prints nothing, and neither does the list of what was suppressed.
extern "C" const char *__lsan_default_options() {
    return "print_suppressions=0";
}
#endif
