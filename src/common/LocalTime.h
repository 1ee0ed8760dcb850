// A reading of the local clock, as the clock window uses it.
#pragma once

struct LocalTime {
    int year = 2000;
    int month = 1;    // 1-12
    int day = 1;      // 1-31
    int weekday = 6;  // 0 = Sunday ... 6 = Saturday
    int hour = 0;     // 0-23
    int minute = 0;
    int second = 0;
    int millisecond = 0;  // 0-999

    int Hour12() const { return hour % 12; }
};

// The minutes from 1970-01-01 00:00 to the time's minute, on the same local clock: what
// counts the minutes between two readings across days, months and years.
long long MinuteNumber(const LocalTime& time);

// The local time of a minute number, its weekday from the calendar; seconds 0.
LocalTime TimeAtMinuteNumber(long long minuteNumber);
