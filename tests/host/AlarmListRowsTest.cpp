#include <gtest/gtest.h>

#include <optional>
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
        // The row is read back from the texts the list view holds.
        const AlarmEntry row = EntryOfRow(RowTextsOf(record));
        EXPECT_EQ(FindRowEntries(list, row), matches) << testing::PrintToString(record);
        const auto first = matches.empty() ? std::nullopt : std::optional(matches.front());
        EXPECT_EQ(FindRowEntry(list, row), first);
    }
}
