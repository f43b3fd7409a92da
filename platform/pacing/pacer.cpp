#include "platform/pacing/pacer.h"

namespace zelmvik::pacing {

int64_t refresh_period(int hz) {
    return 1000000000 / (hz > 0 ? hz : 60);
}

int64_t present_time(Pacer &pacer, int64_t now, int64_t period) {
    if (!pacer.started) {
        pacer.started = true;
        pacer.next = now + period;
        return now;
    }
    if (now <= pacer.next) {
        const int64_t at = pacer.next;
        pacer.next += period;
        return at;
    }
    const int64_t missed = (now - pacer.next) / period + 1;
    pacer.next += missed * period;
    return now;
}

} // namespace zelmvik::pacing
