#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <string>
#include <utility>

#include "AlarmTestPrinters.h"
#include "alarms/AlarmSchedule.h"
#include "alarms/ScheduleEditor.h"

namespace {

// Friday 14 March, 9:26.
constexpr ScheduleNumbers kNow{3, 14, 9, 26, 5};

using Box = ScheduleBox;

AlarmEntry Stored(const wchar_t* dateUnit, const wchar_t* dateDetail, const wchar_t* timeUnit,
                  const wchar_t* timeDetail) {
    return AlarmEntry{L"件名", L"NULL", L"", dateUnit, dateDetail, timeUnit, timeDetail};
}

AlarmEntry Built(const ScheduleEditor& editor, AlarmEntry entry = {}) {
    editor.WriteSchedule(entry);
    return entry;
}

// The shown boxes as "text label[lower-upper] ", then "曜:N" when the weekday list is shown.
std::wstring Layout(const ScheduleEditor& editor) {
    std::wstring text;
    for (Box box : kScheduleBoxes) {
        const NumberBoxView view = editor.Box(box);
        if (view.Shown) {
            text += view.Text + std::wstring(view.Label) + L"[" + std::to_wstring(view.Lower) + L"-" +
                    std::to_wstring(view.Upper) + L"] ";
        }
    }
    return editor.IsWeekdayListShown() ? text + L"曜:" + std::to_wstring(editor.WeekdaySelection()) : text;
}

}  // namespace

TEST(ScheduleEditorTest, EachUnitPairBuildsItsFieldsAndText) {
    struct Case {
        int dateUnit;
        int timeUnit;
        std::array<const wchar_t*, 4> typed;  // per box in kScheduleBoxes order; null: untouched
        int weekday;                          // weekday list selection, -1 for none
        const wchar_t* display;
        const wchar_t* dateDetail;
        const wchar_t* timeDetail;
    };
    const Case cases[] = {
        {kDateYearly, kTimeAtTime, {L"12", L"24", L"18", L"05"}, -1, L"12月24日18時5分", L"12/24", L"18:5"},
        {kDateYearly, kTimeHourly, {}, -1, L"3月14日毎時26分", L"3/14", L"26"},
        {kDateMonthly, kTimeAtTime, {L"31"}, -1, L"毎月31日9時26分", L"31", L"9:26"},
        {kDateMonthly, kTimeHourly, {L"1", nullptr, L"0"}, -1, L"毎月1日毎時0分", L"1", L"0"},
        {kDateWeekly, kTimeAtTime, {nullptr, nullptr, L"7", L"30"}, 1, L"毎週月曜日7時30分", L"1", L"7:30"},
        {kDateWeekly, kTimeHourly, {nullptr, nullptr, L"45"}, -1, L"毎週金曜日毎時45分", L"5", L"45"},
        {kDateDaily, kTimeAtTime, {nullptr, nullptr, L"0", L"0"}, -1, L"毎日0時0分", L"NULL", L"0:0"},
        {kDateDaily, kTimeHourly, {nullptr, nullptr, L"15"}, -1, L"毎時15分", L"NULL", L"15"},
        // Beyond the up-down ranges is kept; an emptied box is 0; a decimal prefix counts.
        {kDateYearly, kTimeAtTime, {L"", nullptr, L"30"}, -1, L"0月14日30時26分", L"0/14", L"30:26"},
        {kDateMonthly, kTimeHourly, {L"40", nullptr, L"75x"}, -1, L"毎月40日毎時75分", L"40", L"75"},
    };
    for (const Case& c : cases) {
        ScheduleEditor editor;
        editor.Start(kNow);
        editor.SelectDateUnit(c.dateUnit);
        editor.SelectTimeUnit(c.timeUnit);
        for (std::size_t i = 0; i < kScheduleBoxes.size(); ++i) {
            if (c.typed[i] != nullptr) {
                editor.BoxTextChanged(kScheduleBoxes[i], c.typed[i]);
            }
        }
        editor.WeekdaySelected(c.weekday);
        const AlarmEntry entry = Built(editor);
        SCOPED_TRACE(testing::PrintToString(std::wstring(c.display)));
        EXPECT_EQ(editor.DisplayText(), c.display);
        EXPECT_EQ(entry.DateUnit, kDateUnitItems[static_cast<std::size_t>(c.dateUnit)]);
        EXPECT_EQ(entry.DateDetail, c.dateDetail);
        EXPECT_EQ(entry.TimeUnit, kTimeUnitItems[static_cast<std::size_t>(c.timeUnit)]);
        EXPECT_EQ(entry.TimeDetail, c.timeDetail);
        EXPECT_EQ(editor.DisplayText(), FormatSchedule(entry));
    }
}

TEST(ScheduleEditorTest, NumbersSurviveUnitSwitches) {
    ScheduleEditor editor;
    editor.Start(kNow);
    editor.BoxTextChanged(Box::DateFirst, L"12");  // month
    editor.BoxTextChanged(Box::TimeFirst, L"18");  // hour
    editor.SelectDateUnit(kDateMonthly);
    editor.SelectTimeUnit(kTimeHourly);
    editor.BoxTextChanged(Box::DateFirst, L"2");  // day
    EXPECT_EQ(Layout(editor), L"2日[1-31] 26分[0-59] ");
    editor.SelectDateUnit(kDateYearly);
    editor.SelectTimeUnit(kTimeAtTime);
    EXPECT_EQ(Layout(editor), L"12月[1-12] 2日[1-31] 18時[0-23] 26分[0-59] ");
    EXPECT_EQ(editor.DisplayText(), L"12月2日18時26分");
}

