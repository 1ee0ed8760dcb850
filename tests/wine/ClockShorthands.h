// Short forms of what the clock's tests write again and again: a world with profile
// entries, the time set, and the clock window's snapshot.
#pragma once
#include <initializer_list>
#include <utility>

#include "ClockTestSupport.h"
#include "clock/CClockDialog.h"

// The world with these profile entries written, for a clock to start in.
inline TestWorld& With(TestWorld& world, std::initializer_list<std::pair<const wchar_t*, const wchar_t*>> profile) {
    for (auto [key, value] : profile) world.WriteProfile(key, value);
    return world;
}

// Sets the world's time; a second of -1 leaves the second as it was.
inline void SetTime(TestWorld& world, int hour, int minute, int second = -1) {
    world.time.hour = hour;
    world.time.minute = minute;
    if (second >= 0) world.time.second = second;
}

inline ClockSnapshot Shot(const RunningClock& clock) { return clock.Dialog()->Snapshot(); }
