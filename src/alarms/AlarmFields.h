// Numbers inside the text fields of an alarm.
#pragma once

#include <string_view>

#include "alarms/AlarmEntry.h"

// The value of a decimal prefix: leading blanks skipped, an optional sign, the
// leading digits; 0 when there are no digits. Values beyond the range of int
// saturate at INT_MIN / INT_MAX.
int ReadDecimalPrefix(std::wstring_view text);

// A field cut at the first separator. Without the separator the part before
// is empty and the part after is the whole field.
struct FieldParts {
    std::wstring_view Before;
    std::wstring_view After;
};
FieldParts SplitAtFirst(std::wstring_view field, wchar_t separator);

inline constexpr wchar_t kDateSeparator = L'/';
inline constexpr wchar_t kTimeSeparator = L':';

// Month and day of a yearly DateDetail ("12/24"), hour and minute of an
// at-time TimeDetail ("18:5").
int MonthOf(const AlarmEntry& entry);
int DayOf(const AlarmEntry& entry);
int HourOf(const AlarmEntry& entry);
int MinuteOf(const AlarmEntry& entry);
