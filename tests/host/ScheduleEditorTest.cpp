#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "AlarmTestPrinters.h"
#include "alarms/AlarmSchedule.h"
#include "alarms/ScheduleEditor.h"

namespace {

// Friday 14 March, 9:26.
constexpr ScheduleNumbers kNow{3, 14, 9, 26, 5};

using Box = ScheduleBox;
using Typing = std::vector<std::pair<Box, const wchar_t*>>;

AlarmEntry Built(const ScheduleEditor& editor) {
    AlarmEntry entry;
    editor.WriteSchedule(entry);
    return entry;
}

AlarmEntry Stored(std::wstring_view dateUnit, const wchar_t* dateDetail, std::wstring_view timeUnit,
                  const wchar_t* timeDetail) {
    return AlarmEntry{L"件名", L"NULL", L"", std::wstring(dateUnit), dateDetail, std::wstring(timeUnit), timeDetail};
}

// The shown boxes as the page would lay them out: "text label[lower-upper]",
// then "曜:N" when the weekday list is shown.
std::wstring Layout(const ScheduleEditor& editor) {
    std::wstring text;
    for (Box box : kScheduleBoxes) {
        const NumberBoxView view = editor.Box(box);
        if (view.Shown) {
            text += view.Text + std::wstring(view.Label) + L"[" + std::to_wstring(view.Lower) + L"-" +
                    std::to_wstring(view.Upper) + L"] ";
        }
    }
    if (editor.IsWeekdayListShown()) {
        text += L"曜:" + std::to_wstring(editor.WeekdaySelection());
    }
    return text;
}

void ExpectConsistent(const ScheduleEditor& editor) { EXPECT_EQ(editor.DisplayText(), FormatSchedule(Built(editor))); }

}  // namespace

TEST(ScheduleEditorTest, EachUnitPairBuildsItsFieldsAndText) {
    struct Case {
        int dateUnit;
        int timeUnit;
        Typing typing;
        int weekday;  // -1: the weekday list is left alone
        const wchar_t* display;
        const wchar_t* dateDetail;
        const wchar_t* timeDetail;
    };
    const Case cases[] = {
        {kDateYearly,
         kTimeAtTime,
         {{Box::DateFirst, L"12"}, {Box::DateSecond, L"24"}, {Box::TimeFirst, L"18"}, {Box::TimeSecond, L"05"}},
         -1,
         L"12月24日18時5分",
         L"12/24",
         L"18:5"},
        {kDateYearly, kTimeHourly, {}, -1, L"3月14日毎時26分", L"3/14", L"26"},
        {kDateMonthly, kTimeAtTime, {{Box::DateFirst, L"31"}}, -1, L"毎月31日9時26分", L"31", L"9:26"},
        {kDateMonthly,
         kTimeHourly,
         {{Box::DateFirst, L"1"}, {Box::TimeFirst, L"0"}},
         -1,
         L"毎月1日毎時0分",
         L"1",
         L"0"},
        {kDateWeekly,
         kTimeAtTime,
         {{Box::TimeFirst, L"7"}, {Box::TimeSecond, L"30"}},
         1,
         L"毎週月曜日7時30分",
         L"1",
         L"7:30"},
        {kDateWeekly, kTimeHourly, {{Box::TimeFirst, L"45"}}, 3, L"毎週水曜日毎時45分", L"3", L"45"},
        {kDateDaily,
         kTimeAtTime,
         {{Box::TimeFirst, L"0"}, {Box::TimeSecond, L"0"}},
         -1,
         L"毎日0時0分",
         L"NULL",
         L"0:0"},
        {kDateDaily, kTimeHourly, {{Box::TimeFirst, L"15"}}, -1, L"毎時15分", L"NULL", L"15"},
        // Typed values beyond the up-down ranges are kept; an emptied box is 0; a decimal prefix counts.
        {kDateYearly,
         kTimeAtTime,
         {{Box::DateFirst, L""}, {Box::TimeFirst, L"30"}},
         -1,
         L"0月14日30時26分",
         L"0/14",
         L"30:26"},
        {kDateMonthly,
         kTimeHourly,
         {{Box::DateFirst, L"40"}, {Box::TimeFirst, L"75x"}},
         -1,
         L"毎月40日毎時75分",
         L"40",
         L"75"},
    };
    for (const Case& c : cases) {
        ScheduleEditor editor;
        editor.Start(kNow);
        editor.SelectDateUnit(c.dateUnit);
        editor.SelectTimeUnit(c.timeUnit);
        for (const auto& [box, text] : c.typing) {
            editor.BoxTextChanged(box, text);
        }
        if (c.weekday >= 0) {
            editor.WeekdaySelected(c.weekday);
        }
        const AlarmEntry entry = Built(editor);
        SCOPED_TRACE(testing::PrintToString(std::wstring(c.display)));
        EXPECT_EQ(editor.DisplayText(), c.display);
        EXPECT_EQ(entry.DateUnit, kDateUnitItems[static_cast<std::size_t>(c.dateUnit)]);
        EXPECT_EQ(entry.DateDetail, c.dateDetail);
        EXPECT_EQ(entry.TimeUnit, kTimeUnitItems[static_cast<std::size_t>(c.timeUnit)]);
        EXPECT_EQ(entry.TimeDetail, c.timeDetail);
        ExpectConsistent(editor);
    }
}

