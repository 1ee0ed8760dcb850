// The data files through the code page conversion the program ships, not a test codec.
#include <windows.h>

#include <gtest/gtest.h>

#include <random>

#include "../host/DataFileRoundTrip.h"
#include "ClockTestSupport.h"
#include "WineTestSupport.h"
#include "clock/CClockDialog.h"
#include "ui/Cp932Codec.h"

namespace {

TEST(DataFileCodecTest, EveryTwoByteLineComesBackByteForByte) {
    const ui::Cp932Codec codec;
    int escaped = 0;
    for (int first = 0; first < 256; ++first) {
        for (int second = 0; second < 256; ++second) {
            const std::string line{static_cast<char>(first), static_cast<char>(second)};
            if (line.find_first_of("\r\n") != std::string::npos) continue;
            const std::wstring text = DecodeAnsiLine(line, codec);
            escaped += HasEscapedBytes(text) ? 1 : 0;
            ASSERT_EQ(EncodeAnsiLine(text, codec), std::optional<std::string>(line)) << first << " " << second;
        }
    }
    EXPECT_GT(escaped, 0);  // some pairs are not code page 932 at all
}

TEST(DataFileCodecTest, RandomFilesAgreeWithThemselves) {
    const ui::Cp932Codec codec;
    const std::string_view starts[] = {"", "", "\xEF\xBB\xBF", "\xFF\xFE", "\xFE\xFF"};
    const std::string_view pieces[] = {"\r\n", "\n", "\r", "[", "]", "NULL", "[Exit]", "\x82\xA0", "\x96\x88", "\x82"};
    std::mt19937 random(932);
    for (int i = 0; i < 400; ++i) {
        std::string bytes(starts[random() % std::size(starts)]);
        for (int n = random() % 48; n > 0; --n) {
            if (random() % 3 == 0)
                bytes += pieces[random() % std::size(pieces)];
            else
                bytes.push_back(static_cast<char>(random() % 256));
        }
        ASSERT_EQ(datafiles_test::RoundTripFailure(bytes, codec), "") << testing::PrintToString(bytes);
    }
}

// A Message.ini as another tool left it, the alarm it holds, and what saving it with
// one alarm more leaves on disk.
struct SavedMessageFile {
    const char* what;
    std::string stored;
    AlarmEntry read;
    AlarmEntry added;
    std::string saved;
};

TEST(DataFileCodecTest, TheClockSavesMessageFilesInOneValidEncoding) {
    const std::wstring morning = L"朝会\r\nNULL\r\n[\r\n会議室へ\r\n]\r\n毎週\r\n1\r\n指定の時刻\r\n9:30\r\n";
    const std::wstring tea = L"休憩\r\nNULL\r\n[\r\nお茶\r\n]\r\n毎年\r\n1/1\r\n指定の時刻\r\n7:0\r\n";
    const std::wstring cake = L"誕生日\r\nNULL\r\n[\r\n🎂\r\n]\r\n毎年\r\n12/24\r\n指定の時刻\r\n18:5\r\n";
    const SavedMessageFile files[] = {
        // UTF-16 without a mark stays so.
        {"UTF-16 LE without a mark",
         Utf16Le(morning),
         {L"朝会", L"NULL", L"会議室へ", L"毎週", L"1", L"指定の時刻", L"9:30"},
         {L"休憩", L"NULL", L"お茶", L"毎年", L"1/1", L"指定の時刻", L"7:0"},
         Utf16Le(morning + tea)},
        // Code page 932 cannot hold the cake: UTF-8 after a mark, U+FFFD for the broken bytes.
        {"code page 932 with broken bytes",
         Cp932(L"朝会") + "\x82\r\nNULL\r\n[\r\n\x81 \x82\r\n]\r\n" + Cp932(L"毎週\r\n1\r\n指定の時刻\r\n9:30\r\n"),
         {L"朝会\xDC82", L"NULL", L"\xDC81 \xDC82", L"毎週", L"1", L"指定の時刻", L"9:30"},
         {L"誕生日", L"NULL", L"🎂", L"毎年", L"12/24", L"指定の時刻", L"18:5"},
         kUtf8Mark +
             Utf8(L"朝会\uFFFD\r\nNULL\r\n[\r\n\uFFFD \uFFFD\r\n]\r\n毎週\r\n1\r\n指定の時刻\r\n9:30\r\n" + cake)},
    };
    for (const SavedMessageFile& file : files) {
        SCOPED_TRACE(file.what);
        TestWorld world;
        world.folder.WriteData(L"Message.ini", file.stored);
        {
            RunningClock clock(world);
            AlarmList alarms = clock.Dialog()->Snapshot().alarms;
            ASSERT_EQ(alarms.Count(), 1u);
            EXPECT_EQ(alarms.At(0), file.read);
            alarms.Append(file.added);
            clock.Dialog()->SetAlarms(alarms);
            clock.Dialog()->SaveAll();
        }
        EXPECT_TRUE(world.messageBoxes.empty());
        EXPECT_EQ(world.folder.ReadData(L"Message.ini"), file.saved);
        // The next start reads the saved file back.
        RunningClock again(world);
        ASSERT_EQ(again.Dialog()->Snapshot().alarms.Count(), 2u);
        EXPECT_EQ(again.Dialog()->Snapshot().alarms.At(1), file.added);
    }
}

}  // namespace
