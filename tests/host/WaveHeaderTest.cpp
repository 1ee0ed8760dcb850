// Which sound files the clock hands to the system's player.
#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>

#include "LittleEndian.h"
#include "content/WaveHeader.h"

namespace {

std::string Words(std::initializer_list<std::uint16_t> words) {
    std::string bytes;
    for (std::uint16_t word : words) bytes += Le(word, 2);
    return bytes;
}

std::string Chunk(const std::string& id, const std::string& body) {
    return id + Le(static_cast<std::uint32_t>(body.size()), 4) + body + (body.size() % 2 ? std::string(1, '\0') : "");
}

std::string Riff(const std::string& chunks, const char* form = "WAVE") {
    return "RIFF" + Le(static_cast<std::uint32_t>(4 + chunks.size()), 4) + form + chunks;
}

struct Fmt {
    std::uint32_t tag = 1;
    std::uint32_t channels = 1;
    std::uint32_t rate = 22050;
    std::uint32_t bytesPerSecond = 44100;
    std::uint32_t blockAlign = 2;
    std::uint32_t bits = 16;
    std::optional<std::string> extra = std::nullopt;  // none: a 16-byte chunk without the extra-size field
};

std::string Body(const Fmt& f) {
    std::string body = Le(f.tag, 2) + Le(f.channels, 2) + Le(f.rate, 4) + Le(f.bytesPerSecond, 4) +
                       Le(f.blockAlign, 2) + Le(f.bits, 2);
    return f.extra ? body + Le(static_cast<std::uint32_t>(f.extra->size()), 2) + *f.extra : body;
}

const std::string kSamples(100, '\x11');
std::string Wave(const Fmt& f = {}) { return Riff(Chunk("fmt ", Body(f)) + Chunk("data", kSamples)); }
std::string SubFormat(std::uint32_t tag) {
    return Le(tag, 4) + std::string("\0\0\x10\0\x80\0\0\xAA\0\x38\x9B\x71", 12);
}

const std::string kAdpcmCoefficients = Words({7, 256, 0, 512, 0xFF00, 0, 0, 192, 64, 240, 0, 460, 0xFF30, 392, 0xFF18});
const Fmt kAdpcm{2, 1, 22050, 11155, 256, 4, Words({500}) + kAdpcmCoefficients};
const Fmt kIma{0x11, 2, 22050, 22311, 512, 4, Words({505})};
const Fmt kMp3{0x55, 2, 44100, 16000, 1, 0, Words({1, 2, 0, 417, 1, 1393})};
const Fmt kMuLaw{7, 1, 8000, 8000, 1, 8, ""};
const Fmt kExtensible{0xFFFE, 2, 48000, 288000, 6, 24, Words({24, 3, 0}) + SubFormat(1)};

// A file of `size` bytes (its bytes' own size by default) of which the test holds `bytes`.
class File : public WaveFileReader {
public:
    explicit File(std::string bytes, std::uint64_t size = 0) : m_bytes(std::move(bytes)), m_size(size) {
        if (m_size == 0) m_size = m_bytes.size();
    }
    std::uint64_t Size() const override { return m_size; }
    std::optional<std::string> Read(std::uint64_t offset, std::size_t count) override {
        EXPECT_LE(offset + count, m_size) << "a read past the end of the file";
        read += count;
        return offset < m_bytes.size() ? m_bytes.substr(offset, count) : std::string();
    }
    std::uint64_t read = 0;

private:
    std::string m_bytes;
    std::uint64_t m_size;
};

TEST(WaveHeaderTest, WellFormedFilesArePlayable) {
    const std::string list = Chunk("LIST", "INFOISFT" + Le(5, 4) + std::string("tool", 5));  // odd sizes, padded
    const std::pair<const char*, std::string> files[] = {
        {"PCM", Wave()},
        {"8-bit stereo PCM", Wave({.channels = 2, .bytesPerSecond = 44100, .blockAlign = 2, .bits = 8})},
        {"float",
         Wave({.tag = 3, .channels = 2, .rate = 48000, .bytesPerSecond = 384000, .blockAlign = 8, .bits = 32})},
        {"ADPCM", Wave(kAdpcm)},
        {"IMA ADPCM", Wave(kIma)},
        {"MP3", Wave(kMp3)},
        {"mu-law", Wave(kMuLaw)},
        {"GSM", Wave({0x31, 1, 8000, 1625, 65, 0, Words({320})})},
        {"extensible PCM", Wave(kExtensible)},
        {"other chunks around the format",
         Riff(list + Chunk("fmt ", Body({})) + Chunk("fact", Le(4, 4)) + Chunk("data", std::string(7, 'x')))},
        {"a RIFF size past the end", Wave().replace(4, 4, Le(0xFFFFFFFF, 4))},
    };
    for (const auto& [what, bytes] : files) {
        File file(bytes);
        EXPECT_EQ(CheckWave(file), WaveVerdict::Playable) << what;
    }
}

TEST(WaveHeaderTest, DamagedHeadersAreRefused) {
    using V = WaveVerdict;
    std::string manyChunks;
    for (int i = 0; i < kMaxWaveChunks; ++i) manyChunks += Chunk("junk", "");
    const std::string fmt = Chunk("fmt ", Body({}));
    const struct Case {
        const char* what;
        std::string bytes;
        WaveVerdict expected;
        std::uint64_t size = 0;
    } cases[] = {
        {"no RIFF", "RIFX" + Wave().substr(4), V::NotWave},
        {"not WAVE", Riff(fmt + Chunk("data", kSamples), "AVI "), V::NotWave},
        {"shorter than a RIFF header", std::string("RIFF\4\0\0\0WAV", 11), V::NotWave},
        {"no format", Riff(Chunk("data", kSamples)), V::NoFormat},
        {"the data before the format", Riff(Chunk("data", kSamples) + fmt), V::NoFormat},
        {"a format too small", Riff(Chunk("fmt ", Body({}).substr(0, 14)) + Chunk("data", "")), V::FormatTooSmall},
        {"a format past the end", Riff(fmt).replace(16, 4, Le(17, 4)), V::BrokenChunk},
        {"no channels", Wave({.channels = 0}), V::BadFormat},
        {"no rate", Wave({.rate = 0, .bytesPerSecond = 0}), V::BadFormat},
        {"no block alignment", Wave({.blockAlign = 0}), V::BadFormat},
        {"no byte rate", Wave({.bytesPerSecond = 0}), V::BadFormat},
        {"PCM alignment that disagrees", Wave({.blockAlign = 4}), V::BadFormat},
        {"PCM byte rate that disagrees", Wave({.bytesPerSecond = 44000}), V::BadFormat},
        {"a PCM sample size that does not exist", Wave({.bits = 12}), V::BadFormat},
        {"a format the player cannot take", Wave({.tag = 0x22}), V::UnknownFormat},
        {"no data", Riff(fmt), V::NoData},
        {"no sound in the data", Riff(fmt + Chunk("data", "")), V::NoData},
        {"data past the end", Wave().substr(0, Wave().size() - 1), V::BrokenChunk},
        {"data past the end of the RIFF chunk", Wave().replace(4, 4, Le(36, 4)), V::BrokenChunk},
        {"a chunk size that would overflow", Riff(Chunk("LIST", "") + fmt).replace(16, 4, Le(0xFFFFFFFF, 4)),
         V::BrokenChunk},
        {"too many chunks before the format", Riff(manyChunks + fmt + Chunk("data", "")), V::NoFormat},
        {"a file that shrank while read", Wave().substr(0, 30), V::Unreadable, Wave().size()},
        {"ADPCM without alignment", Wave({2, 1, 22050, 11155, 0, 4, kAdpcm.extra}), V::BadFormat},
        {"IMA ADPCM without alignment", Wave({0x11, 2, 22050, 22311, 0, 4, kIma.extra}), V::BadFormat},
        {"ADPCM bytes a second far from its blocks'", Wave({2, 1, 22050, 5000, 256, 4, kAdpcm.extra}), V::BadFormat},
        {"MP3 below the lowest bit rate", Wave({0x55, 2, 44100, 999, 1, 0, kMp3.extra}), V::BadFormat},
        {"MP3 without alignment", Wave({0x55, 2, 44100, 16000, 0, 0, kMp3.extra}), V::BadFormat},
        {"mu-law without alignment", Wave({7, 1, 8000, 8000, 0, 8, ""}), V::BadFormat},
        {"ADPCM blocks claiming more samples than fit",
         Wave({2, 1, 22050, 11155, 256, 4, Words({501}) + kAdpcmCoefficients}), V::BadFormat},
        {"ADPCM coefficients past its extra bytes",
         Wave({2, 1, 22050, 11155, 256, 4, Words({500, 8}) + kAdpcmCoefficients.substr(2)}), V::FormatTooSmall},
        {"extra bytes past the chunk", Wave(kMp3).replace(36, 2, Le(14, 2)), V::FormatTooSmall},
        {"MP3 without its extra bytes", Wave({0x55, 2, 44100, 16000, 1, 0, ""}), V::FormatTooSmall},
        {"an extensible sub-format of its own",
         Wave({0xFFFE, 2, 48000, 288000, 6, 24, Words({24, 3, 0}) + SubFormat(1).replace(15, 1, "\x72")}),
         V::UnknownFormat},
        {"extensible ADPCM", Wave({0xFFFE, 2, 48000, 288000, 6, 24, Words({24, 3, 0}) + SubFormat(2)}),
         V::UnknownFormat},
    };
    for (const Case& c : cases) {
        File file(c.bytes, c.size);
        EXPECT_EQ(CheckWave(file), c.expected) << c.what;
    }
}

TEST(WaveHeaderTest, AHugeFileIsCheckedFromItsHeadersAlone) {
    constexpr std::uint32_t kHuge = 600'000'000;
    const std::string head = "RIFF" + Le(kHuge - 8, 4) + "WAVE" + Chunk("fmt ", Body({})) + "data" + Le(kHuge - 44, 4);
    File file(head, kHuge);
    EXPECT_EQ(CheckWave(file), WaveVerdict::Playable);
    EXPECT_LE(file.read, head.size());
}

}  // namespace
