#include <gtest/gtest.h>

#include <random>
#include <utility>

#include "TextCodecIconv.h"
#include "content/TextCodec.h"
#include "content/TextLines.h"

namespace {

// Encodes every character as '?': "succeeds" but loses the text.
class LossyCodec final : public AnsiCodec {
public:
    std::wstring Decode(std::string_view bytes) const override { return std::wstring(bytes.size(), L'?'); }
    std::optional<std::string> Encode(std::wstring_view text) const override { return std::string(text.size(), '?'); }
};

// Fails the test when given empty input, as the platform's conversions would.
class NoEmptyInputCodec final : public AnsiCodec {
public:
    std::wstring Decode(std::string_view bytes) const override {
        EXPECT_FALSE(bytes.empty());
        return m_inner.Decode(bytes);
    }
    std::optional<std::string> Encode(std::wstring_view text) const override {
        EXPECT_FALSE(text.empty());
        return m_inner.Encode(text);
    }

private:
    IconvCp932Codec m_inner;
};

constexpr std::u32string_view kReplacement = U"\uFFFD";

std::u32string Decode32(std::string_view bytes) { return Utf8ToUtf32(bytes); }

}  // namespace

TEST(TextCodecUtf8Test, DecodesSequencesAndReplacesInvalidOrCutOnes) {
    const std::pair<std::string_view, std::u32string_view> cases[] = {
        {"A\xC3\xA9\xE3\x81\x82\xF0\xA0\xAE\xB7", U"Aé\u3042\U00020BB7"},  // one to four bytes
        {"\x80", kReplacement},
        {"\xFF\x61", U"\uFFFDa"},  // 0x61: a
        {"\xF5\x80", U"\uFFFD\uFFFD"},
        {"\xC0\xAF", U"\uFFFD\uFFFD"},  // overlong forms, here of '/' and of LF, are not the characters
        {"\xC0\x8A", U"\uFFFD\uFFFD"},
        {"\xE0\x80\x8A", U"\uFFFD\uFFFD\uFFFD"},
        {"\xED\xA0\x80", U"\uFFFD\uFFFD\uFFFD"},  // an encoded surrogate and a value past U+10FFFF
        {"\xF4\x90\x80\x80", U"\uFFFD\uFFFD\uFFFD\uFFFD"},
        {"\xE3\x81", kReplacement},    // a cut sequence is one replacement
        {"\xE3\x81\x41", U"\uFFFDA"},  // 0x41: A
        {"\xF0\xA0\xAE", kReplacement},
    };
    for (auto [bytes, text] : cases) EXPECT_EQ(Decode32(bytes), text) << testing::PrintToString(std::string(bytes));
    EXPECT_EQ(Utf8ToWide("\xE6\x97\xA5\xE6\x9C\xAC"), L"日本");
}

TEST(TextCodecUtf8Test, SixteenBitUnitsUseSurrogatePairs) {
    EXPECT_EQ(Utf8ToUtf16("\xF0\xA0\xAE\xB7"), (std::u16string{0xD842, 0xDFB7}));
    EXPECT_EQ(Utf8ToUtf16("\xF0\x9F\x98\x80"), (std::u16string{0xD83D, 0xDE00}));
}

TEST(TextCodecUtf8Test, LoneSurrogatesAndValuesPastTheRangeBecomeReplacements) {
    const std::pair<std::u16string, std::string_view> units[] = {
        {{0xD842, 0xDFB7}, "\xF0\xA0\xAE\xB7"},  // a pair is one character
        {{0xD842}, "\xEF\xBF\xBD"},
        {{0xDFB7, u'a'}, "\xEF\xBF\xBD\x61"},
        {{0xD842, u'a'}, "\xEF\xBF\xBD\x61"},
    };
    for (const auto& [from, to] : units) EXPECT_EQ(Utf16ToUtf8(from), to) << from.size();
    EXPECT_EQ(Utf32ToUtf8(std::u32string{0x110000}), "\xEF\xBF\xBD");
    EXPECT_EQ(Utf32ToUtf8(std::u32string{0xD800}), "\xEF\xBF\xBD");
}

