// When alarms fire: the hourly selection of the due list and the minute check.
#pragma once

#include <optional>
#include <vector>

#include "common/LocalTime.h"
#include "content/AlarmEntry.h"

// The local date and hour that the hourly selection is made for.
struct LocalDateHour {
    int Month = 1;    // 1-12
    int Day = 1;      // 1-31
    int Weekday = 0;  // 0 = Sunday ... 6 = Saturday
    int Hour = 0;     // 0-23
};

// The date rule of the entry holds on this date.
bool IsDateDue(const AlarmEntry& entry, const LocalDateHour& now);

// The entry can fire within this hour of this date.
bool IsDueThisHour(const AlarmEntry& entry, const LocalDateHour& now);

// The minute at which the entry fires within a due hour; nullopt when its
// time unit is unknown (it never fires).
std::optional<int> DueMinuteOf(const AlarmEntry& entry);

// Copies of the entries that can fire within this hour, in list order.
AlarmList SelectDueThisHour(const AlarmList& all, const LocalDateHour& now);

// Copies of the due entries that fire in this minute, in list order. The
// caller runs it only on the first tick of a new minute.
AlarmList SelectDueThisMinute(const AlarmList& due, int minute);

// How far back the tick makes up for minutes it did not see (sleep, a stopped process).
inline constexpr long long kMissedLookBackMinutes = 24 * 60;

struct MissedAlarm {
    AlarmEntry entry;
    LocalTime due;  // the latest minute it fell due in the span
};

// The alarms that fell due after `last` and before `now` (both minutes exclusive: the
// tick handled the one and handles the other itself), looking back less than a day from
// `now`. Each entry comes once, with its latest due minute, in the order they fell due
// (list order within a minute).
std::vector<MissedAlarm> SelectMissed(const AlarmList& all, const LocalTime& last, const LocalTime& now);
