#include <gtest/gtest.h>

#include <random>

#include "AlarmTestPrinters.h"
#include "DataFileRoundTrip.h"
#include "TextCodecIconv.h"
#include "content/TextLines.h"

namespace {

// Pieces that the file formats react to, mixed with random bytes.
const std::string_view kPieces[] = {
    "[",
    "]",
    "[Boot]",
    "[Exit]",
    "[Time]",
    "[Away]",
    "[Alarm]",
    "[Return]",
    "[Minimize]",
    "[Restore]",
    "[Update]",
    "NULL",
    "\xE6\xAF\x8E\xE6\x97\xA5",
    "\x96\x88\x93\xfa",
    "12/24",
    "7:30",
    "-1",
    "1x",
    "\r\n",
    "\n",
    "\r",
    "\r\n",
    "\n",
    " ",
    "\x82",
    "\x82\xA0",
    "\xF0\xA0\xAE\xB7",
    "\xEF\xBB\xBF",
    "\xED\x95\x9C",
    // NULs, as UTF-16 without a mark holds them.
    std::string_view("\0", 1),
    std::string_view("\r\0\n\0", 4),
    std::string_view("\0\r\0\n", 4),
};

std::string RandomFile(std::mt19937& random) {
    std::uniform_int_distribution<std::size_t> piece(0, std::size(kPieces));
    std::uniform_int_distribution<int> byte(0, 255);
    std::uniform_int_distribution<int> length(0, 40);
    std::string bytes;
    // Some files start with a byte-order mark: UTF-8, UTF-16 LE or UTF-16 BE.
    const std::string_view marks[] = {kUtf8Bom, "\xFF\xFE", "\xFE\xFF"};
    if (const std::size_t mark = random() % 8; mark < std::size(marks)) {
        bytes += marks[mark];
    }
    for (int n = length(random); n > 0; --n) {
        const std::size_t which = piece(random);
        if (which == std::size(kPieces)) {
            bytes.push_back(static_cast<char>(byte(random)));
        } else {
            bytes += kPieces[which];
        }
    }
    return bytes;
}

}  // namespace

TEST(DataFileRobustnessTest, RandomFilesReadWriteAndReadBackTheSame) {
    const IconvCp932Codec codec;
    std::mt19937 random(20240601);
    for (int i = 0; i < 1000; ++i) {
        const std::string bytes = RandomFile(random);
        ASSERT_EQ(datafiles_test::RoundTripFailure(bytes, codec), "") << ::testing::PrintToString(bytes);
    }
}

TEST(DataFileRobustnessTest, EveryByteValueReadsWithoutHarm) {
    const IconvCp932Codec codec;
    std::string bytes;
    for (int pass = 0; pass < 3; ++pass) {
        for (int b = 0; b < 256; ++b) {
            bytes.push_back(static_cast<char>(pass == 1 ? 255 - b : b));
        }
    }
    EXPECT_EQ(datafiles_test::RoundTripFailure(bytes, codec), "");
    EXPECT_EQ(datafiles_test::RoundTripFailure(std::string(kUtf8Bom) + bytes, codec), "");
}

TEST(DataFileRobustnessTest, ShowValuesThatAreNotPlainNumbers) {
    const IconvCp932Codec codec;
    EXPECT_EQ(datafiles_test::RoundTripFailure("-1\r\n1x\r\n\r\n\x82\r\n99999999999999999999", codec), "");
}

TEST(DataFileRobustnessTest, CrOnlyFileIsReadLineByLine) {
    const IconvCp932Codec codec;
    const std::string bytes = "[Boot]\ra.wav\r[Exit]\rb.wav\r";
    const SoundTable table = ReadSoundTable(bytes, codec);
    EXPECT_EQ(table.List(SoundEvent::Boot), std::vector<std::wstring>{L"a.wav"});
    EXPECT_EQ(table.List(SoundEvent::Exit), std::vector<std::wstring>{L"b.wav"});
}

TEST(DataFileRobustnessTest, MessageFileCutAnywhereReadsAndRoundTrips) {
    const IconvCp932Codec codec;
    const std::string full = Cp932FromUtf8(
        "朝会\r\nNULL\r\n[\r\n資料\r\n会議室\r\n]\r\n毎週\r\n1\r\n指定の時刻\r\n7:30\r\n"
        "夜\r\nC:\\a.wav\r\n[\r\n]\r\n毎日\r\nNULL\r\n毎時\r\n0\r\n");
    for (std::size_t cut = 0; cut <= full.size(); ++cut) {
        const std::string bytes = full.substr(0, cut);
        ASSERT_EQ(datafiles_test::RoundTripFailure(bytes, codec), "") << "cut at " << cut;
        const AlarmList list = ReadAlarmList(bytes, codec);
        EXPECT_LE(list.Count(), 2u);
        if (cut == full.size()) {
            EXPECT_EQ(list.Count(), 2u);
            EXPECT_EQ(list.At(1).TimeUnit, L"毎時");
        }
    }
}

// 50 MB with no line end at all is one line.
TEST(DataFileRobustnessTest, FiftyMegabytesWithoutLineEnds) {
    const IconvCp932Codec codec;
    const std::string bytes(50u << 20, 'x');
    const AlarmList list = ReadAlarmList(bytes, codec);
    ASSERT_EQ(list.Count(), 1u);
    EXPECT_EQ(list.At(0).Subject.size(), bytes.size());
    EXPECT_EQ(list.At(0).Sound, L"");
}

// An 8 MB message body that is never closed: one record holding every line.
// (Every line is decoded and appended on its own, so 8 MB keeps a debug
// build with sanitizers fast.)
TEST(DataFileRobustnessTest, EightMegabyteUnclosedMessage) {
    const IconvCp932Codec codec;
    const std::string line = std::string(62, 'm') + "\r\n";
    std::string bytes = "s\r\nNULL\r\n[\r\n";
    for (std::size_t n = 0; n < (8u << 20) / line.size(); ++n) {
        bytes += line;
    }
    const AlarmList list = ReadAlarmList(bytes, codec);
    ASSERT_EQ(list.Count(), 1u);
    EXPECT_EQ(list.At(0).DateUnit, L"");
    EXPECT_EQ(list.At(0).Message.size(), (8u << 20) / line.size() * 64 - 2);
}

// Bare CRs only: every byte ends a line, and every line is an element
// (256 KB: each of the quarter million lines costs a microsecond or so in a
// debug build with sanitizers).
TEST(DataFileRobustnessTest, QuarterMegabyteOfBareCrs) {
    const IconvCp932Codec codec;
    const std::string bytes(256u << 10, '\r');
    EXPECT_EQ(ReadShownFlags(bytes, codec), std::vector<int>(bytes.size(), 0));
    const SoundTable table = ReadSoundTable(bytes, codec);
    EXPECT_EQ(table.List(SoundEvent::Boot).size(), bytes.size() - 1);
    // Records of seven empty lines: subject, sound, a dropped third line, four fields.
    const AlarmList list = ReadAlarmList(bytes, codec);
    EXPECT_EQ(list.Count(), (bytes.size() + 6) / 7);
}
