#include <gtest/gtest.h>

#include <vector>

#include "AlarmTestPrinters.h"
#include "alarms/AlarmListRows.h"
#include "alarms/AlarmSchedule.h"

namespace {

AlarmEntry Weekly(const wchar_t* weekday, const wchar_t* time) {
    return AlarmEntry{L"朝", L"NULL", L"起きて", L"毎週", weekday, L"指定の時刻", time};
}

}  // namespace

TEST(AlarmListRowsTest, RowIconFollowsSoundAndMessage) {
    struct Case {
        const wchar_t* sound;
        const wchar_t* message;
        AlarmImage image;
    };
    const Case cases[] = {
        {L"C:\\a.wav", L"本文", kAlarmImageSoundAndMessage},
        {L"C:\\a.wav", L"", kAlarmImageSound},
        {L"NULL", L"本文", kAlarmImageMessage},
        {L"NULL", L"", kAlarmImageMessage},
        // An empty sound plays no own sound either.
        {L"", L"本文", kAlarmImageMessage},
        {L"", L"", kAlarmImageMessage},
        {L"null", L"", kAlarmImageSound},
    };
    for (const Case& c : cases) {
        const AlarmEntry entry{L"件名", c.sound, c.message, L"毎日", L"NULL", L"毎時", L"0"};
        EXPECT_EQ(RowImageOf(entry), c.image) << testing::PrintToString(entry);
    }
}

TEST(AlarmListRowsTest, RowTextsCarryTheWholeRecord) {
    const AlarmEntry entry{L"鐘", L"C:\\a.wav", L"一行目\r\n二行目", L"毎年", L"12/24", L"指定の時刻", L"18:5"};
    const AlarmRowTexts texts = RowTextsOf(entry);
    EXPECT_EQ(texts[0], L"鐘");
    EXPECT_EQ(texts[1], L"12月24日18時5分");
    EXPECT_EQ(EntryOfRow(texts), entry);
}

TEST(AlarmListRowsTest, RowsMatchOnlyRecordsEqualInAllSevenFields) {
    AlarmList list;
    for (const AlarmEntry& entry : {Weekly(L"1", L"7:30"), Weekly(L"2", L"7:30"), Weekly(L"1", L"7:31"),
                                    Weekly(L"1", L"7:30"), Weekly(L"2", L"7:30")}) {
        list.Append(entry);
    }
    struct Case {
        AlarmEntry row;
        std::vector<std::size_t> matches;
    };
    const Case cases[] = {
        {Weekly(L"1", L"7:30"), {0, 3}},
        {Weekly(L"2", L"7:30"), {1, 4}},
        {Weekly(L"1", L"7:31"), {2}},
        {Weekly(L"3", L"7:30"), {}},
        {AlarmEntry{L"朝", L"", L"起きて", L"毎週", L"1", L"指定の時刻", L"7:30"}, {}},
    };
    for (const Case& c : cases) {
        const AlarmEntry row = EntryOfRow(RowTextsOf(c.row));
        EXPECT_EQ(FindRowEntries(list, row), c.matches) << testing::PrintToString(c.row);
        const std::optional<std::size_t> first = FindRowEntry(list, row);
        EXPECT_EQ(first.has_value(), !c.matches.empty());
        if (first) {
            EXPECT_EQ(*first, c.matches.front());
        }
    }
}

TEST(AlarmListRowsTest, DeleteAsksWithTheSubjectInQuotes) {
    EXPECT_EQ(DeleteQuestion(L"朝の鐘"), L"'朝の鐘' を削除しますか?");
}
