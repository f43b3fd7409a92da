// Work that the caller of a box has done while the box waits for its answer: a box only runs
// it, knowing nothing of what it is.
#pragma once

namespace zelmvik::dialog {

struct WaitingWork {
    // Called as the box is about to show.
    void (*box_opened)();
    // One short piece of the work, run on the box's thread once the box is on screen and
    // between its events; returns false when nothing is left to do.
    bool (*step)();
    // Called when the box has gone, whether or not the steps were finished.
    void (*box_closed)();
};

} // namespace zelmvik::dialog
