#include "clock/TickSchedule.h"

int NextTickElapse(bool followSeconds, const LocalTime& now) {
    const int period = followSeconds ? 1000 : 60000;
    const int late = followSeconds ? now.millisecond : now.second * 1000 + now.millisecond;
    return late < kTickLateLimitMs ? period : period - late + kTickDelayMs;
}
