#include "clock/TimeText.h"

namespace {

std::wstring TwoDigits(int value) {
    value = ((value % 100) + 100) % 100;
    return std::wstring{static_cast<wchar_t>(L'0' + value / 10), static_cast<wchar_t>(L'0' + value % 10)};
}

}  // namespace

std::wstring FormatTimeText(const LocalTime& time, bool withSeconds, const DayPeriodWords& words) {
    int hour12 = time.hour % 12 == 0 ? 12 : time.hour % 12;
    std::wstring text =
        (time.hour < 12 ? words.morning : words.afternoon) + L" " + TwoDigits(hour12) + L":" + TwoDigits(time.minute);
    if (withSeconds) text += L":" + TwoDigits(time.second);
    return text;
}

std::vector<std::wstring> LabelTextSamples(const DayPeriodWords& words) {
    std::vector<std::wstring> samples;
    for (int hour : {11, 23}) {
        const LocalTime late{2000, 1, 1, 6, hour, 58, 58, 0};
        for (bool withSeconds : {true, false}) samples.push_back(FormatTimeText(late, withSeconds, words));
    }
    return samples;
}

int FittingFontHeight(int largest, int smallest, int width, const std::function<int(int height)>& widestAt) {
    for (int height = largest; height > smallest; --height)
        if (widestAt(height) <= width) return height;
    return smallest;
}

std::wstring FormatTooltipText(const LocalTime& time, bool withSeconds, const DayPeriodWords& words,
                               const std::wstring& illustrationName) {
    return FormatTimeText(time, withSeconds, words) + L" - " + illustrationName;
}

std::wstring FormatLateNote(const LocalTime& due, const LocalTime& now) {
    std::wstring text = std::to_wstring(due.hour) + L":" + TwoDigits(due.minute) + L" の予定";
    const bool sameDay = due.year == now.year && due.month == now.month && due.day == now.day;
    return sameDay ? text : std::to_wstring(due.month) + L"/" + std::to_wstring(due.day) + L" " + text;
}
