#include <gtest/gtest.h>

#include <utility>

#include "AlarmTestPrinters.h"
#include "TextCodecIconv.h"
#include "alarms/AlarmRules.h"
#include "content/MessageFile.h"

namespace {

// Test inputs are written in UTF-8 here and stored in code page 932, as the
// shipped files are.
AlarmList Read(std::string_view bytes) {
    const IconvCp932Codec codec;
    return ReadAlarmList(bytes, codec);
}

AlarmList ReadUtf8Source(std::string_view text) { return Read(Cp932FromUtf8(text)); }

std::string Write(const AlarmList& list) {
    const IconvCp932Codec codec;
    return WriteAlarmList(list, codec);
}

AlarmList ListOf(std::initializer_list<AlarmEntry> entries) {
    AlarmList list;
    for (const AlarmEntry& entry : entries) list.Append(entry);
    return list;
}

const AlarmEntry kMonday{L"朝会", L"NULL", L"資料を持つ\r\n会議室A", L"毎週", L"1", L"指定の時刻", L"7:30"};
const std::string kMondayUtf8 =
    "朝会\r\nNULL\r\n[\r\n資料を持つ\r\n会議室A\r\n]\r\n毎週\r\n1\r\n指定の時刻\r\n7:30\r\n";

AlarmEntry WithMessage(std::wstring message) {
    AlarmEntry entry = kMonday;
    entry.Message = std::move(message);
    return entry;
}

}  // namespace

// As another tool wrote them, in code page 932 or UTF-8 after a mark; a record cut
// short gets empty fields.
TEST(DataFileMessageTest, ReadsWholeRecordsAndCutOnes) {
    const std::pair<std::string, AlarmList> cases[] = {
        {Cp932FromUtf8(kMondayUtf8), ListOf({kMonday})},
        {"\xEF\xBB\xBF" + kMondayUtf8, ListOf({kMonday})},
        {"s", ListOf({AlarmEntry{L"s", L"", L"", L"", L"", L"", L""}})},
        {"s\nw.wav\n", ListOf({AlarmEntry{L"s", L"w.wav", L"", L"", L"", L"", L""}})},
        {Cp932FromUtf8("s\nNULL\n[\nm\n]\n毎年\n12/24"),
         ListOf({AlarmEntry{L"s", L"NULL", L"m", L"毎年", L"12/24", L"", L""}})},
        {"s\nNULL\n[", ListOf({AlarmEntry{L"s", L"NULL", L"", L"", L"", L"", L""}})},
    };
    for (const auto& [bytes, list] : cases) EXPECT_EQ(Read(bytes), list) << testing::PrintToString(bytes);
    EXPECT_TRUE(Read("").IsEmpty());
}

TEST(DataFileMessageTest, ReadsRecordsOneAfterAnother) {
    const AlarmList list =
        ReadUtf8Source("a\nC:\\a.wav\n[\n]\n毎日\nNULL\n毎時\n0\nb\nNULL\n[\nx\n]\n毎月\n15\n毎時\n5\n");
    ASSERT_EQ(list.Count(), 2u);
    EXPECT_EQ(list.At(0).Sound, L"C:\\a.wav");
    EXPECT_EQ(list.At(0).Message, L"");
    EXPECT_EQ(list.At(1).Subject, L"b");
    EXPECT_EQ(list.At(1).Message, L"x");
    EXPECT_EQ(list.At(1).TimeDetail, L"5");
}

// An empty body with or without an empty line is empty; a bare CR or LF starts a new line.
TEST(DataFileMessageTest, MessagesReadAsWritten) {
    const std::pair<AlarmList, std::wstring> cases[] = {
        {Read("s\nNULL\n[\n]\nd\nD\nt\nT\n"), L""},
        {Read("s\nNULL\n[\n\n]\nd\nD\nt\nT\n"), L""},
        {Read("s\nNULL\n[\n\n\n]\nd\nD\nt\nT\n"), L"\r\n"},
        {Read(Write(ListOf({WithMessage(L"a\nb\rc")}))), L"a\r\nb\r\nc"},
    };
    for (const auto& [list, message] : cases) EXPECT_EQ(list.At(0).Message, message);
}

TEST(DataFileMessageTest, ThirdLineOtherThanOpenIsDropped) {
    const AlarmList list = ReadUtf8Source("s\nNULL\nbody?\n毎日\nNULL\n毎時\n0\n");
    ASSERT_EQ(list.Count(), 1u);
    EXPECT_EQ(list.At(0).Message, L"");
    EXPECT_EQ(list.At(0).DateUnit, L"毎日");
    EXPECT_EQ(list.At(0).TimeDetail, L"0");
}

