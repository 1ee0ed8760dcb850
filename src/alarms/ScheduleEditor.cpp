#include "alarms/ScheduleEditor.h"

#include <algorithm>
#include <cstddef>

#include "alarms/AlarmFields.h"
#include "alarms/AlarmSchedule.h"
#include "content/DecimalText.h"

namespace {

// The index of the item that equals the text exactly, or kNoSelection.
template <std::size_t N>
int IndexOf(const std::array<std::wstring_view, N>& items, std::wstring_view text) {
    const auto found = std::find(items.begin(), items.end(), text);
    return found == items.end() ? kNoSelection : static_cast<int>(found - items.begin());
}

template <std::size_t N>
int InRangeOrNone(int index) {
    return index >= 0 && index < static_cast<int>(N) ? index : kNoSelection;
}

std::wstring Pair(int first, wchar_t separator, int second) {
    return std::to_wstring(first) + separator + std::to_wstring(second);
}

}  // namespace

void ScheduleEditor::Start(const ScheduleNumbers& now) {
    m_numbers = now;
    m_dateUnit = kDateYearly;
    m_timeUnit = kTimeAtTime;
    m_stored = AlarmEntry{};
    m_withoutNumber = {};
}

void ScheduleEditor::Load(const AlarmEntry& entry, const ScheduleNumbers& now) {
    m_numbers = now;
    m_withoutNumber = {};
    m_stored = AlarmEntry{};
    m_stored.DateUnit = entry.DateUnit;
    m_stored.DateDetail = entry.DateDetail;
    m_stored.TimeUnit = entry.TimeUnit;
    m_stored.TimeDetail = entry.TimeDetail;

    m_dateUnit = IndexOf(kDateUnitItems, entry.DateUnit);
    switch (m_dateUnit) {
    case kDateYearly:
        m_numbers.Month = MonthOf(entry);
        m_numbers.Day = DayOf(entry);
        break;
    case kDateMonthly: m_numbers.Day = ReadDecimalPrefix(entry.DateDetail); break;
    case kDateWeekly: m_numbers.Weekday = ReadDecimalPrefix(entry.DateDetail); break;
    default: break;
    }

    m_timeUnit = IndexOf(kTimeUnitItems, entry.TimeUnit);
    switch (m_timeUnit) {
    case kTimeAtTime:
        m_numbers.Hour = HourOf(entry);
        m_numbers.Minute = MinuteOf(entry);
        break;
    case kTimeHourly: m_numbers.Minute = ReadDecimalPrefix(entry.TimeDetail); break;
    default: break;
    }
}

void ScheduleEditor::SelectDateUnit(int index) {
    m_dateUnit = InRangeOrNone<kDateUnitItems.size()>(index);
    m_withoutNumber = {};
}

void ScheduleEditor::SelectTimeUnit(int index) {
    m_timeUnit = InRangeOrNone<kTimeUnitItems.size()>(index);
    m_withoutNumber = {};
}

const ScheduleEditor::BoxRole* ScheduleEditor::RoleOf(ScheduleBox box) const {
    static constexpr BoxRole kMonth{&ScheduleNumbers::Month, L"月", 1, 12};
    static constexpr BoxRole kDay{&ScheduleNumbers::Day, L"日", 1, 31};
    static constexpr BoxRole kHour{&ScheduleNumbers::Hour, L"時", 0, 23};
    static constexpr BoxRole kMinute{&ScheduleNumbers::Minute, L"分", 0, 59};

    switch (box) {
    case ScheduleBox::DateFirst:
        if (m_dateUnit == kDateYearly) return &kMonth;
        if (m_dateUnit == kDateMonthly) return &kDay;
        return nullptr;
    case ScheduleBox::DateSecond: return m_dateUnit == kDateYearly ? &kDay : nullptr;
    case ScheduleBox::TimeFirst:
        if (m_timeUnit == kTimeAtTime) return &kHour;
        if (m_timeUnit == kTimeHourly) return &kMinute;
        return nullptr;
    case ScheduleBox::TimeSecond: return m_timeUnit == kTimeAtTime ? &kMinute : nullptr;
    }
    return nullptr;
}

NumberBoxView ScheduleEditor::Box(ScheduleBox box) const {
    const BoxRole* role = RoleOf(box);
    if (role == nullptr) {
        return {};
    }
    return {true, role->Label, role->Lower, role->Upper, std::to_wstring(m_numbers.*(role->Number))};
}

int ScheduleEditor::WeekdaySelection() const { return InRangeOrNone<kWeekdayItems.size()>(m_numbers.Weekday); }

bool ScheduleEditor::BoxTextChanged(ScheduleBox box, std::wstring_view text) {
    const BoxRole* role = RoleOf(box);
    if (role == nullptr) {
        return false;
    }
    m_withoutNumber[static_cast<std::size_t>(box)] = !ReadWholeNumber(text).has_value();
    if (IsFilling()) {
        return false;
    }
    const int value = ReadDecimalPrefix(text);
    int& number = m_numbers.*(role->Number);
    if (number == value) {
        return false;
    }
    number = value;
    return true;
}

std::optional<ScheduleBox> ScheduleEditor::FirstBoxWithoutNumber() const {
    for (ScheduleBox box : kScheduleBoxes) {
        if (RoleOf(box) != nullptr && m_withoutNumber[static_cast<std::size_t>(box)]) {
            return box;
        }
    }
    return std::nullopt;
}

bool ScheduleEditor::WeekdaySelected(int index) {
    if (InRangeOrNone<kWeekdayItems.size()>(index) == kNoSelection || index == m_numbers.Weekday) {
        return false;
    }
    m_numbers.Weekday = index;
    return true;
}

std::wstring ScheduleEditor::DisplayText() const {
    AlarmEntry entry;
    WriteSchedule(entry);
    return FormatSchedule(entry);
}

void ScheduleEditor::WriteSchedule(AlarmEntry& entry) const {
    const ScheduleNumbers& n = m_numbers;
    if (m_dateUnit == kNoSelection) {
        entry.DateUnit = m_stored.DateUnit;
        entry.DateDetail = m_stored.DateDetail;
    } else {
        entry.DateUnit = kDateUnitItems[static_cast<std::size_t>(m_dateUnit)];
    }
    switch (m_dateUnit) {
    case kDateYearly: entry.DateDetail = Pair(n.Month, kDateSeparator, n.Day); break;
    case kDateMonthly: entry.DateDetail = std::to_wstring(n.Day); break;
    case kDateWeekly: entry.DateDetail = std::to_wstring(n.Weekday); break;
    case kDateDaily: entry.DateDetail = kNoValue; break;
    default: break;
    }

    if (m_timeUnit == kNoSelection) {
        entry.TimeUnit = m_stored.TimeUnit;
        entry.TimeDetail = m_stored.TimeDetail;
    } else {
        entry.TimeUnit = kTimeUnitItems[static_cast<std::size_t>(m_timeUnit)];
    }
    switch (m_timeUnit) {
    case kTimeAtTime: entry.TimeDetail = Pair(n.Hour, kTimeSeparator, n.Minute); break;
    case kTimeHourly: entry.TimeDetail = std::to_wstring(n.Minute); break;
    default: break;
    }
}
