// The digital time texts of the label and the tooltip.
#include <gtest/gtest.h>

#include "clock/TimeText.h"

namespace {

LocalTime At(int hour, int minute, int second) {
    LocalTime t;
    t.hour = hour;
    t.minute = minute;
    t.second = second;
    return t;
}

const DayPeriodWords kJapanese{L"午前", L"午後"};

TEST(TimeTextTest, TwelveHourClockWithTheLocaleWords) {
    EXPECT_EQ(FormatTimeText(At(0, 0, 0), true, kJapanese), L"午前 12:00:00");
    EXPECT_EQ(FormatTimeText(At(9, 5, 7), true, kJapanese), L"午前 09:05:07");
    EXPECT_EQ(FormatTimeText(At(11, 59, 59), true, kJapanese), L"午前 11:59:59");
    EXPECT_EQ(FormatTimeText(At(12, 0, 1), true, kJapanese), L"午後 12:00:01");
    EXPECT_EQ(FormatTimeText(At(23, 30, 0), true, kJapanese), L"午後 11:30:00");
}

TEST(TimeTextTest, WithoutSecondsAndInTheTooltip) {
    EXPECT_EQ(FormatTimeText(At(15, 4, 9), false, kJapanese), L"午後 03:04");
    EXPECT_EQ(FormatTooltipText(At(15, 4, 9), true, DayPeriodWords{}, L"春の桜"), L"PM 03:04:09 - 春の桜");
    EXPECT_EQ(FormatTooltipText(At(8, 0, 0), false, kJapanese, L""), L"午前 08:00 - ");
}

}  // namespace

TEST(TimeTextTest, LateNoteNamesTheDayOnlyWhenItWasAnEarlierOne) {
    LocalTime due = At(9, 5, 0);
    LocalTime now = At(10, 7, 0);
    EXPECT_EQ(FormatLateNote(due, now), L"9:05 の予定");
    due.month = 12;
    due.day = 6;
    now.month = 12;
    now.day = 7;
    EXPECT_EQ(FormatLateNote(due, now), L"12/6 9:05 の予定");
}
