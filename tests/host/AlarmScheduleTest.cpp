#include <gtest/gtest.h>

#include "alarms/AlarmSchedule.h"

namespace {

std::wstring Format(std::wstring_view dateUnit, const wchar_t* dateDetail, std::wstring_view timeUnit,
                    const wchar_t* timeDetail) {
    const AlarmEntry entry{L"件名",   L"NULL", L"", std::wstring(dateUnit), dateDetail, std::wstring(timeUnit),
                           timeDetail};
    return FormatSchedule(entry);
}

}  // namespace

TEST(AlarmScheduleTest, WeeklyAtTime) {
    EXPECT_EQ(Format(kDateUnitWeekly, L"1", kTimeUnitAtTime, L"7:30"), L"毎週月曜日7時30分");
}

TEST(AlarmScheduleTest, YearlyAtTime) {
    EXPECT_EQ(Format(kDateUnitYearly, L"12/24", kTimeUnitAtTime, L"18:5"), L"12月24日18時5分");
    EXPECT_EQ(Format(kDateUnitYearly, L"1/1", kTimeUnitAtTime, L"9:0"), L"1月1日9時0分");
}

TEST(AlarmScheduleTest, DailyHourlyIsTheTimePartAlone) {
    EXPECT_EQ(Format(kDateUnitDaily, L"NULL", kTimeUnitHourly, L"30"), L"毎時30分");
    EXPECT_EQ(Format(kDateUnitDaily, L"NULL", kTimeUnitHourly, L"0"), L"毎時0分");
}

TEST(AlarmScheduleTest, DailyAtTimeKeepsTheDatePart) {
    EXPECT_EQ(Format(kDateUnitDaily, L"NULL", kTimeUnitAtTime, L"0:0"), L"毎日0時0分");
}

TEST(AlarmScheduleTest, MonthlyHourlyKeepsBothParts) {
    EXPECT_EQ(Format(kDateUnitMonthly, L"15", kTimeUnitHourly, L"0"), L"毎月15日毎時0分");
    EXPECT_EQ(Format(kDateUnitYearly, L"12/24", kTimeUnitHourly, L"5"), L"12月24日毎時5分");
}

TEST(AlarmScheduleTest, MonthlyDayAndHourlyMinuteAreShownAsStored) {
    EXPECT_EQ(Format(kDateUnitMonthly, L"05", kTimeUnitHourly, L"07"), L"毎月05日毎時07分");
}

TEST(AlarmScheduleTest, EveryWeekdayHasItsName) {
    const wchar_t* expected[] = {L"毎週日曜日", L"毎週月曜日", L"毎週火曜日", L"毎週水曜日",
                                 L"毎週木曜日", L"毎週金曜日", L"毎週土曜日"};
    for (int day = 0; day < 7; ++day) {
        const std::wstring detail = std::to_wstring(day);
        EXPECT_EQ(Format(kDateUnitWeekly, detail.c_str(), kTimeUnitAtTime, L"7:30"),
                  std::wstring(expected[day]) + L"7時30分");
    }
}

TEST(AlarmScheduleTest, WeekdayOutOfRangeGivesNoDatePart) {
    EXPECT_EQ(Format(kDateUnitWeekly, L"7", kTimeUnitAtTime, L"7:30"), L"7時30分");
    EXPECT_EQ(Format(kDateUnitWeekly, L"-1", kTimeUnitAtTime, L"7:30"), L"7時30分");
}

TEST(AlarmScheduleTest, YearlyWithoutSlashShowsMonthWordThenField) {
    EXPECT_EQ(Format(kDateUnitYearly, L"1224", kTimeUnitAtTime, L"9:0"), L"月1224日9時0分");
}

TEST(AlarmScheduleTest, AtTimeWithoutColonShowsHourWordThenField) {
    EXPECT_EQ(Format(kDateUnitDaily, L"NULL", kTimeUnitAtTime, L"30"), L"毎日時30分");
}

TEST(AlarmScheduleTest, UnknownUnitsGiveEmptyParts) {
    EXPECT_EQ(Format(L"毎秒", L"1", kTimeUnitAtTime, L"7:30"), L"7時30分");
    EXPECT_EQ(Format(kDateUnitMonthly, L"3", L"", L"7:30"), L"毎月3日");
    EXPECT_EQ(Format(L"", L"", L"", L""), L"");
}
