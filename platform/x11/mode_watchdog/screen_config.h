// The RandR configuration of a screen: its size and what each CRTC shows.
#pragma once

#include <X11/Xlib.h>
#include <X11/extensions/Xrandr.h>

#include <vector>

namespace zelmvik {

struct CrtcConfig {
    RRCrtc crtc;
    RRMode mode; // None when the CRTC is off
    int x, y;
    unsigned width, height;
    Rotation rotation;
    std::vector<RROutput> outputs;
};

struct ScreenConfig {
    int width, height, mm_width, mm_height;
    std::vector<CrtcConfig> crtcs;
};

// False when the display has no RandR 1.2 or its resources cannot be read.
bool read_screen_config(Display *display, ScreenConfig *config);

// Whether some CRTC shows a mode of this size.
bool shows_size(const ScreenConfig &config, int width, int height);

// Puts every CRTC and the screen size back as they were in `config`.
void restore_screen_config(Display *display, const ScreenConfig &config);

} // namespace zelmvik
