#include "platform/sdl/display_settings.h"
#include "platform/x11/screen_config.h"

#include <memory>

// MEND sdl-x11-mode-sets-screen-size
// library: SDL 2.26 (X11)
// upstream: libsdl-org/SDL#4561; SDL's src/video/x11/SDL_x11modes.c (main, 2025) still sets the
//   screen to the mode's size in X11_SetDisplayMode, and carries on past the X server's refusal
// goes when: every SDL the layer runs on switches one output's mode alone
// SDL sets the size of the whole X screen to the mode's as it switches an output, which the
// X server refuses while other outputs lie outside it, and takes in part as the output's own
// mode comes back: with the primary right of another output, the primary is left off then. So
// the screen's configuration is noted before each switch, and put back as it was where SDL
// leaves it otherwise when the desktop's mode comes back.
namespace zelmvik {

namespace {

struct DisplayCloser {
    void operator()(Display *d) const { XCloseDisplay(d); }
};

// A connection of its own, for RandR alone; opened with the first switch.
struct DesktopConfig {
    std::unique_ptr<Display, DisplayCloser> display;
    ScreenConfig noted{};
    bool kept = false;
};
DesktopConfig desktop;

} // namespace

void note_desktop_config() {
    if (!native::on_x11())
        return;
    if (!desktop.display)
        desktop.display.reset(XOpenDisplay(nullptr));
    desktop.kept = desktop.display && read_screen_config(desktop.display.get(), &desktop.noted);
}

void put_back_desktop_config() {
    if (!desktop.kept)
        return;
    desktop.kept = false;
    ScreenConfig now;
    if (read_screen_config(desktop.display.get(), &now) && !same_screen_config(now, desktop.noted))
        restore_screen_config(desktop.display.get(), desktop.noted);
}

} // namespace zelmvik
