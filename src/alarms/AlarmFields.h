// Numbers inside the text fields of an alarm.
#pragma once

#include <string_view>

#include "content/AlarmEntry.h"
#include "content/DecimalText.h"

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
