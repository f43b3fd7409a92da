// Which output is the primary, and where a Windows position lies on the desktop: the policy,
// with no library in it.
#pragma once

#include <vector>

namespace zelmvik::display_modes {

struct Area {
    int x, y, width, height;
};
struct Point {
    int x, y;
};

// The primary among the outputs, in SDL's order. X11 has one, which SDL lists first (RandR's
// primary output, or where none is set the first in RandR's order). Wayland has none: there
// the output the last box was shown on stands for it (where the person is looking, and where
// the compositor puts what comes next); the first output where no box has told.
//
// MEND sdl3-wayland-output-size-in-pixels
// library: SDL 3.2, 3.4 under sdl2-compat (Wayland, scaled outputs)
// upstream: none: SDL 3 documents display bounds in pixels with a separate scale
// goes when: never, while GTK and SDL count outputs in other units
// The box's output is found by its corner alone: SDL 3 gives a scaled output's size in
// pixels, its place in the desktop's units as GTK does.
int primary_output(const std::vector<Area> &outputs, bool wayland, const Area *last_box);

// Windows counts screen positions from the top-left corner of the primary monitor; the
// desktop (X11's screen, SDL) from its own top-left, on which the primary may lie anywhere.
Point to_desktop(Point windows, Point primary_corner);
Point from_desktop(Point desktop, Point primary_corner);

} // namespace zelmvik::display_modes
