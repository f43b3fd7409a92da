// Work the rest of the layer does while a message box waits for its answer. The box itself
// knows nothing of it: whoever has such work registers it once.
#pragma once

namespace zelmvik::dialog {

struct WaitingWork {
    // Called as each box is about to show.
    void (*box_opened)();
    // One short piece of the work, run on the box's thread once the box is on screen and
    // between its events; returns false when nothing is left to do.
    bool (*step)();
    // Called when the box has gone, whether or not the steps were finished.
    void (*box_closed)();
};

void set_waiting_work(const WaitingWork &work);

} // namespace zelmvik::dialog
