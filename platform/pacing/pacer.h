// Frames presented at most once per refresh of a display, as a driver that waits for the
// vertical blank presents them: the arithmetic alone, on times in nanoseconds of any
// monotonic clock.
#pragma once

#include <cstdint>

namespace zelmvik::pacing {

// One window's refreshes: a grid of times one period apart, set by its first frame.
struct Pacer {
    bool started = false;
    int64_t next = 0; // the first refresh at which no frame has been presented yet
};

// The time between refreshes of a display with the given rate in Hz; 60 Hz where the display
// reports none (0, as Xvfb does).
int64_t refresh_period(int hz);

// When a frame that is ready at `now` is presented: at once for the window's first frame and
// for a late one, else at the next refresh. A late frame skips the refreshes it missed and
// the grid keeps its phase, so lateness is never passed on to the next frame.
int64_t present_time(Pacer &pacer, int64_t now, int64_t period);

} // namespace zelmvik::pacing
