#include <gtest/gtest.h>

#include "TextCodecIconv.h"
#include "content/TextLines.h"

namespace {

using Lines = std::vector<std::wstring>;

Lines Read(std::string_view bytes) {
    const IconvCp932Codec codec;
    return ReadAllLines(bytes, codec);
}

}  // namespace

TEST(DataFileLinesTest, CrLfAndBareLfEndLines) { EXPECT_EQ(Read("a\r\nb\nc"), (Lines{L"a", L"b", L"c"})); }

TEST(DataFileLinesTest, BareCrEndsALine) {
    EXPECT_EQ(Read("a\rb\r"), (Lines{L"a", L"b"}));
    EXPECT_EQ(Read("a\r\r\nb"), (Lines{L"a", L"", L"b"}));
    EXPECT_EQ(Read("\r\r\r"), (Lines{L"", L"", L""}));
}

TEST(DataFileLinesTest, FinalLineEndStartsNoLine) {
    EXPECT_EQ(Read("a\r\n"), (Lines{L"a"}));
    EXPECT_EQ(Read("\r\n"), (Lines{L""}));
    EXPECT_EQ(Read("\n\n"), (Lines{L"", L""}));
    EXPECT_EQ(Read(""), Lines{});
}

TEST(DataFileLinesTest, FileWithoutLineEndsIsOneLine) { EXPECT_EQ(Read("abc"), (Lines{L"abc"})); }

TEST(DataFileLinesTest, LinesAreDecodedAsCp932) {
    EXPECT_EQ(Read(Cp932FromUtf8("ぽこみ\r\n表示\r\n")), (Lines{L"ぽこみ", L"表示"}));
}

TEST(DataFileLinesTest, ACutCharacterDoesNotSwallowTheLineEnd) {
    const std::wstring cut(1, EscapeByte(0x82));  // kept as the byte it was
    EXPECT_EQ(Read("\x82\na"), (Lines{cut, L"a"}));
    EXPECT_EQ(Read("x\x82\r\n\x82\xA0"), (Lines{L"x" + cut, L"あ"}));
}

TEST(DataFileLinesTest, ByteOrderMarkSelectsUtf8) {
    EXPECT_EQ(Read("\xEF\xBB\xBF\xE6\x97\xA5\r\n\xF0\xA0\xAE\xB7"), (Lines{L"日", L"𠮷"}));
    EXPECT_EQ(Read("\xEF\xBB\xBF"), Lines{});
    EXPECT_EQ(Read("\xEF\xBB\xBF\r\n"), (Lines{L""}));
}

TEST(DataFileLinesTest, Utf8WithoutMarkIsReadAsCp932) { EXPECT_NE(Read("\xE6\x97\xA5"), (Lines{L"日"})); }

TEST(DataFileLinesTest, ReaderStopsAndStaysStopped) {
    const IconvCp932Codec codec;
    LineReader reader("a", codec);
    EXPECT_EQ(reader.Next(), std::optional<std::wstring>(L"a"));
    EXPECT_EQ(reader.Next(), std::nullopt);
    EXPECT_EQ(reader.Next(), std::nullopt);
}

TEST(DataFileLinesTest, SplitTextGivesOneMoreLineThanBreaks) {
    EXPECT_EQ(SplitTextLines(L""), (Lines{L""}));
    EXPECT_EQ(SplitTextLines(L"a"), (Lines{L"a"}));
    EXPECT_EQ(SplitTextLines(L"a\r\nb"), (Lines{L"a", L"b"}));
    EXPECT_EQ(SplitTextLines(L"a\r\n"), (Lines{L"a", L""}));
    EXPECT_EQ(SplitTextLines(L"a\rb\nc\r\n\r\nd"), (Lines{L"a", L"b", L"c", L"", L"d"}));
}