TEST(DataFileMessageTest, CloseLineInsideTheMessageEndsItEarly) {
    // The message was meant to be "a", "]", "b", "c".
    const AlarmList list = ReadUtf8Source("s\nNULL\n[\na\n]\nb\nc\n]\n毎日\nNULL\n毎時\n0\n");
    ASSERT_EQ(list.Count(), 2u);
    EXPECT_EQ(list.At(0), (AlarmEntry{L"s", L"NULL", L"a", L"b", L"c", L"]", L"毎日"}));
    EXPECT_EQ(list.At(1), (AlarmEntry{L"NULL", L"毎時", L"", L"", L"", L"", L""}));
}

TEST(DataFileMessageTest, UnclosedBodyRunsToTheEndAndNeverFires) {
    const AlarmList list = ReadUtf8Source("s\nNULL\n[\nline 1\n毎日\nNULL\n毎時\n0");
    ASSERT_EQ(list.Count(), 1u);
    EXPECT_EQ(list.At(0).Message, L"line 1\r\n毎日\r\nNULL\r\n毎時\r\n0");
    EXPECT_EQ(list.At(0).DateUnit, L"");
    EXPECT_EQ(list.At(0).TimeDetail, L"");
    for (int hour = 0; hour < 24; ++hour) {
        EXPECT_TRUE(SelectDueThisHour(list, LocalDateHour{1, 1, 0, hour}).IsEmpty());
    }
}

TEST(DataFileMessageTest, WriterLaysOutTheRecord) { EXPECT_EQ(Write(ListOf({kMonday})), Cp932FromUtf8(kMondayUtf8)); }

TEST(DataFileMessageTest, EmptySoundIsWrittenAsNull) {
    const AlarmEntry entry{L"s", L"", L"", L"毎日", L"NULL", L"毎時", L"0"};
    EXPECT_EQ(Write(ListOf({entry})), Cp932FromUtf8("s\r\nNULL\r\n[\r\n\r\n]\r\n毎日\r\nNULL\r\n毎時\r\n0\r\n"));
    EXPECT_EQ(Read(Write(ListOf({entry}))).At(0).Sound, L"NULL");
}

TEST(DataFileMessageTest, CloseLineInAMessageCannotShiftTheRecords) {
    const AlarmList list = ListOf({WithMessage(L"a\r\n]\r\nb"), kMonday});
    const AlarmList back = Read(Write(list));
    ASSERT_EQ(back.Count(), 2u);
    EXPECT_EQ(back.At(0).Message, L"a\r\n] \r\nb");
    EXPECT_EQ(back.At(0).TimeDetail, L"7:30");
    EXPECT_EQ(back.At(1), kMonday);
}

TEST(DataFileMessageTest, LineBreakInAOneLineFieldCannotShiftTheRecords) {
    AlarmEntry first = kMonday;
    first.Subject = L"two\r\nlines";
    const AlarmList back = Read(Write(ListOf({first, kMonday})));
    ASSERT_EQ(back.Count(), 2u);
    EXPECT_EQ(back.At(0).Subject, L"two lines");
    EXPECT_EQ(back.At(1), kMonday);
}

TEST(DataFileMessageTest, WrittenListsReadBack) {
    const AlarmList lists[] = {
        ListOf({WithMessage(L"a\r\n")}),  // the trailing line break of a message survives
        ListOf({
            kMonday,
            AlarmEntry{L"", L"C:\\音\\鐘.wav", L"", L"毎年", L"2/29", L"毎時", L"0"},
            AlarmEntry{L"[", L"NULL", L"[\r\n\r\n", L"毎月", L"31", L"指定の時刻", L"24:75"},
            kMonday,
        }),
    };
    for (const AlarmList& list : lists) EXPECT_EQ(Read(Write(list)), list);
}

TEST(DataFileMessageTest, TextOutsideCp932SurvivesAsUtf8) {
    for (const wchar_t* text : {L"𠮷野家", L"한국어", L"😀 party"}) {
        AlarmEntry entry = kMonday;
        entry.Subject = text;
        entry.Message = std::wstring(L"本文 ") + text;
        const AlarmList list = ListOf({kMonday, entry});
        const std::string bytes = Write(list);
        EXPECT_TRUE(bytes.starts_with("\xEF\xBB\xBF"));
        EXPECT_EQ(Read(bytes), list);
    }
}

TEST(DataFileMessageTest, FittingTextIsWrittenWithoutByteOrderMark) {
    const std::string bytes = Write(ListOf({kMonday}));
    EXPECT_FALSE(bytes.starts_with("\xEF\xBB\xBF"));
}
