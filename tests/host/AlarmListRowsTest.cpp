#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "AlarmTestPrinters.h"
#include "alarms/AlarmListRows.h"

namespace {

AlarmEntry Weekly(const wchar_t* weekday, const wchar_t* time, const wchar_t* sound = L"NULL") {
    return AlarmEntry{L"朝", sound, L"起きて", L"毎週", weekday, L"指定の時刻", time};
}

}  // namespace

TEST(AlarmListRowsTest, RowIconFollowsSoundAndMessage) {
    const std::tuple<const wchar_t*, const wchar_t*, AlarmImage> cases[] = {
        {L"C:\\a.wav", L"本文", kAlarmImageSoundAndMessage},
        {L"C:\\a.wav", L"", kAlarmImageSound},
        {L"NULL", L"本文", kAlarmImageMessage},
        {L"NULL", L"", kAlarmImageMessage},
        {L"", L"本文", kAlarmImageMessage},  // an empty sound plays no own sound either
        {L"", L"", kAlarmImageMessage},
        {L"null", L"", kAlarmImageSound},
    };
    for (const auto& [sound, message, image] : cases) {
        const AlarmEntry entry{L"件名", sound, message, L"毎日", L"NULL", L"毎時", L"0"};
        EXPECT_EQ(RowImageOf(entry), image) << testing::PrintToString(entry);
    }
}

TEST(AlarmListRowsTest, RowsMatchOnlyRecordsEqualInAllSevenFields) {
    AlarmList list;
    for (const AlarmEntry& entry : {Weekly(L"1", L"7:30"), Weekly(L"2", L"7:30"), Weekly(L"1", L"7:31"),
                                    Weekly(L"1", L"7:30"), Weekly(L"2", L"7:30")}) {
        list.Append(entry);
    }
    const std::pair<AlarmEntry, std::vector<std::size_t>> cases[] = {
        {Weekly(L"1", L"7:30"), {0, 3}}, {Weekly(L"2", L"7:30"), {1, 4}},  {Weekly(L"1", L"7:31"), {2}},
        {Weekly(L"3", L"7:30"), {}},     {Weekly(L"1", L"7:30", L""), {}},
    };
    for (const auto& [record, matches] : cases) {
        EXPECT_EQ(FindRowEntries(list, record), matches) << testing::PrintToString(record);
        const auto first = matches.empty() ? std::nullopt : std::optional(matches.front());
        EXPECT_EQ(FindRowEntry(list, record), first);
    }
}

// Rows sort by their key; equal keys keep list order, an added row goes after its equals,
// an edited row stays put, and the columns show the record's texts.
TEST(AlarmListRowsTest, RowsKeepTheirOrderThroughAddEditAndRemove) {
    AlarmRowOrder rows([](const std::wstring& subject) { return std::string(subject.begin(), subject.end()); });
    AlarmList list;
    for (const wchar_t* subject : {L"c", L"a", L"b", L"a"}) {
        list.Append(AlarmEntry{subject, L"NULL", std::wstring(L"#") + std::to_wstring(list.Count()), L"毎日", L"NULL",
                               L"毎時", L"5"});
    }
    auto order = [&] {
        std::wstring shown;
        for (std::size_t row = 0; row < rows.Count(); ++row) {
            shown += RowTextOf(rows.At(row), 0) + RowTextOf(rows.At(row), 3) + L" ";
        }
        return shown;
    };
    rows.Fill(list);
    EXPECT_EQ(order(), L"a#1 a#3 b#2 c#0 ");
    EXPECT_EQ(rows.Insert(AlarmEntry{L"a", L"NULL", L"#4", {}, {}, {}, {}}), 2u);
    rows.Replace(0, AlarmEntry{L"z", L"NULL", L"#1", {}, {}, {}, {}});
    EXPECT_EQ(rows.Insert(AlarmEntry{L"b", L"NULL", L"#5", {}, {}, {}, {}}), 4u);
    rows.Remove(1);
    EXPECT_EQ(order(), L"z#1 a#4 b#2 b#5 c#0 ");
    EXPECT_EQ(RowTextOf(list.At(0), 1), L"毎時5分");
    EXPECT_EQ(RowTextOf(list.At(0), 8), L"");
}
