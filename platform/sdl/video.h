// SDL's video, started on first need, and where the layer's screen positions lie on SDL's
// desktop.
#pragma once

#include "platform/dialog/waiting_work.h"
#include "platform/windows_names.h"

#include <SDL.h>

namespace zelmvik {

// Starts SDL's video subsystem on first need; false when no display can be opened.
bool video();

// What a message box does while it waits for its answer: it starts the video, the GL driver
// and the fonts, so that the first window costs what any later one does.
dialog::WaitingWork warm_up_while_box_waits();

// The primary monitor, as SDL counts displays (display_modes/outputs.h says which); screen
// positions from Windows' (counted from the primary's corner) to SDL's (counted from the
// desktop's) and back. A Wayland compositor places windows itself: SDL is told only the
// output.
int primary_display();
void box_shown_on(const SDL_Rect &monitor);
SDL_Point to_sdl_position(int x, int y);
POINT from_sdl_position(int x, int y);

} // namespace zelmvik
