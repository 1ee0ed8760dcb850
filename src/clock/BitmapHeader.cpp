#include "clock/BitmapHeader.h"

namespace {

constexpr std::uint32_t kCoreHeaderSize = 12;
enum Compression : std::uint32_t { kRgb = 0, kRle8 = 1, kRle4 = 2, kBitFields = 3 };

std::uint32_t Read(std::string_view bytes, std::size_t at, int size) {
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i) value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
    return value;
}

struct Picture {
    std::int64_t width;
    std::int64_t height;  // its size: negative heights (top-down pictures) are made positive
    std::uint32_t planes;
    std::uint32_t bitCount;
    std::uint32_t compression;
    std::uint32_t imageSize;
    std::uint32_t coloursUsed;
    std::uint32_t paletteEntrySize;
};

bool ReadPicture(std::string_view head, std::uint32_t infoSize, Picture& picture) {
    if (infoSize == kCoreHeaderSize) {
        picture = {Read(head, 18, 2), Read(head, 20, 2), Read(head, 22, 2), Read(head, 24, 2), kRgb, 0, 0, 3};
        return true;
    }
    if (infoSize != 40 && infoSize != 52 && infoSize != 56 && infoSize != 108 && infoSize != 124) return false;
    const auto height = static_cast<std::int32_t>(Read(head, 22, 4));
    picture = {static_cast<std::int32_t>(Read(head, 18, 4)),
               height < 0 ? -static_cast<std::int64_t>(height) : height,
               Read(head, 26, 2),
               Read(head, 28, 2),
               Read(head, 30, 4),
               Read(head, 34, 4),
               Read(head, 46, 4),
               4};
    return true;
}

bool KnownLayout(const Picture& p) {
    switch (p.compression) {
    case kRgb:
        return p.bitCount == 1 || p.bitCount == 4 || p.bitCount == 8 || p.bitCount == 16 || p.bitCount == 24 ||
               p.bitCount == 32;
    case kRle8: return p.bitCount == 8;
    case kRle4: return p.bitCount == 4;
    case kBitFields: return p.bitCount == 16 || p.bitCount == 32;
    default: return false;
    }
}

}  // namespace

bool IsDrawableBitmap(std::string_view head, std::uint64_t fileSize) {
    if (head.size() < 18 || head[0] != 'B' || head[1] != 'M') return false;
    const std::uint64_t pixelOffset = Read(head, 10, 4);
    const std::uint32_t infoSize = Read(head, 14, 4);
    if (infoSize > kBitmapHeadSize - 14 || head.size() < 14 + infoSize) return false;
    Picture p{};
    if (!ReadPicture(head, infoSize, p) || p.planes != 1 || !KnownLayout(p)) return false;
    if (p.width < 1 || p.width > kMaxPictureSide || p.height < 1 || p.height > kMaxPictureSide) return false;

    const std::uint64_t maxColours = p.bitCount <= 8 ? 1u << p.bitCount : 0;
    if (p.coloursUsed > maxColours && p.bitCount <= 8) return false;
    const std::uint64_t colours = p.bitCount <= 8 ? (p.coloursUsed ? p.coloursUsed : maxColours) : 0;
    const std::uint64_t headersEnd = 14 + infoSize + colours * p.paletteEntrySize;
    if (headersEnd > fileSize || pixelOffset < 14 + infoSize || pixelOffset > fileSize) return false;

    const bool runLength = p.compression == kRle8 || p.compression == kRle4;
    const std::uint64_t stride = (static_cast<std::uint64_t>(p.width) * p.bitCount + 31) / 32 * 4;
    const std::uint64_t pixelBytes = runLength ? p.imageSize : stride * static_cast<std::uint64_t>(p.height);
    return pixelBytes > 0 && pixelOffset + pixelBytes <= fileSize;
}
