#include "alarms/AlarmRules.h"

#include <algorithm>

#include "alarms/AlarmFields.h"

namespace {

LocalDateHour DateHourOf(const LocalTime& time) { return {time.month, time.day, time.weekday, time.hour}; }

// The latest minute number in [first, end) at which the entry falls due: the hours of the
// span from the last one back, each with its own date.
std::optional<long long> LatestDueMinute(const AlarmEntry& entry, long long first, long long end) {
    const std::optional<int> minute = DueMinuteOf(entry);
    if (!minute || *minute < 0 || *minute > 59) {
        return std::nullopt;
    }
    const long long lastMinute = end - 1;
    for (long long hourStart = lastMinute - (lastMinute % 60 + 60) % 60; hourStart + 59 >= first; hourStart -= 60) {
        const long long due = hourStart + *minute;
        if (due >= first && due < end && IsDueThisHour(entry, DateHourOf(TimeAtMinuteNumber(hourStart)))) {
            return due;
        }
    }
    return std::nullopt;
}

}  // namespace

bool IsDateDue(const AlarmEntry& entry, const LocalDateHour& now) {
    if (entry.DateUnit == kDateUnitYearly) {
        return MonthOf(entry) == now.Month && DayOf(entry) == now.Day;
    }
    if (entry.DateUnit == kDateUnitMonthly) {
        return ReadDecimalPrefix(entry.DateDetail) == now.Day;
    }
    if (entry.DateUnit == kDateUnitWeekly) {
        return ReadDecimalPrefix(entry.DateDetail) == now.Weekday;
    }
    return entry.DateUnit == kDateUnitDaily;
}

bool IsDueThisHour(const AlarmEntry& entry, const LocalDateHour& now) {
    if (!IsDateDue(entry, now)) {
        return false;
    }
    if (entry.TimeUnit == kTimeUnitAtTime) {
        return HourOf(entry) == now.Hour;
    }
    return entry.TimeUnit == kTimeUnitHourly;
}

std::optional<int> DueMinuteOf(const AlarmEntry& entry) {
    if (entry.TimeUnit == kTimeUnitAtTime) {
        return MinuteOf(entry);
    }
    if (entry.TimeUnit == kTimeUnitHourly) {
        return ReadDecimalPrefix(entry.TimeDetail);
    }
    return std::nullopt;
}

AlarmList SelectDueThisHour(const AlarmList& all, const LocalDateHour& now) {
    AlarmList due;
    for (const AlarmEntry& entry : all) {
        if (IsDueThisHour(entry, now)) {
            due.Append(entry);
        }
    }
    return due;
}

AlarmList SelectDueThisMinute(const AlarmList& due, int minute) {
    AlarmList firing;
    for (const AlarmEntry& entry : due) {
        if (DueMinuteOf(entry) == minute) {
            firing.Append(entry);
        }
    }
    return firing;
}

std::vector<MissedAlarm> SelectMissed(const AlarmList& all, const LocalTime& last, const LocalTime& now) {
    const long long end = MinuteNumber(now);
    const long long first = std::max(MinuteNumber(last) + 1, end - kMissedLookBackMinutes + 1);
    std::vector<std::pair<long long, const AlarmEntry*>> found;
    for (const AlarmEntry& entry : all) {
        if (std::optional<long long> due = LatestDueMinute(entry, first, end)) {
            found.emplace_back(*due, &entry);
        }
    }
    std::stable_sort(found.begin(), found.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<MissedAlarm> missed;
    for (const auto& [due, entry] : found) {
        missed.push_back({*entry, TimeAtMinuteNumber(due)});
    }
    return missed;
}
