#include <gtest/gtest.h>

#include <chrono>
#include <vector>

#include "alarms/AlarmRules.h"

namespace {

AlarmEntry Entry(std::wstring_view dateUnit, const wchar_t* dateDetail, std::wstring_view timeUnit,
                 const wchar_t* timeDetail, const wchar_t* subject = L"件名") {
    return AlarmEntry{subject, L"NULL", L"", std::wstring(dateUnit), dateDetail, std::wstring(timeUnit), timeDetail};
}
AlarmEntry DailyAt(const wchar_t* time, const wchar_t* subject = L"件名") {
    return Entry(kDateUnitDaily, L"NULL", kTimeUnitAtTime, time, subject);
}
AlarmEntry DailyHourly(const wchar_t* minute, const wchar_t* subject = L"件名") {
    return Entry(kDateUnitDaily, L"NULL", kTimeUnitHourly, minute, subject);
}

LocalDateHour At(int month, int day, int weekday, int hour) { return LocalDateHour{month, day, weekday, hour}; }

// Every real date of a year at the given hour.
std::vector<LocalDateHour> DaysOfYear(int year, int hour) {
    using namespace std::chrono;
    std::vector<LocalDateHour> result;
    const sys_days first = std::chrono::year{year} / January / 1;
    const sys_days end = std::chrono::year{year + 1} / January / 1;
    for (sys_days d = first; d < end; d += days{1}) {
        const year_month_day ymd{d};
        result.push_back(LocalDateHour{static_cast<int>(static_cast<unsigned>(ymd.month())),
                                       static_cast<int>(static_cast<unsigned>(ymd.day())),
                                       static_cast<int>(weekday{d}.c_encoding()), hour});
    }
    return result;
}

int CountDueDays(const AlarmEntry& entry, int year, int hour) {
    int count = 0;
    for (const LocalDateHour& day : DaysOfYear(year, hour)) count += IsDueThisHour(entry, day) ? 1 : 0;
    return count;
}

AlarmList ListOf(std::initializer_list<AlarmEntry> entries) {
    AlarmList list;
    for (const AlarmEntry& entry : entries) list.Append(entry);
    return list;
}

LocalTime Time(int year, int month, int day, int hour, int minute) {
    return {.year = year, .month = month, .day = day, .hour = hour, .minute = minute};
}

// "2024-1-2 10:5", or "none".
std::string DueText(const std::vector<MissedAlarm>& missed) {
    if (missed.empty()) return "none";
    const LocalTime& t = missed.front().due;
    return std::to_string(t.year) + "-" + std::to_string(t.month) + "-" + std::to_string(t.day) + " " +
           std::to_string(t.hour) + ":" + std::to_string(t.minute);
}

}  // namespace

TEST(AlarmRulesTest, DueDaysOfAYearFollowTheDateRule) {
    const struct Case {
        AlarmEntry entry;
        int year, hour, days;
    } cases[] = {
        {Entry(kDateUnitYearly, L"12/24", kTimeUnitAtTime, L"18:5"), 2023, 18, 1},
        {Entry(kDateUnitYearly, L"2/29", kTimeUnitAtTime, L"9:0"), 2023, 9, 0},  // leap day: only in leap years
        {Entry(kDateUnitYearly, L"2/29", kTimeUnitAtTime, L"9:0"), 2100, 9, 0},
        {Entry(kDateUnitYearly, L"2/29", kTimeUnitAtTime, L"9:0"), 2024, 9, 1},
        {Entry(kDateUnitYearly, L"2/29", kTimeUnitAtTime, L"9:0"), 2000, 9, 1},
        {Entry(kDateUnitMonthly, L"31", kTimeUnitAtTime, L"8:0"), 2023, 8, 7},  // only the long months
        {Entry(kDateUnitMonthly, L"30", kTimeUnitHourly, L"0"), 2024, 0, 11},   // skips February
        {DailyAt(L"0:0"), 2024, 0, 366},
        {DailyAt(L"0:0"), 2024, 1, 0},
        {Entry(kDateUnitYearly, L"1224", kTimeUnitHourly, L"0"), 2024, 0, 0},  // no slash: never
        {Entry(kDateUnitMonthly, L"40", kTimeUnitHourly, L"0"), 2024, 0, 0},   // out of range: never
    };
    for (const Case& c : cases)
        EXPECT_EQ(CountDueDays(c.entry, c.year, c.hour), c.days)
            << testing::PrintToString(c.entry.DateDetail) << " " << c.year << " " << c.hour;
}

