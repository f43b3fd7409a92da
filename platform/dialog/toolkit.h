// GTK, started once for the process's message boxes.
#pragma once

namespace zelmvik::dialog {

// True when GTK runs on a display; false (for good) when none could be opened.
bool toolkit_ready();

} // namespace zelmvik::dialog
