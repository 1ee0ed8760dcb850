// Which picture files the clock hands to the system to load.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "LittleEndian.h"
#include "clock/BitmapHeader.h"

namespace {

struct Header {
    std::int32_t width = 165;
    std::int32_t height = 422;
    std::uint32_t bitCount = 24;
    std::uint32_t compression = 0;
    std::uint32_t imageSize = 0;
    std::uint32_t coloursUsed = 0;
    std::uint32_t infoSize = 40;
};

// A file header and an information header; the caller says how big the file is.
std::string Head(const Header& h) {
    const std::uint32_t palette = h.bitCount <= 8 ? (h.coloursUsed ? h.coloursUsed : 1u << h.bitCount) * 4 : 0;
    return "BM" + std::string(8, '\0') + Le(14 + h.infoSize + palette, 4) + Le(h.infoSize, 4) +
           Le(static_cast<std::uint32_t>(h.width), 4) + Le(static_cast<std::uint32_t>(h.height), 4) + Le(1, 2) +
           Le(h.bitCount, 2) + Le(h.compression, 4) + Le(h.imageSize, 4) + std::string(8, '\0') + Le(h.coloursUsed, 4) +
           std::string(h.infoSize - 36, '\0');
}

constexpr std::uint64_t kWindowPicture = 54 + 496 * 422;  // 165 pixels of 24 bits in rows of 496 bytes

TEST(BitmapHeaderTest, ThePicturesAClockShowsAreLoaded) {
    EXPECT_TRUE(IsDrawableBitmap(Head({}), kWindowPicture));
    EXPECT_TRUE(IsDrawableBitmap(Head({.height = -422}), kWindowPicture));  // top-down
    EXPECT_TRUE(IsDrawableBitmap(Head({.width = 4096, .height = 1, .bitCount = 8}), 54 + 1024 + 4096));
    EXPECT_TRUE(IsDrawableBitmap(Head({.bitCount = 8, .compression = 1, .imageSize = 900}), 54 + 1024 + 900));
    EXPECT_TRUE(IsDrawableBitmap(Head({.bitCount = 32, .compression = 3, .infoSize = 108}), 14 + 108 + 660 * 422));
}

TEST(BitmapHeaderTest, DamagedOrHostileHeadersAreRefused) {
    struct Case {
        const char* what;
        std::string head;
        std::uint64_t fileSize;
    };
    std::string wrongSignature = Head({});
    wrongSignature[1] = 'A';
    const Case cases[] = {
        {"an enormous claimed size", Head({.width = 100000, .height = 100000}), kWindowPicture},
        {"a side past the limit", Head({.width = 4097, .height = 1}), 1u << 20},
        {"the smallest height there is", Head({.height = INT32_MIN}), kWindowPicture},
        {"no width", Head({.width = 0}), kWindowPicture},
        {"pixels the file does not hold", Head({}), kWindowPicture - 1},
        {"a header cut short", Head({}).substr(0, 30), kWindowPicture},
        {"another signature", wrongSignature, kWindowPicture},
        {"a bit depth that does not exist", Head({.bitCount = 7}), kWindowPicture},
        {"a compressed picture inside", Head({.compression = 4}), kWindowPicture},
        {"more palette colours than the depth allows", Head({.bitCount = 8, .coloursUsed = 1000}), 1u << 20},
        {"run-length data past the end", Head({.bitCount = 8, .compression = 1, .imageSize = 5000}), 2000},
        {"an unknown header size", Head({.infoSize = 64}), kWindowPicture},
    };
    for (const Case& c : cases) EXPECT_FALSE(IsDrawableBitmap(c.head, c.fileSize)) << c.what;
}

}  // namespace
