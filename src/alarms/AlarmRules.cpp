#include "alarms/AlarmRules.h"

#include "alarms/AlarmFields.h"

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
