#include "common/LocalTime.h"

#include <chrono>

namespace {

constexpr long long kMinutesPerDay = 24 * 60;

// Whole days and the minutes into the last one, rounding toward the past.
long long FloorDiv(long long value, long long divisor) { return value / divisor - (value % divisor < 0 ? 1 : 0); }

}  // namespace

long long MinuteNumber(const LocalTime& time) {
    using namespace std::chrono;
    const sys_days date =
        year{time.year} / month{static_cast<unsigned>(time.month)} / day{static_cast<unsigned>(time.day)};
    return static_cast<long long>(date.time_since_epoch().count()) * kMinutesPerDay + time.hour * 60LL + time.minute;
}

LocalTime TimeAtMinuteNumber(long long minuteNumber) {
    using namespace std::chrono;
    const long long days = FloorDiv(minuteNumber, kMinutesPerDay);
    const long long minuteOfDay = minuteNumber - days * kMinutesPerDay;
    const sys_days date{std::chrono::days{days}};
    const year_month_day ymd{date};
    LocalTime time;
    time.year = static_cast<int>(ymd.year());
    time.month = static_cast<int>(static_cast<unsigned>(ymd.month()));
    time.day = static_cast<int>(static_cast<unsigned>(ymd.day()));
    time.weekday = static_cast<int>(weekday{date}.c_encoding());
    time.hour = static_cast<int>(minuteOfDay / 60);
    time.minute = static_cast<int>(minuteOfDay % 60);
    return time;
}
