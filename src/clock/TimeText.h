// The clock's digital time texts: "<designator> hh:mm[:ss]" on a 12-hour clock.
#pragma once
#include <functional>
#include <string>
#include <vector>

#include "common/LocalTime.h"

struct DayPeriodWords {
    std::wstring morning = L"AM";
    std::wstring afternoon = L"PM";
};

// The label text, e.g. "午後 03:04:05", or "午後 03:04" without seconds.
std::wstring FormatTimeText(const LocalTime& time, bool withSeconds, const DayPeriodWords& words);
// Every kind of text the label shows (both words, with and without seconds), each at
// its widest (two-digit fields).
std::vector<std::wstring> LabelTextSamples(const DayPeriodWords& words);

// The largest font height from `largest` down to `smallest` at which `widestAt(height)`,
// the width of the widest text in that font, is at most `width`; `smallest` when none is.
int FittingFontHeight(int largest, int smallest, int width, const std::function<int(int height)>& widestAt);

// The tooltip text: the time, " - ", and the name of the illustration shown.
std::wstring FormatTooltipText(const LocalTime& time, bool withSeconds, const DayPeriodWords& words,
                               const std::wstring& illustrationName);
// The note of an alarm opened late: "10:05 の予定" on the day of `now`, "12/6 23:50 の予定"
// for an earlier day.
std::wstring FormatLateNote(const LocalTime& due, const LocalTime& now);
