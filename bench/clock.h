// Wall-clock time for the measurements.
#pragma once

#include <chrono>

namespace bench {

using Clock = std::chrono::steady_clock;

inline double seconds_between(Clock::time_point from, Clock::time_point to) {
    return std::chrono::duration<double>(to - from).count();
}

} // namespace bench
