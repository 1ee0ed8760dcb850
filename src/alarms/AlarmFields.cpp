#include "alarms/AlarmFields.h"

FieldParts SplitAtFirst(std::wstring_view field, wchar_t separator) {
    const std::size_t pos = field.find(separator);
    if (pos == std::wstring_view::npos) {
        return {std::wstring_view{}, field};
    }
    return {field.substr(0, pos), field.substr(pos + 1)};
}

int MonthOf(const AlarmEntry& entry) {
    return ReadDecimalPrefix(SplitAtFirst(entry.DateDetail, kDateSeparator).Before);
}

int DayOf(const AlarmEntry& entry) { return ReadDecimalPrefix(SplitAtFirst(entry.DateDetail, kDateSeparator).After); }

int HourOf(const AlarmEntry& entry) { return ReadDecimalPrefix(SplitAtFirst(entry.TimeDetail, kTimeSeparator).Before); }

int MinuteOf(const AlarmEntry& entry) {
    return ReadDecimalPrefix(SplitAtFirst(entry.TimeDetail, kTimeSeparator).After);
}
