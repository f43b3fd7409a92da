// The layer's OpenGL: the pixel formats it offers, and how frames are presented.
#pragma once

#include "platform/sdl/layer.h"

namespace zelmvik {

// The pixel formats the layer offers, numbered from 1 as ChoosePixelFormat returns them.
const PixelFormat *pixel_format(int index);

// Asks the driver to wait for the display's refresh when the window's frames are presented,
// as WGL's default swap interval of 1 does. It follows every make-current: SDL 2 (2.26, 2.32)
// resets the interval there; SDL 3 keeps it, and asking again changes nothing (its sessions
// keep the display's pace with it too).
void take_swap_interval(Window &w);

// Keeps Mesa's driver loaded to the end of the process (sanitized builds; else nothing).
void keep_gl_driver_loaded();

} // namespace zelmvik