TEST(TextCodecUtf8Test, RandomBytesDecodeToTextThatEncodesStably) {
    std::mt19937 random(1234);
    std::uniform_int_distribution<int> byte(0, 255);
    std::uniform_int_distribution<int> length(0, 24);
    for (int i = 0; i < 3000; ++i) {
        std::string bytes;
        for (int n = length(random); n > 0; --n) bytes.push_back(static_cast<char>(byte(random)));
        const std::u32string once = Utf8ToUtf32(bytes);
        EXPECT_EQ(Utf8ToUtf32(Utf32ToUtf8(once)), once);
        const std::u16string units = Utf8ToUtf16(bytes);
        EXPECT_EQ(Utf8ToUtf16(Utf16ToUtf8(units)), units);
        EXPECT_EQ(Utf16ToUtf8(units), Utf32ToUtf8(once));
    }
}

TEST(TextCodecIconvTest, DecodesCp932AsAnotherToolWritesIt) {
    const IconvCp932Codec codec;
    EXPECT_EQ(codec.Decode(Cp932FromUtf8("表示日時、ぽこみ")), L"表示日時、ぽこみ");
    // 0x5C as the second byte of 表 is not a backslash.
    EXPECT_EQ(Cp932FromUtf8("表"), "\x95\x5C");
}

TEST(TextCodecIconvTest, InvalidBytesBecomeReplacementsAndTheRestSurvives) {
    const IconvCp932Codec codec;
    const std::pair<std::string_view, std::wstring_view> cases[] = {
        {"\x82", L"\uFFFD"}, {"a\x82", L"a\uFFFD"}, {"\x82 b", L"\uFFFD b"}, {"\x82\xA0\x82", L"あ\uFFFD"}};
    for (auto [bytes, text] : cases) EXPECT_EQ(codec.Decode(bytes), text) << testing::PrintToString(std::string(bytes));
}

TEST(TextCodecIconvTest, EncodeRefusesCharactersOutsideCp932) {
    const IconvCp932Codec codec;
    EXPECT_EQ(codec.Encode(L"あ"), std::optional<std::string>("\x82\xA0"));
    for (const wchar_t* text : {L"𠮷", L"한", L"a😀"}) EXPECT_EQ(codec.Encode(text), std::nullopt);
}

TEST(TextCodecFileTest, FittingTextIsWrittenInCp932WithCrLf) {
    const IconvCp932Codec codec;
    const std::string bytes = EncodeTextFile({L"朝の鐘", L"", L"C:\\音\\a.wav"}, codec);
    EXPECT_EQ(bytes, Cp932FromUtf8("朝の鐘\r\n\r\nC:\\音\\a.wav\r\n"));
}

TEST(TextCodecFileTest, OneCharacterOutsideCp932MakesTheWholeFileUtf8) {
    const IconvCp932Codec codec;
    const std::string bytes = EncodeTextFile({L"朝", L"吉と𠮷", L"한"}, codec);
    EXPECT_EQ(bytes,
              "\xEF\xBB\xBF"
              "\xE6\x9C\x9D\r\n"
              "\xE5\x90\x89\xE3\x81\xA8\xF0\xA0\xAE\xB7\r\n"
              "\xED\x95\x9C\r\n");
    EXPECT_EQ(ReadAllLines(bytes, codec), (std::vector<std::wstring>{L"朝", L"吉と𠮷", L"한"}));
}

TEST(TextCodecFileTest, ACodecThatLosesTextIsNotTrusted) {
    const LossyCodec codec;
    const std::string bytes = EncodeTextFile({L"あ"}, codec);
    EXPECT_EQ(bytes, "\xEF\xBB\xBF\xE3\x81\x82\r\n");
}

TEST(TextCodecFileTest, LineBreaksInsideALineBecomeSpaces) {
    const IconvCp932Codec codec;
    EXPECT_EQ(EncodeTextFile({L"a\r\nb\nc\rd", L"e"}, codec), "a b c d\r\ne\r\n");
}

TEST(TextCodecFileTest, EmptyLinesNeverReachTheCodec) {
    const NoEmptyInputCodec codec;
    const std::vector<std::wstring> lines{L"", L"あ", L"", L""};
    const std::string bytes = EncodeTextFile(lines, codec);
    EXPECT_EQ(bytes, "\r\n\x82\xA0\r\n\r\n\r\n");
    EXPECT_EQ(ReadAllLines(bytes, codec), lines);
}

TEST(TextCodecFileTest, NoLinesIsAnEmptyFile) {
    const IconvCp932Codec codec;
    EXPECT_EQ(EncodeTextFile({}, codec), "");
}
