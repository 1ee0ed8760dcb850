#include "content/WaveHeader.h"

#include <algorithm>
#include <iterator>
#include <string_view>

namespace {

enum FormatTag : std::uint32_t {
    kPcm = 0x0001,
    kAdpcm = 0x0002,
    kFloat = 0x0003,
    kALaw = 0x0006,
    kMuLaw = 0x0007,
    kImaAdpcm = 0x0011,
    kGsm610 = 0x0031,
    kMp3 = 0x0055,
    kExtensible = 0xFFFE,
};

constexpr std::size_t kRiffHeader = 12;  // "RIFF", its size, "WAVE"
constexpr std::size_t kChunkHeader = 8;  // identifier and size
// The fixed fields of a `fmt ` chunk, and those followed by the extra-size field.
constexpr std::uint32_t kBaseFormat = 16;
constexpr std::uint32_t kFormatWithExtra = 18;
constexpr std::size_t kFormatRead = 64;  // every field checked below lies in it
constexpr std::uint32_t kMaxRate = 768000;
// The sub-format identifiers of the extensible format: the format tag, then these bytes.
constexpr std::string_view kSubFormatTail("\x00\x00\x10\x00\x80\x00\x00\xAA\x00\x38\x9B\x71", 12);

std::uint32_t Get(std::string_view bytes, std::size_t at, int size) {
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i) value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
    return value;
}

std::optional<std::string> ReadExactly(WaveFileReader& file, std::uint64_t at, std::size_t count) {
    std::optional<std::string> bytes = file.Read(at, count);
    if (bytes && bytes->size() != count) return std::nullopt;
    return bytes;
}

struct Format {
    std::uint32_t tag;
    std::uint32_t channels;
    std::uint32_t rate;
    std::uint32_t bytesPerSecond;
    std::uint32_t blockAlign;
    std::uint32_t bits;
    std::uint32_t extraSize;  // as declared, and known to fit in the chunk
    std::string_view extra;   // as much of it as was read
};

// The extra bytes a format needs; nullopt for a format the player cannot take.
std::optional<std::uint32_t> ExtraNeeded(std::uint32_t tag) {
    switch (tag) {
    case kPcm:
    case kFloat:
    case kALaw:
    case kMuLaw: return 0;
    case kAdpcm: return 32;  // samples a block, the coefficient count, the seven standard pairs
    case kImaAdpcm:
    case kGsm610: return 2;  // samples a block
    case kMp3: return 12;
    case kExtensible: return 22;  // valid bits, speaker mask, sub-format
    default: return std::nullopt;
    }
}

// Formats whose block alignment and byte rate follow from the channels, the rate
// and the sample size.
WaveVerdict CheckLinear(std::uint32_t tag, const Format& f) {
    bool knownSize = false;
    switch (tag) {
    case kPcm: knownSize = f.bits == 8 || f.bits == 16 || f.bits == 24 || f.bits == 32; break;
    case kFloat: knownSize = f.bits == 32 || f.bits == 64; break;
    case kALaw:
    case kMuLaw: knownSize = f.bits == 8; break;
    default: return WaveVerdict::UnknownFormat;
    }
    if (!knownSize || f.blockAlign != f.channels * f.bits / 8) return WaveVerdict::BadFormat;
    if (f.bytesPerSecond != std::uint64_t{f.rate} * f.blockAlign) return WaveVerdict::BadFormat;
    return WaveVerdict::Playable;
}

WaveVerdict CheckExtensible(const Format& f) {
    const std::uint32_t validBits = Get(f.extra, 0, 2);
    const std::string_view subFormat = f.extra.substr(6, 16);
    if (subFormat.substr(4) != kSubFormatTail) return WaveVerdict::UnknownFormat;
    if (validBits > f.bits) return WaveVerdict::BadFormat;
    return CheckLinear(Get(subFormat, 0, 4), f);
}

// The byte rate of a block coding: what blocks of `perBlock` samples come to at
// the sample rate, give or take writers' rounding.
bool PlausibleBlockRate(const Format& f, std::uint32_t perBlock) {
    const std::uint64_t expected = std::uint64_t{f.rate} * f.blockAlign / perBlock;
    return 2 * std::uint64_t{f.bytesPerSecond} >= expected && f.bytesPerSecond <= 2 * expected;
}

// 4-bit ADPCM blocks: a header per channel holding its first samples, then the
// rest of the samples two to a byte. A block must hold the samples it claims.
WaveVerdict CheckAdpcmBlock(const Format& f, std::uint32_t headerBytes, std::uint32_t headerSamples) {
    if (f.bits != 4 || f.blockAlign <= headerBytes * f.channels) return WaveVerdict::BadFormat;
    const std::uint32_t fits = headerSamples + (f.blockAlign - headerBytes * f.channels) * 2 / f.channels;
    const std::uint32_t perBlock = Get(f.extra, 0, 2);
    const bool plausible = perBlock >= 1 && perBlock <= fits && PlausibleBlockRate(f, perBlock);
    return plausible ? WaveVerdict::Playable : WaveVerdict::BadFormat;
}

