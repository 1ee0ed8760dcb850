// WAV files whose format header is damaged, as the clock's start and exit sounds:
// the clock plays nothing and still starts, closes and saves.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>

#include "ClockTestSupport.h"
#include "WineTestSupport.h"
#include "app/CClockTrayWnd.h"
#include "clock/CClockDialog.h"
#include "content/SoundTable.h"
#include "ui/Cp932Codec.h"

namespace {

// A mono sound whose format header the system's player cannot survive (or never ends).
struct Malformed {
    const char* name;
    std::uint16_t tag;
    std::uint32_t rate;
    std::uint32_t bytesPerSecond;
    std::uint16_t blockAlign;
    std::uint16_t bitsPerSample;
    std::string extra;  // the bytes after the extra-size field
    std::size_t samples = 4096;
};

std::string Extra(std::initializer_list<std::uint16_t> words) {
    std::string bytes;
    for (std::uint16_t word : words) PutLittleEndian(bytes, word, 2);
    return bytes;
}

std::string File(const Malformed& m) {
    std::string format;
    PutLittleEndian(format, m.tag, 2);
    PutLittleEndian(format, 1, 2);  // mono
    PutLittleEndian(format, m.rate, 4);
    PutLittleEndian(format, m.bytesPerSecond, 4);
    PutLittleEndian(format, m.blockAlign, 2);
    PutLittleEndian(format, m.bitsPerSample, 2);
    PutLittleEndian(format, static_cast<std::uint32_t>(m.extra.size()), 2);
    return WaveFile(format + m.extra, std::string(m.samples, '\x55'));
}

const std::string kMp3 = Extra({1, 2, 0, 104, 1, 1393});
const Malformed kMalformed[] = {
    // Block alignment 0, the other fields as an encoder writes them.
    {"Adpcm", 2, 22050, 11155, 0, 4,
     Extra({500, 7, 256, 0, 512, 0xFF00, 0, 0, 192, 64, 240, 0, 460, 0xFF30, 392, 0xFF18})},
    {"ImaAdpcm", 0x11, 22050, 11100, 0, 4, Extra({505})},
    {"MuLaw", 7, 8000, 8000, 0, 8, ""},
    {"Mp3", 0x55, 22050, 4000, 0, 0, kMp3},
    {"Mp3BelowTheLowestBitRate", 0x55, 22050, 16, 1, 0, kMp3},
    {"NoSamples", 1, 22050, 44100, 2, 16, "", 0},
};

class MalformedWaveTest : public testing::TestWithParam<Malformed> {
protected:
    void Start(SoundEvent event) {
        world.folder.WriteData(L"damaged.wav", File(GetParam()));
        SoundTable sounds;
        sounds.List(event) = {world.folder.DataPath(L"damaged.wav")};
        world.folder.WriteData(L"Sound.ini", WriteSoundTable(sounds, ui::Cp932Codec()));
        clock = std::make_unique<RunningClock>(world);
        ASSERT_TRUE(clock->Alive());
        tray = clock->Tray()->Handle();
        EXPECT_TRUE(PumpUntil([this] { return !clock->Dialog()->SoundPlaying(); }));
        EXPECT_TRUE(OpenMciDevices().empty());
        SetWindowPos(clock->Hwnd(), nullptr, 210, 64, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    }
    // Closes the clock, which ends at once: its exit sound, if any, could not start.
    void CloseAndExpectSaved() {
        SendMessageW(clock->Hwnd(), WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        EXPECT_FALSE(clock->Alive());
        EXPECT_TRUE(PumpUntil([this] { return !IsWindow(tray); }));
        EXPECT_EQ(world.ReadProfile(L"X"), L"210");
        EXPECT_EQ(world.ReadProfile(L"Y"), L"64");
        EXPECT_TRUE(OpenMciDevices().empty());
    }

    TestWorld world;
    std::unique_ptr<RunningClock> clock;
    HWND tray = nullptr;
};

TEST_P(MalformedWaveTest, AsTheBootSoundTheClockStartsClosesAndSaves) {
    ASSERT_NO_FATAL_FAILURE(Start(SoundEvent::Boot));
    CloseAndExpectSaved();
}

TEST_P(MalformedWaveTest, AsTheExitSoundTheClockClosesAndSaves) {
    ASSERT_NO_FATAL_FAILURE(Start(SoundEvent::Exit));
    CloseAndExpectSaved();
}

INSTANTIATE_TEST_SUITE_P(MalformedWaveTest, MalformedWaveTest, testing::ValuesIn(kMalformed),
                         [](const testing::TestParamInfo<Malformed>& info) { return std::string(info.param.name); });

}  // namespace
