// Which display mode answers a program's request: the policy, with no library in it. The
// layer lists the display's modes (change_display_settings.cpp) and shows the one chosen.
#pragma once

#include "platform/windows_names.h"

#include <vector>

namespace zelmvik::display_modes {

// A display mode as a display lists it; bits per pixel as Windows counts them (a 24-bit
// visual is stored in 32-bit pixels).
struct Mode {
    int width, height, bits, refresh;
};

// The first of the listed modes that has every field the request names (DM_PELSWIDTH,
// DM_PELSHEIGHT, DM_BITSPERPEL, DM_DISPLAYFREQUENCY); -1 where none has. A shallower colour
// depth than a mode's own is granted by it, as Windows emulates 8- and 16-bit colour on
// deeper displays; a frequency of 0 or 1 is the hardware's default, as on Windows. Where
// `shape` is given, modes out of its proportion are passed over.
int choose(const DEVMODEA &request, const std::vector<Mode> &listed, const Mode *shape);

// Whether a mode would be shown out of its proportion over the whole of an output of
// `output`'s size: by more than half a percent, which a scaled output's rounded size may be.
bool out_of_proportion(const Mode &mode, const Mode &output);

// Whether the desktop's own mode can show the request scaled, as Windows' GPU scaling shows a
// smaller mode on a panel: every field the request names is within the desktop's (no larger,
// no deeper, the frequency the default or the desktop's own).
bool shown_scaled_by(const DEVMODEA &request, const Mode &desktop);

} // namespace zelmvik::display_modes
