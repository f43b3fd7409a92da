// The RandR configuration of a screen: its size, what each CRTC shows, and which output is the
// primary.
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
    RROutput primary; // None when no output is
};

// False when the display has no RandR 1.2 or its resources cannot be read.
bool read_screen_config(Display *display, ScreenConfig *config);

// Whether two configurations have the same screen size, CRTCs and primary output.
bool same_screen_config(const ScreenConfig &a, const ScreenConfig &b);

// Whether the CRTC whose top-left corner is at (x, y) shows a mode of this size.
bool shows_mode_at(const ScreenConfig &config, int x, int y, int width, int height);

// Puts every CRTC, the screen size and the primary output back as they were in `config`.
void restore_screen_config(Display *display, const ScreenConfig &config);

} // namespace zelmvik
