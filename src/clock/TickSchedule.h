// When the clock's time tick comes. Shown, the window follows the second: the tick
// comes just after each change of second, so the second hand moves with it. Minimised,
// nothing is drawn and only the minute matters (alarms, the chime, the due list): the
// tick comes just after each change of minute.
#pragma once

#include "common/LocalTime.h"

inline constexpr int kTickDelayMs = 20;       // after the change of second or minute
inline constexpr int kTickLateLimitMs = 200;  // a tick later than this is brought back in step

// The timer period to set after a tick that came at `now`: the whole period (1000 ms, or
// 60000 ms when only minutes are followed) while the ticks come in step, otherwise the
// time to the next change plus the delay, after which the whole period is set again.
// A timer's period is never exact (on Windows it is rounded to the system tick), so
// the ticks drift and are brought back in step every so often.
int NextTickElapse(bool followSeconds, const LocalTime& now);
