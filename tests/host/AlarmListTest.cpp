#include <gtest/gtest.h>

#include <stdexcept>

#include "content/AlarmEntry.h"

namespace {

AlarmEntry Named(const wchar_t* subject) {
    AlarmEntry entry;
    entry.Subject = subject;
    return entry;
}

std::vector<std::wstring> Subjects(const AlarmList& list) {
    std::vector<std::wstring> subjects;
    for (const AlarmEntry& entry : list) {
        subjects.push_back(entry.Subject);
    }
    return subjects;
}

using Field = std::wstring AlarmEntry::*;
const Field kFields[] = {
    &AlarmEntry::Subject,    &AlarmEntry::Sound,    &AlarmEntry::Message,    &AlarmEntry::DateUnit,
    &AlarmEntry::DateDetail, &AlarmEntry::TimeUnit, &AlarmEntry::TimeDetail,
};

}  // namespace

TEST(AlarmEntryTest, DefaultHoldsSevenEmptyFields) {
    const AlarmEntry entry;
    for (Field field : kFields) {
        EXPECT_TRUE((entry.*field).empty());
    }
}

TEST(AlarmEntryTest, EntriesDifferingInAnyOneFieldAreNotEqual) {
    const AlarmEntry base{L"件名", L"NULL", L"本文", L"毎日", L"NULL", L"毎時", L"15"};
    for (Field field : kFields) {
        AlarmEntry other = base;
        EXPECT_EQ(other, base);
        other.*field += L"x";
        EXPECT_NE(other, base);
    }
}

TEST(AlarmEntryTest, ComparisonIsCaseSensitive) {
    AlarmEntry lower = Named(L"null");
    AlarmEntry upper = Named(L"NULL");
    EXPECT_NE(lower, upper);
}

TEST(AlarmEntryTest, CopyIsIndependentOfTheOriginal) {
    AlarmEntry original = Named(L"a");
    AlarmEntry copy = original;
    copy.Subject = L"b";
    EXPECT_EQ(original.Subject, L"a");
}

TEST(AlarmListTest, AppendKeepsOrderAndCount) {
    AlarmList list;
    EXPECT_TRUE(list.IsEmpty());
    list.Append(Named(L"a"));
    list.Append(Named(L"b"));
    list.Append(Named(L"a"));
    EXPECT_EQ(list.Count(), 3u);
    EXPECT_EQ(Subjects(list), (std::vector<std::wstring>{L"a", L"b", L"a"}));
    EXPECT_EQ(list.At(1).Subject, L"b");
}

TEST(AlarmListTest, ReplaceChangesOnlyThatPosition) {
    AlarmList list;
    list.Append(Named(L"a"));
    list.Append(Named(L"b"));
    EXPECT_TRUE(list.Replace(1, Named(L"c")));
    EXPECT_EQ(Subjects(list), (std::vector<std::wstring>{L"a", L"c"}));
    EXPECT_FALSE(list.Replace(2, Named(L"d")));
    EXPECT_EQ(Subjects(list), (std::vector<std::wstring>{L"a", L"c"}));
}

TEST(AlarmListTest, RemoveAtClosesTheGap) {
    AlarmList list;
    for (const wchar_t* name : {L"a", L"b", L"c"}) {
        list.Append(Named(name));
    }
    EXPECT_TRUE(list.RemoveAt(1));
    EXPECT_EQ(Subjects(list), (std::vector<std::wstring>{L"a", L"c"}));
    EXPECT_FALSE(list.RemoveAt(2));
    EXPECT_TRUE(list.RemoveAt(0));
    EXPECT_EQ(Subjects(list), (std::vector<std::wstring>{L"c"}));
}

TEST(AlarmListTest, RemoveAllEmptiesTheList) {
    AlarmList list;
    list.Append(Named(L"a"));
    list.RemoveAll();
    EXPECT_EQ(list.Count(), 0u);
    EXPECT_EQ(list, AlarmList());
}

TEST(AlarmListTest, AtPastTheEndThrows) {
    AlarmList list;
    list.Append(Named(L"a"));
    EXPECT_THROW((void)list.At(1), std::out_of_range);
}

TEST(AlarmListTest, HoldsCopies) {
    AlarmEntry entry = Named(L"a");
    AlarmList list;
    list.Append(entry);
    entry.Subject = L"b";
    AlarmList copy = list;
    copy.Replace(0, entry);
    EXPECT_EQ(list.At(0).Subject, L"a");
    EXPECT_EQ(copy.At(0).Subject, L"b");
}
