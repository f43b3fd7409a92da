// When frames are presented where the layer paces them: times on a clock the test keeps.
#include "platform/pacing/pacer.h"

#include <gtest/gtest.h>

using zelmvik::pacing::Pacer;
using zelmvik::pacing::present_time;
using zelmvik::pacing::refresh_period;

namespace {

const int64_t period = 16666666; // 60 Hz
const int64_t start = 5000000000;

TEST(Pacer, FirstFrameAtOnceThenOnePerRefreshInPhase) {
    Pacer p;
    EXPECT_EQ(present_time(p, start, period), start);
    // Frames that are ready early, at any moment of a period, wait for the next refresh of
    // the grid the first frame set.
    EXPECT_EQ(present_time(p, start + 1000, period), start + period);
    EXPECT_EQ(present_time(p, start + period + 9000000, period), start + 2 * period);
    EXPECT_EQ(present_time(p, start + 2 * period, period), start + 3 * period);
    // One exactly on its refresh goes then.
    EXPECT_EQ(present_time(p, start + 4 * period, period), start + 4 * period);
}

TEST(Pacer, LateFrameAtOnceSkippingMissedRefreshesAndTheNextKeepsPhase) {
    Pacer p;
    present_time(p, start, period);
    // Due at start + period, ready 2.5 periods later: no waiting, and no catching up.
    const int64_t late = start + period + 5 * period / 2;
    EXPECT_EQ(present_time(p, late, period), late);
    // The next refresh after it, not a period after the late frame.
    EXPECT_EQ(present_time(p, late + 1000, period), start + 4 * period);
    EXPECT_EQ(present_time(p, late + 2000, period), start + 5 * period);
    // A frame one tick late is late too.
    EXPECT_EQ(present_time(p, start + 6 * period + 1, period), start + 6 * period + 1);
    EXPECT_EQ(present_time(p, start + 6 * period + 2, period), start + 7 * period);
}

TEST(Pacer, EachWindowHasItsOwnGridAndADisplayWithoutARateIsSixtyHertz) {
    Pacer first, second;
    present_time(first, start, period);
    EXPECT_EQ(present_time(second, start + 7000000, period), start + 7000000);
    EXPECT_EQ(present_time(second, start + 8000000, period), start + 7000000 + period);

    EXPECT_EQ(refresh_period(0), period);
    EXPECT_EQ(refresh_period(-1), period);
    EXPECT_EQ(refresh_period(75), 13333333);
    EXPECT_EQ(refresh_period(144), 6944444);
}

} // namespace
