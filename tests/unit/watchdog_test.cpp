// What the mode watchdog reads from the program, and how it tells the display's
// configurations apart; and which channels ZELMVIK_TRACE names.
// (GoogleTest first: Xlib's macros would clash with its names.)
#include <gtest/gtest.h>

#include "platform/report/trace.h"
#include "platform/x11/mode_watchdog/protocol.h"
#include "platform/x11/screen_config.h"

using namespace zelmvik;

namespace {

TEST(ModeWatchdog, ReadsWhatTheProgramSaysAndNothingElse) {
    struct Case {
        const char *line;
        bool read;
        int x, width;
    } cases[] = {
        {"switched 1024 0 640 480", true, 1024, 640},
        {"restored", true, 0, 0},
        {"switched 0 0 0 480", false, 0, 0},     // no mode
        {"switched 0 0 640 480 x", false, 0, 0}, // more than a line says
        {"switched 0 0 640", false, 0, 0},
        {"ready", false, 0, 0},
        {"", false, 0, 0},
    };
    for (const Case &c : cases) {
        mode_watchdog::Switched s{7, 7, 7, 7};
        EXPECT_EQ(mode_watchdog::read_program_line(c.line, &s), c.read) << c.line;
        if (c.read) {
            EXPECT_EQ(s.x, c.x) << c.line;
            EXPECT_EQ(s.width, c.width) << c.line;
        }
    }
    mode_watchdog::Switched back;
    ASSERT_TRUE(
        mode_watchdog::read_program_line(mode_watchdog::switched({-5, 3, 800, 600}), &back));
    EXPECT_EQ(back.x, -5);
    EXPECT_EQ(back.height, 600);
}

TEST(ScreenConfig, TheSameIsEveryCrtcAndTheScreenAndThePrimary) {
    const ScreenConfig desktop{
        2048,
        768,
        500,
        200,
        {{1, 10, 0, 0, 1024, 768, RR_Rotate_0, {5}}, {2, 11, 1024, 0, 1024, 768, RR_Rotate_0, {6}}},
        6};
    ScreenConfig other = desktop;
    EXPECT_TRUE(same_screen_config(desktop, other));
    other.crtcs[1].mode = 12; // switched
    EXPECT_FALSE(same_screen_config(desktop, other));
    EXPECT_TRUE(shows_mode_at(desktop, 1024, 0, 1024, 768));
    EXPECT_FALSE(shows_mode_at(desktop, 1024, 0, 640, 480));
    other = desktop;
    other.primary = 5;
    EXPECT_FALSE(same_screen_config(desktop, other));
    other = desktop;
    other.width = 1024;
    EXPECT_FALSE(same_screen_config(desktop, other));
    other = desktop;
    other.crtcs[0].mode = None; // an output off shows no mode
    EXPECT_FALSE(shows_mode_at(other, 0, 0, 1024, 768));
}

TEST(Trace, ChannelsByNameOrAll) {
    auto bit = [](Channel c) { return 1u << static_cast<unsigned>(c); };
    EXPECT_EQ(traced_channels(nullptr), 0u);
    EXPECT_EQ(traced_channels(""), 0u);
    EXPECT_EQ(traced_channels("modes"), bit(Channel::modes));
    EXPECT_EQ(traced_channels("modes,boxes"), bit(Channel::modes) | bit(Channel::boxes));
    EXPECT_EQ(traced_channels("windows,nonsense,,gl"), bit(Channel::windows) | bit(Channel::gl));
    EXPECT_EQ(traced_channels("all"), bit(Channel::display) | bit(Channel::modes) |
                                          bit(Channel::windows) | bit(Channel::boxes) |
                                          bit(Channel::gl));
}

} // namespace
