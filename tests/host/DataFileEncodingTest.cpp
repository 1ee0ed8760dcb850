// Data files come back in the form they were stored in, whatever bytes they hold.
#include <gtest/gtest.h>

#include "DataFileRoundTrip.h"
#include "TextCodecIconv.h"
#include "content/MessageFile.h"
#include "content/NameListFiles.h"
#include "content/TextLines.h"

namespace {

struct Stored {
    const char* what;
    std::string bytes;
    std::vector<std::wstring> lines;
    TextEncoding encoding;
};

std::string Utf16Le(std::u16string_view units, std::string_view mark = "\xFF\xFE") {
    std::string out(mark);
    for (char16_t u : units) {
        out.push_back(static_cast<char>(u & 0xFF));
        out.push_back(static_cast<char>(u >> 8));
    }
    return out;
}

std::string Utf16Be(std::u16string_view units) {
    std::string out("\xFE\xFF");
    for (char16_t u : units) {
        out.push_back(static_cast<char>(u >> 8));
        out.push_back(static_cast<char>(u & 0xFF));
    }
    return out;
}

std::wstring Escaped(std::initializer_list<unsigned char> bytes) {
    std::wstring text;
    for (unsigned char b : bytes) text.push_back(EscapeByte(b));
    return text;
}

const Stored kStored[] = {
    {"code page 932", Cp932FromUtf8("朝会\r\n表示\r\n"), {L"朝会", L"表示"}, TextEncoding::Ansi},
    {"UTF-16 LE with its mark", Utf16Le(u"朝会\r\n𠮷\r\n"), {L"朝会", L"𠮷"}, TextEncoding::Utf16Le},
    {"UTF-16 BE with its mark", Utf16Be(u"昼\r\n\r\n"), {L"昼", L""}, TextEncoding::Utf16Be},
    {"UTF-8 without a mark", "\xE6\x9C\x9D\xE4\xBC\x9A\r\n\xED\x95\x9C\r\n", {L"朝会", L"한"}, TextEncoding::Utf8},
    {"UTF-8 with a mark", "\xEF\xBB\xBF\xE6\x98\xBC\r\n", {L"昼"}, TextEncoding::Utf8Bom},
    // A cut character in code page 932 keeps its byte and swallows nothing after it.
    {"code page 932 with a cut character",
     "a\x82 b\r\n\x82\xA0\r\n",
     {L"a" + Escaped({0x82}) + L" b", L"あ"},
     TextEncoding::Ansi},
    {"UTF-8 with a mark and broken bytes",
     "\xEF\xBB\xBF\xE6\x98\r\n\xFF\r\n",
     {Escaped({0xE6, 0x98}), Escaped({0xFF})},
     TextEncoding::Utf8Bom},
};

class DataFileEncodingTest : public testing::TestWithParam<Stored> {
protected:
    const IconvCp932Codec m_codec;
};

TEST_P(DataFileEncodingTest, ReadsTheTextAndWritesTheSameBytes) {
    const Stored& stored = GetParam();
    TextFormat format;
    const std::vector<std::wstring> names = ReadIllustNames(stored.bytes, m_codec, &format);
    EXPECT_EQ(names, stored.lines);
    EXPECT_EQ(format.encoding, stored.encoding);
    EXPECT_EQ(WriteIllustNames(names, m_codec, format), stored.bytes);
}

INSTANTIATE_TEST_SUITE_P(Forms, DataFileEncodingTest, testing::ValuesIn(kStored),
                         [](const testing::TestParamInfo<Stored>& info) {
                             return "Form" + std::to_string(info.index);
                         });

TEST(DataFileEncodingTest, AnOddByteAfterUtf16UnitsIsKept) {
    const IconvCp932Codec codec;
    const std::string bytes = Utf16Le(u"1\r\n0\r\n") + "\x7F";
    TextFormat format;
    const std::vector<int> flags = ReadShownFlags(bytes, codec, &format);
    EXPECT_EQ(flags, (std::vector<int>{1, 0}));
    EXPECT_EQ(WriteShownFlags(flags, codec, format), bytes);
    EXPECT_EQ(WriteShownFlags({0, 1}, codec, format), Utf16Le(u"0\r\n1\r\n") + "\x7F");
}

TEST(DataFileEncodingTest, EditedFilesKeepTheirFormUnlessATextDoesNotFit) {
    const IconvCp932Codec codec;
    AlarmEntry entry{L"昼", L"NULL", L"食堂", L"毎日", L"NULL", L"毎時", L"0"};
    AlarmList list;
    list.Append(entry);
    // UTF-8 without a mark stays so, even for text that code page 932 could hold.
    EXPECT_EQ(WriteAlarmList(list, codec, {TextEncoding::Utf8, ""}).substr(0, 5), "\xE6\x98\xBC\r\n");
    // UTF-16 holds every character.
    entry.Subject = L"🎂";
    list.Append(entry);
    TextFormat format;
    const std::string utf16 = WriteAlarmList(list, codec, {TextEncoding::Utf16Be, ""});
    EXPECT_EQ(ReadAlarmList(utf16, codec, &format), list);
    EXPECT_EQ(format.encoding, TextEncoding::Utf16Be);
    // Code page 932 cannot: the whole file becomes UTF-8 with a mark.
    const std::string ansi = WriteAlarmList(list, codec, {});
    EXPECT_TRUE(ansi.starts_with(kUtf8Bom));
    EXPECT_EQ(ReadAlarmList(ansi, codec), list);
}

TEST(DataFileEncodingTest, Utf8WithoutAMarkThatWouldReadAsCp932GetsAMark) {
    const IconvCp932Codec codec;
    // These UTF-8 bytes also make valid code page 932 text, which a reader would take them for.
    const std::vector<std::wstring> lines{L"ああ"};
    ASSERT_EQ(DecodeAnsiLine(WideToUtf8(lines[0]), codec).find(EscapeByte(0x82)), std::wstring::npos);
    const std::string bytes = EncodeTextFile(lines, codec, {TextEncoding::Utf8, ""});
    EXPECT_TRUE(bytes.starts_with(kUtf8Bom));
    EXPECT_EQ(ReadAllLines(bytes, codec), lines);
}

}  // namespace

namespace {

// Carried-through bytes that a save would put next to each other as valid UTF-8: the
// file is written in a form that gives them back (found by the fuzzer).
TEST(DataFileEncodingTest, BrokenBytesThatWouldMeetAsUtf8StillComeBack) {
    const IconvCp932Codec codec;
    const std::string bytes =
        "\xED\x85\x9C\r\nNULL\r\nn[1\xEF\xBB\xBF\xF0\xA0\xAE\xB7\xE9\x87\x8E\xE5\xAE"
        "3333J\xF9\nNUL33L";
    EXPECT_EQ(datafiles_test::RoundTripFailure(bytes, codec), "");
}

}  // namespace
