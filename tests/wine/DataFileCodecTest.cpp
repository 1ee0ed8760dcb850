// The data files through the code page conversion the program ships, not a test codec.
#include <windows.h>

#include <gtest/gtest.h>

#include <random>

#include "../host/DataFileRoundTrip.h"
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

}  // namespace