// MPEG layer 3: its identifier, flags, block size, frames a block, codec delay.
// Byte rates below the lowest bit rate (8 kbit/s) bring the system's decoder down.
WaveVerdict CheckMp3(const Format& f) {
    constexpr std::uint32_t kRates[] = {8000, 11025, 12000, 16000, 22050, 24000, 32000, 44100, 48000};
    const bool knownRate = std::find(std::begin(kRates), std::end(kRates), f.rate) != std::end(kRates);
    const bool plausible = knownRate && f.bytesPerSecond >= 1000 && f.bytesPerSecond <= 40000 &&
                           Get(f.extra, 0, 2) == 1 && Get(f.extra, 6, 2) != 0 && Get(f.extra, 8, 2) != 0;
    return plausible ? WaveVerdict::Playable : WaveVerdict::BadFormat;
}

WaveVerdict CheckCompressed(const Format& f) {
    if (f.channels > 2) return WaveVerdict::BadFormat;
    switch (f.tag) {
    case kAdpcm: {
        const std::uint32_t coefficients = Get(f.extra, 2, 2);
        if (4 + 4 * coefficients > f.extraSize) return WaveVerdict::FormatTooSmall;
        if (coefficients < 7) return WaveVerdict::BadFormat;
        return CheckAdpcmBlock(f, 7, 2);
    }
    case kImaAdpcm: return CheckAdpcmBlock(f, 4, 1);
    case kGsm610: {
        const bool plausible =
            f.channels == 1 && f.blockAlign == 65 && Get(f.extra, 0, 2) == 320 && PlausibleBlockRate(f, 320);
        return plausible ? WaveVerdict::Playable : WaveVerdict::BadFormat;
    }
    default: return CheckMp3(f);
    }
}

WaveVerdict CheckFormat(WaveFileReader& file, std::uint64_t at, std::uint32_t size) {
    if (size < kBaseFormat) return WaveVerdict::FormatTooSmall;
    const std::optional<std::string> bytes = ReadExactly(file, at, std::min<std::size_t>(size, kFormatRead));
    if (!bytes) return WaveVerdict::Unreadable;
    const std::string_view b = *bytes;
    Format f{Get(b, 0, 2), Get(b, 2, 2), Get(b, 4, 4), Get(b, 8, 4), Get(b, 12, 2), Get(b, 14, 2), 0, {}};
    const std::optional<std::uint32_t> needed = ExtraNeeded(f.tag);
    if (!needed) return WaveVerdict::UnknownFormat;
    // PCM has no extra bytes, whatever a longer chunk holds there.
    if (f.tag != kPcm && size >= kFormatWithExtra) {
        f.extraSize = Get(b, 16, 2);
        if (kFormatWithExtra + f.extraSize > size) return WaveVerdict::FormatTooSmall;
        f.extra = b.substr(kFormatWithExtra);
    }
    if (f.extraSize < *needed) return WaveVerdict::FormatTooSmall;
    if (f.channels == 0 || f.rate == 0 || f.rate > kMaxRate || f.blockAlign == 0 || f.bytesPerSecond == 0)
        return WaveVerdict::BadFormat;
    switch (f.tag) {
    case kExtensible: return CheckExtensible(f);
    case kAdpcm:
    case kImaAdpcm:
    case kGsm610:
    case kMp3: return CheckCompressed(f);
    default: return CheckLinear(f.tag, f);
    }
}

}  // namespace

WaveVerdict CheckWave(WaveFileReader& file) {
    const std::uint64_t fileSize = file.Size();
    if (fileSize < kRiffHeader) return WaveVerdict::NotWave;
    const std::optional<std::string> riff = ReadExactly(file, 0, kRiffHeader);
    if (!riff) return WaveVerdict::Unreadable;
    if (riff->compare(0, 4, "RIFF") != 0 || riff->compare(8, 4, "WAVE") != 0) return WaveVerdict::NotWave;
    // The chunks lie inside the RIFF chunk, and inside the part of it the file holds.
    const std::uint64_t end = std::min<std::uint64_t>(fileSize, 8 + std::uint64_t{Get(*riff, 4, 4)});
    bool formatSeen = false;
    std::uint64_t at = kRiffHeader;
    for (int walked = 0; walked < kMaxWaveChunks && at + kChunkHeader <= end; ++walked) {
        const std::optional<std::string> header = ReadExactly(file, at, kChunkHeader);
        if (!header) return WaveVerdict::Unreadable;
        const std::string_view id(header->data(), 4);
        const std::uint32_t size = Get(*header, 4, 4);
        const std::uint64_t body = at + kChunkHeader;
        if (size > end - body) return WaveVerdict::BrokenChunk;
        // An empty sound is not played: the player would never report its end.
        if (id == "data")
            return !formatSeen ? WaveVerdict::NoFormat : size ? WaveVerdict::Playable : WaveVerdict::NoData;
        if (id == "fmt " && !formatSeen) {
            const WaveVerdict format = CheckFormat(file, body, size);
            if (format != WaveVerdict::Playable) return format;
            formatSeen = true;
        }
        at = body + size + (size & 1);  // a chunk of odd size is followed by a pad byte
    }
    return formatSeen ? WaveVerdict::NoData : WaveVerdict::NoFormat;
}