TEST(ScheduleEditorTest, LoadShowsTheStoredSchedule) {
    const std::tuple<AlarmEntry, const wchar_t*, const wchar_t*> cases[] = {
        {Stored(L"毎週", L"3", L"指定の時刻", L"7:30"), L"7時[0-23] 30分[0-59] 曜:3", L"毎週水曜日7時30分"},
        {Stored(L"毎年", L"12/24", L"指定の時刻", L"18:5"), L"12月[1-12] 24日[1-31] 18時[0-23] 5分[0-59] ",
         L"12月24日18時5分"},
        {Stored(L"毎日", L"NULL", L"毎時", L"15"), L"15分[0-59] ", L"毎時15分"},
        {Stored(L"毎月", L"31", L"毎時", L"0"), L"31日[1-31] 0分[0-59] ", L"毎月31日毎時0分"},
        // A weekday outside the list selects none and shows no date part.
        {Stored(L"毎週", L"9", L"毎時", L"5"), L"5分[0-59] 曜:-1", L"毎時5分"},
    };
    for (const auto& [stored, layout, display] : cases) {
        ScheduleEditor editor;
        editor.Load(stored, kNow);
        EXPECT_EQ(Layout(editor), layout);
        EXPECT_EQ(editor.DisplayText(), display);
        EXPECT_EQ(Built(editor, stored), stored);
    }
}

TEST(ScheduleEditorTest, UnitsNotInTheListsSelectNothingAndAreKept) {
    const std::pair<AlarmEntry, const wchar_t*> cases[] = {
        {Stored(L"毎", L"7", L"指定の時刻", L"07:30"), L"7:30"},  // the known time unit is rebuilt
        {Stored(L"毎年 ", L"12/24", L"毎", L"5"), L"5"},
        {Stored(L"毎時", L"3", L"指定", L"1:2"), L"1:2"},
        {Stored(L"", L"", L"", L""), L""},
    };
    for (const auto& [stored, timeDetail] : cases) {
        SCOPED_TRACE(testing::PrintToString(stored));
        ScheduleEditor editor;
        editor.Load(stored, kNow);
        EXPECT_EQ(editor.DateUnit(), kNoSelection);
        EXPECT_FALSE(editor.Box(Box::DateFirst).Shown || editor.IsWeekdayListShown());
        AlarmEntry expected = stored;
        expected.TimeDetail = timeDetail;
        EXPECT_EQ(Built(editor, stored), expected);
        EXPECT_EQ(editor.DisplayText(), FormatSchedule(expected));

        editor.SelectDateUnit(kDateMonthly);
        EXPECT_EQ(Built(editor, stored).DateDetail, L"14");
    }
}

TEST(ScheduleEditorTest, ThePagesOwnTransfersDoNotRewriteTheNumbers) {
    ScheduleEditor editor;
    editor.Load(Stored(L"毎日", L"NULL", L"毎時", L"15"), kNow);
    {
        // The page puts stale values into every box.
        const auto filling = editor.FillBoxes();
        for (Box box : kScheduleBoxes) {
            EXPECT_FALSE(editor.BoxTextChanged(box, L"0"));
        }
    }
    // A hidden box cannot be typed into; a late notification from it changes nothing.
    EXPECT_FALSE(editor.BoxTextChanged(Box::TimeSecond, L"0"));
    EXPECT_EQ(editor.DisplayText(), L"毎時15分");
    EXPECT_EQ(Built(editor).TimeDetail, L"15");

    EXPECT_TRUE(editor.BoxTextChanged(Box::TimeFirst, L"20"));
    EXPECT_FALSE(editor.BoxTextChanged(Box::TimeFirst, L"020"));
    EXPECT_EQ(Built(editor).TimeDetail, L"20");
}

TEST(ScheduleEditorTest, ABoxThatHoldsNoWholeNumberIsRefusedUntilItDoesOrTheUnitChanges) {
    const std::pair<std::wstring, bool> cases[] = {
        {L"", false},          {L"x9y", false},        {L"9x", false},
        {L"-1", false},        {L"+5", false},         {L"1,000", false},
        {L"２", false},        {L"2147483648", false}, {std::wstring(10000, L'9'), false},
        {L"0", true},          {L" 12 ", true},        {L"40", true},
        {L"2147483647", true},  // beyond the up-down range: taken as typed
    };
    for (const auto& [text, taken] : cases) {
        SCOPED_TRACE(testing::PrintToString(text.substr(0, 12)));
        ScheduleEditor editor;
        editor.Start(kNow);
        EXPECT_EQ(editor.FirstBoxWithoutNumber(), std::nullopt);
        editor.BoxTextChanged(Box::DateSecond, text);
        editor.BoxTextChanged(Box::TimeFirst, text);
        EXPECT_EQ(editor.FirstBoxWithoutNumber(), taken ? std::nullopt : std::optional<Box>(Box::DateSecond));
        editor.BoxTextChanged(Box::DateSecond, L"5");
        EXPECT_EQ(editor.FirstBoxWithoutNumber(), taken ? std::nullopt : std::optional<Box>(Box::TimeFirst));
        editor.SelectTimeUnit(kTimeHourly);  // the page refills every box from the numbers
        EXPECT_EQ(editor.FirstBoxWithoutNumber(), std::nullopt);
    }
}
