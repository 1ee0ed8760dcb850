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

std::string Utf16Be(std::u16string_view units, std::string_view mark = "\xFE\xFF") {
    std::string out(mark);
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
    // UTF-16 without a mark is told by its NUL bytes, its order by its line ends.
    {"UTF-16 LE without a mark", Utf16Le(u"朝会\r\nabc\r\n", ""), {L"朝会", L"abc"}, TextEncoding::Utf16LeNoBom},
    {"UTF-16 BE without a mark", Utf16Be(u"𠮷\r\n\r\nx\r\n", ""), {L"𠮷", L"", L"x"}, TextEncoding::Utf16BeNoBom},
    // Most NULs here are the low bytes of 一 and the ideographic space, yet the line ends are LE.
    {"UTF-16 LE whose NULs mostly lie as in BE",
     Utf16Le(u"一\u3000一\u3000\r\n", ""),
     {L"一\u3000一\u3000"},
     TextEncoding::Utf16LeNoBom},
    // Bytes that are not UTF-16 are read as 8-bit text, NULs and all.
    {"code page 932 of whole units without NULs",
     Cp932FromUtf8("表示\r\n") + "\r\n",
     {L"表示", L""},
     TextEncoding::Ansi},
    {"NULs in an odd number of bytes", std::string("ab\0\r\n", 5), {std::wstring(L"ab\0", 3)}, TextEncoding::Ansi},
    {"NULs that make a NUL unit", std::string("a\0\0\0\r\n", 6), {std::wstring(L"a\0\0\0", 4)}, TextEncoding::Ansi},
    {"NULs around an unpaired surrogate",
     std::string("x\0\0\xD8y\0\r\n", 8),
     {std::wstring(L"x\0\0\uFF98y\0", 6)},
     TextEncoding::Ansi},
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

// A file read in some form and given a line more: kept in that form where it holds the
// lines and reads back, else UTF-8 after a mark, which cannot hold carried-through bytes
// or stray surrogates and shows U+FFFD for them.
struct Saved {
    const char* what;
    std::string stored;
    std::wstring added;
    std::string bytes;
    std::vector<std::wstring> readBack;
};

const Saved kSaved[] = {
    {"code page 932 with broken bytes and an emoji",
     Cp932FromUtf8("朝") + "\x82\xFD\xFE\r\n",
     L"🎂",
     "\xEF\xBB\xBF\xE6\x9C\x9D\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\r\n\xF0\x9F\x8E\x82\r\n",
     {L"朝\uFFFD\uFFFD\uFFFD", L"🎂"}},
    {"UTF-8 with a mark keeps its broken bytes",
     "\xEF\xBB\xBF\xFF\r\n",
     L"🎂",
     "\xEF\xBB\xBF\xFF\r\n\xF0\x9F\x8E\x82\r\n",
     {Escaped({0xFF}), L"🎂"}},
    {"UTF-16 without a mark and an emoji", Utf16Le(u"a\r\n", ""), L"🎂", Utf16Le(u"a\r\n🎂\r\n", ""), {L"a", L"🎂"}},
    {"UTF-16 without a mark and a stray surrogate",
     Utf16Le(u"a\r\n", ""),
     std::wstring(1, static_cast<wchar_t>(0xD800)) + L"b",
     "\xEF\xBB\xBF"
     "a\r\n\xEF\xBF\xBD"
     "b\r\n",
     {L"a", L"\uFFFDb"}},
};

class DataFileEncodingSaveTest : public testing::TestWithParam<Saved> {
protected:
    const IconvCp932Codec m_codec;
};

TEST_P(DataFileEncodingSaveTest, WritesOneValidEncodingThatReadsBack) {
    const Saved& saved = GetParam();
    TextFile file = ReadTextFile(saved.stored, m_codec);
    file.lines.push_back(saved.added);
    const std::string bytes = EncodeTextFile(file.lines, m_codec, file.format);
    EXPECT_EQ(bytes, saved.bytes);
    EXPECT_EQ(ReadAllLines(bytes, m_codec), saved.readBack);
}

INSTANTIATE_TEST_SUITE_P(Forms, DataFileEncodingSaveTest, testing::ValuesIn(kSaved),
                         [](const testing::TestParamInfo<Saved>& info) { return "Form" + std::to_string(info.index); });

}  // namespace

namespace {

// Carried-through bytes that a save would put next to each other as valid UTF-8 (found
// by the fuzzer): the file is written as valid UTF-8 after a mark, which reads back.
TEST(DataFileEncodingTest, BrokenBytesThatWouldMeetAsUtf8GiveValidUtf8) {
    const IconvCp932Codec codec;
    const std::string bytes =
        "\xED\x85\x9C\r\nNULL\r\nn[1\xEF\xBB\xBF\xF0\xA0\xAE\xB7\xE9\x87\x8E\xE5\xAE"
        "3333J\xF9\nNUL33L";
    EXPECT_EQ(datafiles_test::RoundTripFailure(bytes, codec), "");
    TextFormat format;
    const AlarmList list = ReadAlarmList(bytes, codec, &format);
    EXPECT_TRUE(datafiles_test::IsValidUtf8WithMark(WriteAlarmList(list, codec, format)));
}

}  // namespace
