// One modal box on GTK, described without any Windows type.
#pragma once

#include "platform/dialog/waiting_work.h"

#include <string>

namespace zelmvik::dialog {

// The picture left of the text, as Windows has one for each MB_ICON style.
enum class BoxIcon { none, error, question, warning, information };

struct BoxButton {
    const char *label; // "_Yes": the letter after the underscore is its mnemonic
    int answer;
};

struct Box {
    std::string caption, text; // UTF-8
    BoxIcon icon;
    const BoxButton *buttons; // left to right; the first answers Return
    int count;
    int escape; // the answer of Esc and of the window manager's close; 0: they answer nothing
};

// Where a box was shown: the area of its monitor, in the desktop's units; empty where the
// toolkit could not tell.
struct MonitorArea {
    int x = 0, y = 0, width = 0, height = 0;
};

// The answer, with `work` done while the box waits for it, and the monitor the box was on;
// false when no display can be opened.
bool run_box(const Box &box, const WaitingWork &work, int *answer, MonitorArea *shown_on);

} // namespace zelmvik::dialog
