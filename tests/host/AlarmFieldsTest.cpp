#include <gtest/gtest.h>

#include <climits>

#include "alarms/AlarmFields.h"

TEST(AlarmFieldsTest, DecimalPrefixTakesLeadingDigits) {
    EXPECT_EQ(ReadDecimalPrefix(L"15"), 15);
    EXPECT_EQ(ReadDecimalPrefix(L"007"), 7);
    EXPECT_EQ(ReadDecimalPrefix(L"1x"), 1);
    EXPECT_EQ(ReadDecimalPrefix(L"12/24"), 12);
    EXPECT_EQ(ReadDecimalPrefix(L"18:5"), 18);
}

TEST(AlarmFieldsTest, DecimalPrefixSkipsBlanksAndTakesASign) {
    EXPECT_EQ(ReadDecimalPrefix(L"  7"), 7);
    EXPECT_EQ(ReadDecimalPrefix(L"\t-3"), -3);
    EXPECT_EQ(ReadDecimalPrefix(L"+4"), 4);
    EXPECT_EQ(ReadDecimalPrefix(L"-0"), 0);
}

TEST(AlarmFieldsTest, DecimalPrefixWithoutDigitsIsZero) {
    EXPECT_EQ(ReadDecimalPrefix(L""), 0);
    EXPECT_EQ(ReadDecimalPrefix(L"NULL"), 0);
    EXPECT_EQ(ReadDecimalPrefix(L"-"), 0);
    EXPECT_EQ(ReadDecimalPrefix(L"- 5"), 0);
    EXPECT_EQ(ReadDecimalPrefix(L"x5"), 0);
    EXPECT_EQ(ReadDecimalPrefix(L"１５"), 0);  // full-width digits are not digits
}

TEST(AlarmFieldsTest, DecimalPrefixSaturatesAtTheLimitsOfInt) {
    EXPECT_EQ(ReadDecimalPrefix(L"2147483647"), INT_MAX);
    EXPECT_EQ(ReadDecimalPrefix(L"2147483648"), INT_MAX);
    EXPECT_EQ(ReadDecimalPrefix(L"-2147483648"), INT_MIN);
    EXPECT_EQ(ReadDecimalPrefix(L"-2147483649"), INT_MIN);
    EXPECT_EQ(ReadDecimalPrefix(std::wstring(100000, L'9')), INT_MAX);
    EXPECT_EQ(ReadDecimalPrefix(L"-" + std::wstring(100000, L'9')), INT_MIN);
}

TEST(AlarmFieldsTest, SplitAtFirstSeparator) {
    const FieldParts parts = SplitAtFirst(L"1/2/3", L'/');
    EXPECT_EQ(parts.Before, L"1");
    EXPECT_EQ(parts.After, L"2/3");
    EXPECT_EQ(SplitAtFirst(L"/5", L'/').Before, L"");
    EXPECT_EQ(SplitAtFirst(L"/5", L'/').After, L"5");
    EXPECT_EQ(SplitAtFirst(L"5/", L'/').Before, L"5");
    EXPECT_EQ(SplitAtFirst(L"5/", L'/').After, L"");
}

TEST(AlarmFieldsTest, MissingSeparatorGivesEmptyBeforeAndWholeAfter) {
    const FieldParts parts = SplitAtFirst(L"1224", L'/');
    EXPECT_EQ(parts.Before, L"");
    EXPECT_EQ(parts.After, L"1224");
}

TEST(AlarmFieldsTest, MonthDayHourMinuteOfAnEntry) {
    AlarmEntry entry;
    entry.DateDetail = L"12/24";
    entry.TimeDetail = L"18:5";
    EXPECT_EQ(MonthOf(entry), 12);
    EXPECT_EQ(DayOf(entry), 24);
    EXPECT_EQ(HourOf(entry), 18);
    EXPECT_EQ(MinuteOf(entry), 5);
}

TEST(AlarmFieldsTest, MissingSeparatorsReadAsZeroAndTheWholeField) {
    AlarmEntry entry;
    entry.DateDetail = L"1224";
    entry.TimeDetail = L"30";
    EXPECT_EQ(MonthOf(entry), 0);
    EXPECT_EQ(DayOf(entry), 1224);
    EXPECT_EQ(HourOf(entry), 0);
    EXPECT_EQ(MinuteOf(entry), 30);
}