TEST(ScheduleEditorTest, LayoutFollowsTheUnitsAndShowsTheNumbers) {
    struct Case {
        int dateUnit;
        int timeUnit;
        const wchar_t* layout;
    };
    const Case cases[] = {
        {kDateYearly, kTimeAtTime, L"3月[1-12] 14日[1-31] 9時[0-23] 26分[0-59] "},
        {kDateMonthly, kTimeHourly, L"14日[1-31] 26分[0-59] "},
        {kDateWeekly, kTimeAtTime, L"9時[0-23] 26分[0-59] 曜:5"},
        {kDateDaily, kTimeHourly, L"26分[0-59] "},
        {kNoSelection, kNoSelection, L""},
    };
    for (const Case& c : cases) {
        ScheduleEditor editor;
        editor.Start(kNow);
        editor.SelectDateUnit(c.dateUnit);
        editor.SelectTimeUnit(c.timeUnit);
        EXPECT_EQ(Layout(editor), c.layout);
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
    struct Case {
        AlarmEntry stored;
        const wchar_t* layout;
        const wchar_t* display;
    };
    const Case cases[] = {
        {Stored(kDateUnitWeekly, L"3", kTimeUnitAtTime, L"7:30"), L"7時[0-23] 30分[0-59] 曜:3", L"毎週水曜日7時30分"},
        {Stored(kDateUnitYearly, L"12/24", kTimeUnitAtTime, L"18:5"), L"12月[1-12] 24日[1-31] 18時[0-23] 5分[0-59] ",
         L"12月24日18時5分"},
        {Stored(kDateUnitDaily, L"NULL", kTimeUnitHourly, L"15"), L"15分[0-59] ", L"毎時15分"},
        {Stored(kDateUnitMonthly, L"31", kTimeUnitHourly, L"0"), L"31日[1-31] 0分[0-59] ", L"毎月31日毎時0分"},
        // A weekday outside the list selects none and shows no date part.
        {Stored(kDateUnitWeekly, L"9", kTimeUnitHourly, L"5"), L"5分[0-59] 曜:-1", L"毎時5分"},
    };
    for (const Case& c : cases) {
        ScheduleEditor editor;
        editor.Load(c.stored, kNow);
        EXPECT_EQ(Layout(editor), c.layout);
        EXPECT_EQ(editor.DisplayText(), c.display);
        EXPECT_EQ(editor.DisplayText(), FormatSchedule(c.stored));
    }
}

TEST(ScheduleEditorTest, UnitsNotInTheListsSelectNothingAndAreKept) {
    struct Case {
        AlarmEntry stored;
        const wchar_t* timeDetail;  // as built
    };
    const Case cases[] = {
        {Stored(L"毎", L"7", kTimeUnitAtTime, L"07:30"), L"7:30"},
        {Stored(L"毎年 ", L"12/24", L"毎", L"5"), L"5"},
        {Stored(kTimeUnitHourly, L"3", L"指定", L"1:2"), L"1:2"},
        {Stored(L"", L"", L"", L""), L""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.stored));
        ScheduleEditor editor;
        editor.Load(c.stored, kNow);
        EXPECT_EQ(editor.DateUnit(), kNoSelection);
        EXPECT_FALSE(editor.Box(Box::DateFirst).Shown || editor.Box(Box::DateSecond).Shown ||
                     editor.IsWeekdayListShown());
        AlarmEntry entry = c.stored;
        editor.WriteSchedule(entry);
        EXPECT_EQ(entry.DateUnit, c.stored.DateUnit);
        EXPECT_EQ(entry.DateDetail, c.stored.DateDetail);
        EXPECT_EQ(entry.TimeUnit, c.stored.TimeUnit);
        EXPECT_EQ(entry.TimeDetail, c.timeDetail);
        EXPECT_EQ(editor.DisplayText(), FormatSchedule(entry));
    }
}

TEST(ScheduleEditorTest, ChoosingAUnitForAnUnknownOneBuildsFromTheNumbers) {
    ScheduleEditor editor;
    editor.Load(Stored(L"毎", L"7", L"毎", L"5"), kNow);
    editor.SelectDateUnit(kDateMonthly);
    editor.SelectTimeUnit(kTimeHourly);
    AlarmEntry entry = Stored(L"毎", L"7", L"毎", L"5");
    editor.WriteSchedule(entry);
    EXPECT_EQ(entry, Stored(kDateUnitMonthly, L"14", kTimeUnitHourly, L"26"));
    EXPECT_EQ(editor.DisplayText(), L"毎月14日毎時26分");
}

TEST(ScheduleEditorTest, ThePagesOwnTransfersDoNotRewriteTheNumbers) {
    ScheduleEditor editor;
    editor.Load(Stored(kDateUnitDaily, L"NULL", kTimeUnitHourly, L"15"), kNow);
    {
        // The page puts the stale values of its exchanged integers into every box.
        const auto filling = editor.FillBoxes();
        for (Box box : kScheduleBoxes) {
            EXPECT_FALSE(editor.BoxTextChanged(box, L"0"));
        }
    }
    EXPECT_FALSE(editor.IsFilling());
    // A hidden box cannot be typed into; a late notification from it changes nothing.
    EXPECT_FALSE(editor.BoxTextChanged(Box::TimeSecond, L"0"));
    EXPECT_EQ(editor.DisplayText(), L"毎時15分");
    EXPECT_EQ(Built(editor).TimeDetail, L"15");

    EXPECT_TRUE(editor.BoxTextChanged(Box::TimeFirst, L"20"));
    EXPECT_FALSE(editor.BoxTextChanged(Box::TimeFirst, L"020"));
    EXPECT_EQ(Built(editor).TimeDetail, L"20");
}

TEST(ScheduleEditorTest, WeekdayListIgnoresNoSelection) {
    ScheduleEditor editor;
    editor.Start(kNow);
    editor.SelectDateUnit(kDateWeekly);
    EXPECT_FALSE(editor.WeekdaySelected(-1));
    EXPECT_TRUE(editor.WeekdaySelected(0));
    EXPECT_EQ(editor.DisplayText(), L"毎週日曜日9時26分");
}
