// One modal box on GTK, described without any Windows type.
#pragma once

#include "platform/dialog/waiting_work.h"

#include <string>

namespace zelmvik::dialog {

// The picture left of the text, as Windows has one for each MB_ICON style.
enum class BoxIcon { none, error, question, warning, information };

struct BoxButton {
    const char *label; // GTK's own "_Yes": shown in the person's language, the letter after
                       // the underscore its mnemonic
    int answer;
};

struct Box {
    std::string caption, text; // UTF-8
    BoxIcon icon;
    const BoxButton *buttons; // left to right; the first is the default, with the focus first
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

// Between boxes: answers at once whatever the toolkit's connections bring (a screen reader's
// question, a paste of what a box copied). Costs a look at its connections when nothing
// came; does nothing before the first box.
void serve_toolkit();

} // namespace zelmvik::dialog
