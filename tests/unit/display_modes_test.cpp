// Which display mode answers a request, which output is the primary, where a Windows position
// lies on the desktop; and whether an XWayland leaves a scaled desktop's scaling to programs.
#include "platform/backend/choice.h"
#include "platform/sdl/display_modes/modes.h"
#include "platform/sdl/display_modes/outputs.h"

#include <gtest/gtest.h>

#include <vector>

using namespace zelmvik::display_modes;

namespace {

DEVMODEA request(DWORD fields, DWORD width, DWORD height, DWORD bits, DWORD hz = 0) {
    DEVMODEA dm{};
    dm.dmFields = fields;
    dm.dmPelsWidth = width;
    dm.dmPelsHeight = height;
    dm.dmBitsPerPel = bits;
    dm.dmDisplayFrequency = hz;
    return dm;
}

const DWORD size_and_bits = DM_PELSWIDTH | DM_PELSHEIGHT | DM_BITSPERPEL;

TEST(DisplayModes, TheFirstListedModeWithEveryFieldAskedForAnswers) {
    const std::vector<Mode> listed = {
        {1024, 768, 32, 60}, {800, 600, 32, 60}, {640, 480, 32, 75}, {640, 480, 32, 60}};
    struct Case {
        DEVMODEA asked;
        int chosen;
    } cases[] = {
        {request(size_and_bits, 640, 480, 16), 2}, // 16 bits on 32: granted
        {request(size_and_bits | DM_DISPLAYFREQUENCY, 640, 480, 16, 60), 3}, // the rate asked
        {request(size_and_bits | DM_DISPLAYFREQUENCY, 640, 480, 16, 1), 2},  // 1: the default
        {request(size_and_bits, 640, 480, 64), -1},                          // deeper than any
        {request(size_and_bits, 320, 200, 16), -1},                          // not listed
        {request(DM_PELSWIDTH, 800, 0, 0), 1},                               // only what is named
        {request(0, 0, 0, 0), 0},
    };
    for (const Case &c : cases)
        EXPECT_EQ(choose(c.asked, listed, nullptr), c.chosen)
            << c.asked.dmPelsWidth << "x" << c.asked.dmPelsHeight << "x" << c.asked.dmBitsPerPel;
    EXPECT_EQ(choose(request(size_and_bits, 640, 480, 16), {}, nullptr), -1);
}

TEST(DisplayModes, AModeOfAnotherShapeIsPassedOverWhereOnlyTheOutputsShapeShows) {
    const Mode wide{1920, 1080, 32, 60}, square{1024, 768, 32, 60};
    const std::vector<Mode> listed = {{640, 480, 32, 60}, {1280, 720, 32, 60}};
    EXPECT_EQ(choose(request(size_and_bits, 640, 480, 16), listed, &wide), -1);
    EXPECT_EQ(choose(request(size_and_bits, 1280, 720, 16), listed, &wide), 1);
    EXPECT_EQ(choose(request(size_and_bits, 640, 480, 16), listed, &square), 0);
    // A scaled output's size is rounded: within half a percent is its own shape.
    EXPECT_FALSE(out_of_proportion({640, 480, 32, 60}, {1366, 1025, 32, 60}));
    EXPECT_TRUE(out_of_proportion({640, 480, 32, 60}, {1366, 1030, 32, 60}));
}

TEST(DisplayModes, TheDesktopsModeShowsScaledWhatFitsWithinIt) {
    const Mode desktop{1920, 1080, 32, 60};
    EXPECT_TRUE(shown_scaled_by(request(size_and_bits, 640, 480, 16), desktop));
    EXPECT_TRUE(
        shown_scaled_by(request(size_and_bits | DM_DISPLAYFREQUENCY, 640, 480, 16, 1), desktop));
    EXPECT_FALSE(
        shown_scaled_by(request(size_and_bits | DM_DISPLAYFREQUENCY, 640, 480, 16, 75), desktop));
    EXPECT_FALSE(shown_scaled_by(request(size_and_bits, 2560, 1440, 16), desktop));
    EXPECT_FALSE(shown_scaled_by(request(size_and_bits, 640, 1200, 16), desktop));
    EXPECT_FALSE(shown_scaled_by(request(size_and_bits, 640, 480, 64), desktop));
}

TEST(DisplayModes, ThePrimaryIsSdlsFirstOnX11AndTheLastBoxsOutputOnWayland) {
    const std::vector<Area> outputs = {{0, 0, 1920, 1080}, {1920, 0, 1280, 1024}};
    const Area on_second{1920, 0, 2560, 2048}; // a scaled output: same corner, other units
    const Area nowhere{5000, 0, 100, 100};
    EXPECT_EQ(primary_output(outputs, false, &on_second), 0);
    EXPECT_EQ(primary_output(outputs, true, &on_second), 1);
    EXPECT_EQ(primary_output(outputs, true, &nowhere), 0);
    EXPECT_EQ(primary_output(outputs, true, nullptr), 0);
    const Point corner{1024, 0};
    EXPECT_EQ(to_desktop({0, 0}, corner).x, 1024);
    EXPECT_EQ(to_desktop({10, 20}, corner).y, 20);
    Point back = from_desktop(to_desktop({-30, 40}, corner), corner);
    EXPECT_EQ(back.x, -30);
    EXPECT_EQ(back.y, 40);
}

TEST(Backend, AnXWaylandWithTheOutputsOwnPixelsLeavesScalingToItsPrograms) {
    zelmvik::WaylandCompositor scaled{3840LL * 2160, 2}, unscaled{1920LL * 1080, 1};
    EXPECT_TRUE(zelmvik::backend::leaves_scaling_to_programs(3840LL * 2160, scaled));
    EXPECT_FALSE(zelmvik::backend::leaves_scaling_to_programs(1920LL * 1080, scaled));
    EXPECT_FALSE(zelmvik::backend::leaves_scaling_to_programs(1920LL * 1080, unscaled));
}

} // namespace
