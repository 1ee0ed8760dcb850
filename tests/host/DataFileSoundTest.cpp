#include <gtest/gtest.h>

#include "TextCodecIconv.h"
#include "content/SoundTable.h"

namespace {

using Paths = std::vector<std::wstring>;

SoundTable Read(std::string_view bytes) {
    const IconvCp932Codec codec;
    return ReadSoundTable(bytes, codec);
}

void ExpectEmptyFrom(const SoundTable& table, SoundEvent first) {
    for (std::size_t i = static_cast<std::size_t>(first); i < kSoundEventCount; ++i) {
        EXPECT_TRUE(table.List(kSoundEvents[i]).empty()) << "list " << i;
    }
}

}  // namespace

TEST(DataFileSoundTest, HeadersInTableOrder) {
    const wchar_t* expected[] = {L"[Boot]",   L"[Exit]",     L"[Time]",    L"[Away]",  L"[Alarm]",
                                 L"[Return]", L"[Minimize]", L"[Restore]", L"[Update]"};
    for (std::size_t i = 0; i < kSoundEventCount; ++i) {
        EXPECT_EQ(SoundEventHeader(kSoundEvents[i]), expected[i]);
        EXPECT_EQ(static_cast<std::size_t>(kSoundEvents[i]), i);
    }
}

TEST(DataFileSoundTest, ReadsEverySection) {
    const SoundTable table = Read(
        "[Boot]\r\nb1\r\nb2\r\n[Exit]\r\n[Time]\r\nt\r\n[Away]\r\na\r\n[Alarm]\r\n"
        "al\r\n[Return]\r\nr\r\n[Minimize]\r\nm\r\n[Restore]\r\nrs\r\n[Update]\r\nu\r\n");
    EXPECT_EQ(table.List(SoundEvent::Boot), (Paths{L"b1", L"b2"}));
    EXPECT_TRUE(table.List(SoundEvent::Exit).empty());
    EXPECT_EQ(table.List(SoundEvent::Time), Paths{L"t"});
    EXPECT_EQ(table.List(SoundEvent::Away), Paths{L"a"});
    EXPECT_EQ(table.List(SoundEvent::Alarm), Paths{L"al"});
    EXPECT_EQ(table.List(SoundEvent::Return), Paths{L"r"});
    EXPECT_EQ(table.List(SoundEvent::Minimize), Paths{L"m"});
    EXPECT_EQ(table.List(SoundEvent::Restore), Paths{L"rs"});
    EXPECT_EQ(table.List(SoundEvent::Update), Paths{L"u"});
}

TEST(DataFileSoundTest, FirstLineIsDiscardedWhateverItHolds) {
    const SoundTable table = Read("C:\\first.wav\r\nC:\\second.wav\r\n[Exit]\r\nx.wav");
    EXPECT_EQ(table.List(SoundEvent::Boot), Paths{L"C:\\second.wav"});
    EXPECT_EQ(table.List(SoundEvent::Exit), Paths{L"x.wav"});
}

TEST(DataFileSoundTest, LaterHeaderMetEarlyIsAPath) {
    const SoundTable table = Read("[Boot]\r\n[Time]\r\n[Exit]\r\nx\r\n[Update]\r\n[Time]\r\ny");
    EXPECT_EQ(table.List(SoundEvent::Boot), Paths{L"[Time]"});
    EXPECT_EQ(table.List(SoundEvent::Exit), (Paths{L"x", L"[Update]"}));
    EXPECT_EQ(table.List(SoundEvent::Time), Paths{L"y"});
}

TEST(DataFileSoundTest, MissingHeaderLeavesTheRestInTheCurrentList) {
    const SoundTable table = Read("[Boot]\r\na\r\n[Exit]\r\nb\r\n[Away]\r\nc\r\n");
    EXPECT_EQ(table.List(SoundEvent::Exit), (Paths{L"b", L"[Away]", L"c"}));
    ExpectEmptyFrom(table, SoundEvent::Time);
}

TEST(DataFileSoundTest, FileEndingAfterAwayLeavesTheRestEmpty) {
    const SoundTable table = Read("[Boot]\r\n[Exit]\r\n[Time]\r\nt.wav\r\n[Away]\r\n");
    EXPECT_EQ(table.List(SoundEvent::Time), Paths{L"t.wav"});
    ExpectEmptyFrom(table, SoundEvent::Away);
}

TEST(DataFileSoundTest, HeadersMatchExactly) {
    const SoundTable table = Read("[Boot]\r\n[exit]\r\n[Exit] \r\n [Exit]\r\n[Exit]\r\n");
    EXPECT_EQ(table.List(SoundEvent::Boot), (Paths{L"[exit]", L"[Exit] ", L" [Exit]"}));
    EXPECT_TRUE(table.List(SoundEvent::Exit).empty());
}

TEST(DataFileSoundTest, EmptyFileGivesNoSounds) {
    EXPECT_EQ(Read(""), SoundTable());
    EXPECT_EQ(Read("[Boot]"), SoundTable());
}

TEST(DataFileSoundTest, WriterPutsEveryHeaderAndPath) {
    const IconvCp932Codec codec;
    SoundTable table;
    table.List(SoundEvent::Boot) = {L"C:\\音\\起動.wav"};
    table.List(SoundEvent::Update) = {L"u1.wav", L"u2.wav"};
    EXPECT_EQ(WriteSoundTable(table, codec),
              Cp932FromUtf8("[Boot]\r\nC:\\音\\起動.wav\r\n[Exit]\r\n[Time]\r\n[Away]\r\n[Alarm]\r\n"
                            "[Return]\r\n[Minimize]\r\n[Restore]\r\n[Update]\r\nu1.wav\r\nu2.wav\r\n"));
}

TEST(DataFileSoundTest, WrittenTableReadsBack) {
    const IconvCp932Codec codec;
    SoundTable table;
    for (std::size_t i = 0; i < kSoundEventCount; ++i) {
        table.List(kSoundEvents[i]).assign(i % 3, L"C:\\wav\\" + std::to_wstring(i) + L".wav");
    }
    table.List(SoundEvent::Away).push_back(L"[Boot]");
    table.List(SoundEvent::Alarm).push_back(L"");
    table.List(SoundEvent::Return).push_back(L"D:\\😀.wav");
    EXPECT_EQ(ReadSoundTable(WriteSoundTable(table, codec), codec), table);
}