TEST(AlarmRulesTest, DueThisHourMatchesDateAndHour) {
    const AlarmEntry yearly = Entry(kDateUnitYearly, L"12/24", kTimeUnitAtTime, L"18:5");
    const LocalDateHour newYear = At(1, 1, 1, 0);
    const struct Case {
        AlarmEntry entry;
        LocalDateHour at;
        bool due;
    } cases[] = {
        {yearly, At(12, 24, 3, 18), true},
        {yearly, At(12, 24, 3, 17), false},
        {yearly, At(12, 25, 4, 18), false},
        {yearly, At(11, 24, 3, 18), false},
        {Entry(kDateUnitWeekly, L"0", kTimeUnitAtTime, L"7:30"), At(6, 2, 0, 7), true},  // 2024-06-02 was a Sunday
        {DailyAt(L"30"), At(1, 1, 0, 0), true},  // without a colon: hour zero at that minute
        {DailyAt(L"30"), At(1, 1, 0, 30), false},
        {Entry(L"", L"NULL", kTimeUnitHourly, L"0"), newYear, false},  // unknown units never fire
        {Entry(L"毎日 ", L"NULL", kTimeUnitHourly, L"0"), newYear, false},
        {Entry(kDateUnitDaily, L"NULL", L"", L"0"), newYear, false},
        {Entry(kDateUnitDaily, L"NULL", L"毎分", L"0"), newYear, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(IsDueThisHour(c.entry, c.at), c.due)
            << testing::PrintToString(c.entry.DateDetail) << " " << c.at.Month << "/" << c.at.Day << " " << c.at.Hour;
    EXPECT_EQ(DueMinuteOf(Entry(kDateUnitDaily, L"NULL", L"", L"0")), std::nullopt);
    EXPECT_EQ(DueMinuteOf(DailyAt(L"30")), 30);
}

TEST(AlarmRulesTest, MonthlyDay31FiresOnlyInLongMonths) {
    const AlarmEntry entry = Entry(kDateUnitMonthly, L"31", kTimeUnitAtTime, L"8:0");
    for (int month : {2, 4, 6, 9, 11}) {
        EXPECT_FALSE(IsDateDue(entry, At(month, 30, 0, 8)));
        EXPECT_FALSE(IsDateDue(entry, At(month + 1, 1, 0, 8)));
    }
    EXPECT_TRUE(IsDateDue(entry, At(1, 31, 0, 8)));
}

TEST(AlarmRulesTest, WeeklyUsesSundayZeroToSaturdaySix) {
    const AlarmEntry sunday = Entry(kDateUnitWeekly, L"0", kTimeUnitAtTime, L"7:30");
    const AlarmEntry saturday = Entry(kDateUnitWeekly, L"6", kTimeUnitAtTime, L"7:30");
    int sundays = 0;
    int saturdays = 0;
    for (const LocalDateHour& day : DaysOfYear(2024, 7)) {
        EXPECT_EQ(IsDueThisHour(sunday, day), day.Weekday == 0);
        EXPECT_EQ(IsDueThisHour(saturday, day), day.Weekday == 6);
        sundays += day.Weekday == 0 ? 1 : 0;
        saturdays += day.Weekday == 6 ? 1 : 0;
    }
    EXPECT_EQ(sundays, 52);
    EXPECT_EQ(saturdays, 52);
}

TEST(AlarmRulesTest, HourlyIsDueInEveryHourOfAMatchingDayAndAnHourOf24Never) {
    const AlarmEntry entry = Entry(kDateUnitWeekly, L"1", kTimeUnitHourly, L"0");
    for (int hour = 0; hour < 24; ++hour) {
        EXPECT_TRUE(IsDueThisHour(entry, At(6, 3, 1, hour)));
        EXPECT_FALSE(IsDueThisHour(entry, At(6, 4, 2, hour)));
        EXPECT_FALSE(IsDueThisHour(DailyAt(L"24:0"), At(1, 1, 0, hour)));
    }
}

TEST(AlarmRulesTest, AMinuteOutOfRangeIsDueInItsHourButNeverFires) {
    const AlarmList minute75 = ListOf({DailyAt(L"7:75"), DailyHourly(L"75")});
    EXPECT_EQ(SelectDueThisHour(minute75, At(1, 1, 0, 7)).Count(), 2u);
    for (int minute = 0; minute < 60; ++minute) EXPECT_TRUE(SelectDueThisMinute(minute75, minute).IsEmpty());
}

TEST(AlarmRulesTest, HourlySelectionKeepsListOrderAndDuplicates) {
    const AlarmEntry twin = DailyAt(L"9:0", L"twin");
    const AlarmList all = ListOf({
        DailyHourly(L"5", L"a"),
        DailyAt(L"10:0", L"later"),
        twin,
        Entry(kDateUnitWeekly, L"3", kTimeUnitHourly, L"5", L"b"),
        twin,
    });
    const AlarmList due = SelectDueThisHour(all, At(5, 1, 3, 9));
    ASSERT_EQ(due.Count(), 4u);
    EXPECT_EQ(due.At(0).Subject, L"a");
    EXPECT_EQ(due.At(1), twin);
    EXPECT_EQ(due.At(2).Subject, L"b");
    EXPECT_EQ(due.At(3), twin);
}

TEST(AlarmRulesTest, MinuteCheckPicksEntriesOfThatMinuteInOrder) {
    const AlarmList due =
        ListOf({DailyAt(L"9:15", L"a"), DailyHourly(L"16", L"b"), DailyHourly(L"15", L"c"), DailyAt(L"9:15", L"a")});
    const AlarmList firing = SelectDueThisMinute(due, 15);
    ASSERT_EQ(firing.Count(), 3u);
    EXPECT_EQ(firing.At(0).Subject, L"a");
    EXPECT_EQ(firing.At(1).Subject, L"c");
    EXPECT_EQ(firing.At(2).Subject, L"a");
    EXPECT_TRUE(SelectDueThisMinute(due, 14).IsEmpty());
    EXPECT_TRUE(SelectDueThisMinute(AlarmList(), 15).IsEmpty());
}

TEST(AlarmRulesTest, HourlyAtMinuteZeroFiresAtTheStartOfEveryHour) {
    const AlarmList all = ListOf({DailyHourly(L"0")});
    for (int hour = 0; hour < 24; ++hour) {
        const AlarmList due = SelectDueThisHour(all, At(2, 29, 4, hour));
        EXPECT_EQ(SelectDueThisMinute(due, 0).Count(), 1u);
        EXPECT_TRUE(SelectDueThisMinute(due, 1).IsEmpty());
    }
}

TEST(AlarmRulesTest, AtTimeEntryFiresOnlyInItsHourAndMinute) {
    const AlarmList all = ListOf({Entry(kDateUnitWeekly, L"1", kTimeUnitAtTime, L"7:30")});
    int firings = 0;
    for (int hour = 0; hour < 24; ++hour) {
        const AlarmList due = SelectDueThisHour(all, At(6, 3, 1, hour));
        for (int minute = 0; minute < 60; ++minute)
            firings += static_cast<int>(SelectDueThisMinute(due, minute).Count());
    }
    EXPECT_EQ(firings, 1);
    EXPECT_EQ(SelectDueThisMinute(SelectDueThisHour(all, At(6, 3, 1, 7)), 30).Count(), 1u);
}

TEST(AlarmRulesTest, MissedAlarmsFellDueBetweenTheHandledMinuteAndNowOnTheirOwnDates) {
    const LocalTime at1004 = Time(2024, 1, 2, 10, 4), at1007 = Time(2024, 1, 2, 10, 7);
    const struct Row {
        AlarmEntry entry;
        LocalTime last;
        LocalTime now;
        const char* due;
    } rows[] = {
        {DailyAt(L"10:5"), at1004, at1007, "2024-1-2 10:5"},
        {DailyAt(L"10:4"), at1004, at1007, "none"},                             // handled already
        {DailyAt(L"10:7"), at1004, at1007, "none"},                             // due now: the tick's own minute check
        {DailyHourly(L"5"), Time(2024, 1, 2, 7, 50), at1007, "2024-1-2 10:5"},  // missed three times, the latest once
        {Entry(kDateUnitWeekly, L"2", kTimeUnitAtTime, L"0:10"), Time(2024, 1, 1, 23, 50), Time(2024, 1, 2, 0, 20),
         "2024-1-2 0:10"},
        {Entry(kDateUnitWeekly, L"1", kTimeUnitAtTime, L"0:10"), Time(2024, 1, 1, 23, 50), Time(2024, 1, 2, 0, 20),
         "none"},
        {Entry(kDateUnitMonthly, L"1", kTimeUnitAtTime, L"0:30"), Time(2024, 1, 31, 23, 0), Time(2024, 2, 1, 1, 0),
         "2024-2-1 0:30"},
        {Entry(kDateUnitYearly, L"2/29", kTimeUnitAtTime, L"9:0"), Time(2024, 2, 28, 20, 0), Time(2024, 2, 29, 10, 0),
         "2024-2-29 9:0"},
        {Entry(kDateUnitYearly, L"2/29", kTimeUnitAtTime, L"9:0"), Time(2023, 2, 28, 20, 0), Time(2023, 3, 1, 10, 0),
         "none"},
        {DailyAt(L"10:1"), Time(2024, 1, 1, 0, 0), Time(2024, 1, 5, 10, 0), "2024-1-4 10:1"},  // a day back at most
        {DailyAt(L"10:0"), Time(2024, 1, 1, 0, 0), Time(2024, 1, 5, 10, 0), "none"},
        {DailyHourly(L"75"), Time(2024, 1, 1, 0, 0), Time(2024, 1, 2, 0, 0), "none"},
        {DailyAt(L"10:5"), at1007, at1004, "none"},  // the clock went back
    };
    for (const Row& row : rows) {
        const std::vector<MissedAlarm> missed = SelectMissed(ListOf({row.entry}), row.last, row.now);
        EXPECT_LE(missed.size(), 1u);
        EXPECT_EQ(DueText(missed), row.due) << ::testing::PrintToString(row.entry.TimeDetail);
    }
}

TEST(AlarmRulesTest, MissedAlarmsComeInTheOrderTheyFellDue) {
    const AlarmList all = ListOf({DailyAt(L"10:6", L"b"), DailyAt(L"10:5", L"a"), DailyHourly(L"6", L"c")});
    std::wstring order;
    for (const MissedAlarm& missed : SelectMissed(all, Time(2024, 1, 2, 9, 0), Time(2024, 1, 2, 10, 10)))
        order += missed.entry.Subject;
    EXPECT_EQ(order, L"abc");
}
