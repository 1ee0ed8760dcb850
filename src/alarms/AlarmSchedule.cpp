#include "alarms/AlarmSchedule.h"

#include <array>
#include <string_view>

#include "alarms/AlarmFields.h"

namespace {

constexpr std::array<std::wstring_view, 7> kWeeklyTexts = {
    L"毎週日曜日", L"毎週月曜日", L"毎週火曜日", L"毎週水曜日", L"毎週木曜日", L"毎週金曜日", L"毎週土曜日",
};

std::wstring Join(std::wstring_view a, std::wstring_view b, std::wstring_view c, std::wstring_view d) {
    std::wstring text;
    text.reserve(a.size() + b.size() + c.size() + d.size());
    text.append(a).append(b).append(c).append(d);
    return text;
}

std::wstring FormatDatePart(const AlarmEntry& entry) {
    if (entry.DateUnit == kDateUnitYearly) {
        const FieldParts parts = SplitAtFirst(entry.DateDetail, kDateSeparator);
        return Join(parts.Before, L"月", parts.After, L"日");
    }
    if (entry.DateUnit == kDateUnitMonthly) {
        return Join(L"毎月", entry.DateDetail, L"日", L"");
    }
    if (entry.DateUnit == kDateUnitWeekly) {
        const int weekday = ReadDecimalPrefix(entry.DateDetail);
        if (weekday < 0 || weekday >= static_cast<int>(kWeeklyTexts.size())) {
            return {};
        }
        return std::wstring(kWeeklyTexts[static_cast<std::size_t>(weekday)]);
    }
    if (entry.DateUnit == kDateUnitDaily) {
        return std::wstring(kDateUnitDaily);
    }
    return {};
}

std::wstring FormatTimePart(const AlarmEntry& entry) {
    if (entry.TimeUnit == kTimeUnitAtTime) {
        const FieldParts parts = SplitAtFirst(entry.TimeDetail, kTimeSeparator);
        return Join(parts.Before, L"時", parts.After, L"分");
    }
    if (entry.TimeUnit == kTimeUnitHourly) {
        return Join(L"毎時", entry.TimeDetail, L"分", L"");
    }
    return {};
}

}  // namespace

std::wstring FormatSchedule(const AlarmEntry& entry) {
    if (entry.DateUnit == kDateUnitDaily && entry.TimeUnit == kTimeUnitHourly) {
        return FormatTimePart(entry);
    }
    return FormatDatePart(entry) + FormatTimePart(entry);
}
