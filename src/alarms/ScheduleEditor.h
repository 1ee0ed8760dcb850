// The schedule being edited on the wizard's schedule page and on the alarm
// property sheet's schedule page: two unit selections and five numbers.
//
// The five numbers are the only truth. What each number box shows is derived
// from them, and a box's text flows back into them only when the user changed
// it: text the page puts into its own boxes is written inside FillBoxes().
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "content/AlarmEntry.h"

// The numbers a schedule is built from.
struct ScheduleNumbers {
    int Month = 0;
    int Day = 0;
    int Hour = 0;
    int Minute = 0;
    int Weekday = 0;  // 0 = Sunday ... 6 = Saturday

    friend bool operator==(const ScheduleNumbers&, const ScheduleNumbers&) = default;
};

// Items of the three drop-down lists, in list order; an item's index is what
// the lists select.
inline constexpr std::array<std::wstring_view, 4> kDateUnitItems = {
    kDateUnitYearly,
    kDateUnitMonthly,
    kDateUnitWeekly,
    kDateUnitDaily,
};
inline constexpr std::array<std::wstring_view, 2> kTimeUnitItems = {kTimeUnitAtTime, kTimeUnitHourly};
inline constexpr std::array<std::wstring_view, 7> kWeekdayItems = {
    L"日曜日", L"月曜日", L"火曜日", L"水曜日", L"木曜日", L"金曜日", L"土曜日",
};

// List indices; kNoSelection when a list has nothing selected.
inline constexpr int kNoSelection = -1;
inline constexpr int kDateYearly = 0;
inline constexpr int kDateMonthly = 1;
inline constexpr int kDateWeekly = 2;
inline constexpr int kDateDaily = 3;
inline constexpr int kTimeAtTime = 0;
inline constexpr int kTimeHourly = 1;

// The four number boxes: two for the date, two for the time, each with an
// up-down control and a label after it.
enum class ScheduleBox { DateFirst, DateSecond, TimeFirst, TimeSecond };
inline constexpr std::array<ScheduleBox, 4> kScheduleBoxes = {
    ScheduleBox::DateFirst,
    ScheduleBox::DateSecond,
    ScheduleBox::TimeFirst,
    ScheduleBox::TimeSecond,
};

// How one number box looks under the current units.
struct NumberBoxView {
    bool Shown = false;       // the box, its up-down control and its label
    std::wstring_view Label;  // text of the label after the box ("" when hidden)
    int Lower = 0;            // range of the up-down control
    int Upper = 0;
    std::wstring Text;  // what the box shows ("" when hidden)
};

class ScheduleEditor {
public:
    // Nothing selected, all numbers 0.
    ScheduleEditor() = default;

    // A new alarm: yearly at a given time, the numbers taken from the local time.
    void Start(const ScheduleNumbers& now);

    // An existing alarm: the numbers start from the local time and take what
    // the entry's details give. A unit that the lists do not hold (compared
    // exactly) selects nothing; such a unit and its detail are built back as
    // they were stored.
    void Load(const AlarmEntry& entry, const ScheduleNumbers& now);

    int DateUnit() const { return m_dateUnit; }
    int TimeUnit() const { return m_timeUnit; }
    const ScheduleNumbers& Numbers() const { return m_numbers; }

    // A unit list's selection changed (kNoSelection, or an index out of range, is no selection).
    void SelectDateUnit(int index);
    void SelectTimeUnit(int index);

    NumberBoxView Box(ScheduleBox box) const;
    bool IsWeekdayListShown() const { return m_dateUnit == kDateWeekly; }
    // The weekday list's selection: the weekday, or -1 when it is not 0-6.
    int WeekdaySelection() const;

    // While a FillScope lives, box text changes are the page's own and are ignored.
    class FillScope {
    public:
        explicit FillScope(ScheduleEditor& editor) : m_editor(&editor) { ++m_editor->m_fillDepth; }
        FillScope(FillScope&& other) noexcept : m_editor(other.m_editor) { other.m_editor = nullptr; }
        FillScope(const FillScope&) = delete;
        FillScope& operator=(const FillScope&) = delete;
        FillScope& operator=(FillScope&&) = delete;
        ~FillScope() {
            if (m_editor != nullptr) {
                --m_editor->m_fillDepth;
            }
        }

    private:
        ScheduleEditor* m_editor;
    };
    [[nodiscard]] FillScope FillBoxes() { return FillScope(*this); }
    bool IsFilling() const { return m_fillDepth > 0; }

    // A box's text changed. Outside a FillScope, and for a box that is shown,
    // its decimal prefix (0 when empty) becomes the number the box stands for,
    // whatever the up-down range. Returns true when a number changed.
    bool BoxTextChanged(ScheduleBox box, std::wstring_view text);

    // The first shown box whose text, as last typed, holds no whole number (empty,
    // not digits, beyond INT_MAX): the schedule must not be taken from it.
    std::optional<ScheduleBox> FirstBoxWithoutNumber() const;

    // The weekday list's selection changed; -1 (no selection) changes nothing.
    bool WeekdaySelected(int index);

    // "表示日時": FormatSchedule of the schedule that WriteSchedule builds.
    std::wstring DisplayText() const;

    // Sets the entry's DateUnit, DateDetail, TimeUnit and TimeDetail.
    void WriteSchedule(AlarmEntry& entry) const;

private:
    struct BoxRole {
        int ScheduleNumbers::*Number;
        std::wstring_view Label;
        int Lower;
        int Upper;
    };
    const BoxRole* RoleOf(ScheduleBox box) const;

    int m_dateUnit = kNoSelection;
    int m_timeUnit = kNoSelection;
    ScheduleNumbers m_numbers;
    AlarmEntry m_stored;  // the loaded schedule fields, kept for a unit the lists do not hold
    // Per box: its text holds no whole number. The page refills the boxes from the
    // numbers when a unit changes, so a unit change clears these.
    std::array<bool, kScheduleBoxes.size()> m_withoutNumber{};
    int m_fillDepth = 0;
};
