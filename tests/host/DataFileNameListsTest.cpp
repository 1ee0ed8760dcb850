#include <gtest/gtest.h>

#include <climits>

#include "TextCodecIconv.h"
#include "content/NameListFiles.h"

namespace {

using Names = std::vector<std::wstring>;
using Flags = std::vector<int>;

}  // namespace

TEST(DataFileIllustTest, EveryLineIsAName) {
    const IconvCp932Codec codec;
    EXPECT_EQ(ReadIllustNames(Cp932FromUtf8("春の庭\r\n\r\n夏の海"), codec), (Names{L"春の庭", L"", L"夏の海"}));
    EXPECT_EQ(ReadIllustNames("", codec), Names{});
}

TEST(DataFileIllustTest, WrittenNamesReadBack) {
    const IconvCp932Codec codec;
    const Names names{L"春の庭", L"", L"한글", L"夏"};
    EXPECT_EQ(ReadIllustNames(WriteIllustNames(names, codec), codec), names);
}

TEST(DataFileShowTest, EveryLineIsADecimalPrefix) {
    const IconvCp932Codec codec;
    EXPECT_EQ(ReadShownFlags("1\r\n0\r\n-1\r\n1x\r\n\r\n 2\r\nabc\n+1", codec), (Flags{1, 0, -1, 1, 0, 2, 0, 1}));
}

TEST(DataFileShowTest, HugeValuesSaturateAndSurviveASave) {
    const IconvCp932Codec codec;
    const Flags flags = ReadShownFlags("99999999999999999999\r\n-99999999999999999999\r\n", codec);
    EXPECT_EQ(flags, (Flags{INT_MAX, INT_MIN}));
    EXPECT_EQ(ReadShownFlags(WriteShownFlags(flags), codec), flags);
}

TEST(DataFileShowTest, WriterPutsOneValuePerLine) {
    EXPECT_EQ(WriteShownFlags({1, 0, -1, 25}), "1\r\n0\r\n-1\r\n25\r\n");
    EXPECT_EQ(WriteShownFlags({}), "");
}

TEST(DataFileShowTest, FitPadsWithShownFlags) {
    Flags flags{0, 5};
    FitShownFlags(flags, 4);
    EXPECT_EQ(flags, (Flags{0, 5, 1, 1}));
}

TEST(DataFileShowTest, FitDropsExtraFlags) {
    Flags flags{0, 5, 0, 1};
    FitShownFlags(flags, 1);
    EXPECT_EQ(flags, Flags{0});
    FitShownFlags(flags, 0);
    EXPECT_EQ(flags, Flags{});
}

TEST(DataFileShowTest, ExtraFlagsAreGoneAfterTheNextSave) {
    const IconvCp932Codec codec;
    const Names names = ReadIllustNames("a\r\nb\r\n", codec);
    Flags flags = ReadShownFlags("0\r\n0\r\n0\r\n", codec);
    FitShownFlags(flags, names.size());
    EXPECT_EQ(WriteShownFlags(flags), "0\r\n0\r\n");
}
