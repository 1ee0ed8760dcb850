// Event sounds of the running clock: one sound at a time, the end notice, and
// the close that waits for the exit sound. MCI really plays on Wine's null device.
#include <windows.h>
#include <mmsystem.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "ClockTestSupport.h"
#include "WineTestSupport.h"
#include "app/CClockTrayWnd.h"
#include "clock/CClockDialog.h"
#include "content/SoundTable.h"
#include "ui/Cp932Codec.h"

namespace {

using Names = std::vector<std::wstring>;

class ClockSoundTest : public testing::Test {
protected:
    // Writes a tone into the data folder and returns its full path.
    std::wstring Wave(const std::wstring& name, int milliseconds = 100) {
        world.folder.WriteData(name, MakeWave(milliseconds));
        return world.folder.DataPath(name);
    }
    void WriteSounds() { world.folder.WriteData(L"Sound.ini", WriteSoundTable(sounds, ui::Cp932Codec())); }
    void Start() {
        WriteSounds();
        clock = std::make_unique<RunningClock>(world);
        ASSERT_TRUE(clock->Alive());
        dialog = clock->Dialog();
        tray = clock->Tray()->Handle();
    }
    bool WaitUntilQuiet() const {
        return PumpUntil([this] { return !dialog->SoundPlaying(); });
    }
    void Close() const { SendMessageW(clock->Hwnd(), WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0); }

    TestWorld world;
    SoundTable sounds;
    std::unique_ptr<RunningClock> clock;
    CClockDialog* dialog = nullptr;
    HWND tray = nullptr;
};

TEST_F(ClockSoundTest, AOneFileListPlaysThatFileUntilItsEndNotice) {
    std::wstring path = Wave(L"minimize.wav");
    sounds.List(SoundEvent::Minimize) = {path};
    ASSERT_NO_FATAL_FAILURE(Start());
    EXPECT_FALSE(dialog->SoundPlaying());  // no Boot sound
    for (int round = 0; round < 3; ++round) {
        ASSERT_TRUE(dialog->PlayEventSound(SoundEvent::Minimize));
        EXPECT_TRUE(dialog->SoundPlaying());
        EXPECT_EQ(OpenMciDevices(), Names{path});
        ASSERT_TRUE(WaitUntilQuiet());
        EXPECT_TRUE(OpenMciDevices().empty());
    }
}

TEST_F(ClockSoundTest, ARequestWhileASoundPlaysIsDroppedNotQueued) {
    std::wstring chime = Wave(L"chime.wav", 1000);
    std::wstring change = Wave(L"change.wav");
    sounds.List(SoundEvent::Time) = {chime};
    sounds.List(SoundEvent::Update) = {change};
    ASSERT_NO_FATAL_FAILURE(Start());
    ASSERT_TRUE(dialog->PlayEventSound(SoundEvent::Time));
    EXPECT_FALSE(dialog->PlayEventSound(SoundEvent::Update));
    EXPECT_FALSE(dialog->PlaySoundFile(change));
    EXPECT_FALSE(dialog->PlayEventSound(SoundEvent::Time));
    EXPECT_EQ(OpenMciDevices(), Names{chime});

    ASSERT_TRUE(WaitUntilQuiet());
    EXPECT_TRUE(OpenMciDevices().empty());  // nothing waited to play after it
    ASSERT_TRUE(dialog->PlayEventSound(SoundEvent::Update));
    EXPECT_EQ(OpenMciDevices(), Names{change});
}

TEST_F(ClockSoundTest, SeveralFilesArePickedAtRandom) {
    std::set<std::wstring> files = {Wave(L"a.wav", 30), Wave(L"b.wav", 30), Wave(L"c.wav", 30)};
    sounds.List(SoundEvent::Away) = Names(files.begin(), files.end());
    ASSERT_NO_FATAL_FAILURE(Start());
    std::set<std::wstring> played;
    for (int round = 0; round < 20; ++round) {
        ASSERT_TRUE(dialog->PlayEventSound(SoundEvent::Away));
        Names open = OpenMciDevices();
        ASSERT_EQ(open.size(), 1u);
        EXPECT_TRUE(files.count(open[0])) << Utf8(open[0]);
        played.insert(open[0]);
        ASSERT_TRUE(WaitUntilQuiet());
    }
    EXPECT_GE(played.size(), 2u);
}

TEST_F(ClockSoundTest, AnEmptyListIsSilent) {
    ASSERT_NO_FATAL_FAILURE(Start());
    EXPECT_FALSE(dialog->PlayEventSound(SoundEvent::Return));
    EXPECT_FALSE(dialog->SoundPlaying());
    EXPECT_TRUE(OpenMciDevices().empty());
}

TEST_F(ClockSoundTest, UnplayableFilesAreSilentAndLaterSoundsStillPlay) {
    world.folder.WriteData(L"garbage.wav", std::string(300, '\x7f'));
    world.folder.WriteData(L"notes.txt", "not a sound\r\n");
    sounds.List(SoundEvent::Alarm) = {world.folder.DataPath(L"missing.wav")};
    sounds.List(SoundEvent::Restore) = {world.folder.DataPath(L"garbage.wav")};
    sounds.List(SoundEvent::Return) = {world.folder.DataPath(L"notes.txt")};
    std::wstring good = Wave(L"good.wav");
    sounds.List(SoundEvent::Update) = {good};
    ASSERT_NO_FATAL_FAILURE(Start());
    for (SoundEvent event : {SoundEvent::Alarm, SoundEvent::Restore, SoundEvent::Return}) {
        EXPECT_FALSE(dialog->PlayEventSound(event));
        EXPECT_FALSE(dialog->SoundPlaying());
        EXPECT_TRUE(OpenMciDevices().empty());
    }
    EXPECT_FALSE(dialog->PlaySoundFile(world.folder.DataPath(L"missing.wav")));
    EXPECT_FALSE(dialog->SoundPlaying());
    ASSERT_TRUE(dialog->PlayEventSound(SoundEvent::Update));
    EXPECT_EQ(OpenMciDevices(), Names{good});
}

TEST_F(ClockSoundTest, ARelativePathPlaysFromTheProgramFolder) {
    std::wstring full = Wave(L"relative.wav");
    sounds.List(SoundEvent::Update) = {L"dat\\relative.wav"};
    ASSERT_NO_FATAL_FAILURE(Start());
    wchar_t current[MAX_PATH] = {};
    GetCurrentDirectoryW(MAX_PATH, current);
    ASSERT_NE(std::wstring(current) + L"\\", world.folder.Path());  // so the folder is not found by chance

    ASSERT_TRUE(dialog->PlayEventSound(SoundEvent::Update));
    EXPECT_EQ(OpenMciDevices(), Names{full});
    ASSERT_TRUE(WaitUntilQuiet());
    ASSERT_TRUE(dialog->PlaySoundFile(L"dat\\relative.wav"));
    EXPECT_EQ(OpenMciDevices(), Names{full});
    ASSERT_TRUE(WaitUntilQuiet());

    // The table keeps the path as written.
    dialog->SaveAll();
    EXPECT_NE(world.folder.ReadData(L"Sound.ini").find("[Update]\r\ndat\\relative.wav\r\n"), std::string::npos);
}

TEST_F(ClockSoundTest, StopEndsTheSoundAndItsLateNoticeSparesTheNext) {
    std::wstring first = Wave(L"first.wav", 3000);
    std::wstring second = Wave(L"second.wav", 3000);
    ASSERT_NO_FATAL_FAILURE(Start());
    ASSERT_TRUE(dialog->PlaySoundFile(first));
    dialog->StopEventSound();
    EXPECT_FALSE(dialog->SoundPlaying());
    EXPECT_TRUE(OpenMciDevices().empty());

    ASSERT_TRUE(dialog->PlaySoundFile(second));
    // The stopped sound's notice is still waiting, and MCI has reused its device ID.
    MSG late{};
    ASSERT_TRUE(PeekMessageW(&late, clock->Hwnd(), MM_MCINOTIFY, MM_MCINOTIFY, PM_REMOVE));
    EXPECT_EQ(late.wParam, static_cast<WPARAM>(MCI_NOTIFY_ABORTED));
    DispatchMessageW(&late);
    EXPECT_TRUE(dialog->SoundPlaying());
    EXPECT_EQ(OpenMciDevices(), Names{second});
    ASSERT_TRUE(WaitUntilQuiet());
    EXPECT_TRUE(OpenMciDevices().empty());
}

TEST_F(ClockSoundTest, AFailureNoticeEndsTheSoundAndOtherDevicesAreIgnored) {
    std::wstring path = Wave(L"long.wav", 3000);
    ASSERT_NO_FATAL_FAILURE(Start());
    ASSERT_TRUE(dialog->PlaySoundFile(path));
    MCIDEVICEID device = mciGetDeviceIDW(path.c_str());
    ASSERT_NE(device, 0u);
    SendMessageW(clock->Hwnd(), MM_MCINOTIFY, MCI_NOTIFY_SUCCESSFUL, device + 5);
    EXPECT_TRUE(dialog->SoundPlaying());
    SendMessageW(clock->Hwnd(), MM_MCINOTIFY, MCI_NOTIFY_FAILURE, device);
    EXPECT_FALSE(dialog->SoundPlaying());
    EXPECT_TRUE(OpenMciDevices().empty());
}

TEST_F(ClockSoundTest, TheExitSoundKeepsTheWindowOpenUntilItEndsWithEverythingSavedBeforeIt) {
    std::wstring exit = Wave(L"exit.wav", 300);
    sounds.List(SoundEvent::Exit) = {exit};
    ASSERT_NO_FATAL_FAILURE(Start());
    Close();
    ASSERT_TRUE(clock->Alive());
    EXPECT_EQ(dialog->Snapshot().closing, 1);
    EXPECT_TRUE(dialog->SoundPlaying());
    EXPECT_EQ(OpenMciDevices(), Names{exit});
    EXPECT_NE(world.ReadProfile(L"X"), L"");  // saved before the sound started

    ASSERT_TRUE(PumpUntil([&] { return !IsWindow(tray); }));
    EXPECT_FALSE(clock->Alive());
    EXPECT_TRUE(OpenMciDevices().empty());
    EXPECT_EQ(world.notifications.back().message, static_cast<DWORD>(NIM_DELETE));
}

// A long exit sound is cut short once the close has waited its few seconds.
TEST_F(ClockSoundTest, TheCloseWaitsForTheExitSoundAFewSecondsAtMost) {
    sounds.List(SoundEvent::Exit) = {Wave(L"exit.wav", 60000)};
    ASSERT_NO_FATAL_FAILURE(Start());
    Close();
    ASSERT_TRUE(clock->Alive());
    ASSERT_EQ(world.timers.back(), std::make_pair(CClockDialog::kExitSoundTimer, CClockDialog::kExitSoundWait));
    EXPECT_LE(CClockDialog::kExitSoundWait, 3000u);
    EXPECT_TRUE(dialog->SoundPlaying());
    SendMessageW(clock->Hwnd(), WM_TIMER, CClockDialog::kExitSoundTimer, 0);
    EXPECT_FALSE(clock->Alive());
    ASSERT_TRUE(PumpUntil([&] { return !IsWindow(tray); }));
    EXPECT_TRUE(OpenMciDevices().empty());
}

TEST_F(ClockSoundTest, ACloseStopsTheSoundPlayingAndPlaysTheExitSound) {
    std::wstring exit = Wave(L"exit.wav");
    std::wstring other = Wave(L"other.wav", 3000);
    sounds.List(SoundEvent::Exit) = {exit};
    sounds.List(SoundEvent::Minimize) = {other};
    ASSERT_NO_FATAL_FAILURE(Start());
    ASSERT_TRUE(dialog->PlayEventSound(SoundEvent::Minimize));
    Close();
    ASSERT_TRUE(clock->Alive());
    EXPECT_EQ(dialog->Snapshot().closing, 1);
    EXPECT_EQ(OpenMciDevices(), Names{exit});
    ASSERT_TRUE(PumpUntil([&] { return !IsWindow(tray); }));
    EXPECT_FALSE(clock->Alive());
    EXPECT_TRUE(OpenMciDevices().empty());
}

TEST_F(ClockSoundTest, ASecondCloseShutsDownAtOnce) {
    sounds.List(SoundEvent::Exit) = {Wave(L"exit.wav", 3000)};
    ASSERT_NO_FATAL_FAILURE(Start());
    Close();
    ASSERT_TRUE(clock->Alive());
    Close();
    EXPECT_FALSE(clock->Alive());
    ASSERT_TRUE(PumpUntil([&] { return !IsWindow(tray); }));
    EXPECT_TRUE(OpenMciDevices().empty());  // the player closed its device with the window
    EXPECT_NE(world.ReadProfile(L"X"), L"");
}

TEST_F(ClockSoundTest, AnExitSoundThatCannotStartClosesAtOnce) {
    sounds.List(SoundEvent::Exit) = {world.folder.DataPath(L"missing.wav")};
    ASSERT_NO_FATAL_FAILURE(Start());
    Close();
    EXPECT_FALSE(clock->Alive());
    EXPECT_NE(world.ReadProfile(L"X"), L"");
}

TEST_F(ClockSoundTest, WithoutExitSoundsTheCloseIsImmediateEvenWhileASoundPlays) {
    sounds.List(SoundEvent::Restore) = {Wave(L"restore.wav", 3000)};
    ASSERT_NO_FATAL_FAILURE(Start());
    ASSERT_TRUE(dialog->PlayEventSound(SoundEvent::Restore));
    Close();
    EXPECT_FALSE(clock->Alive());
    clock->Pump();
    EXPECT_TRUE(OpenMciDevices().empty());
}

// ---- The sample data folder ------------------------------------------------------------

// The repository's dat folder, found above the test program (build/<name>/wine_tests.exe).
std::wstring SampleDataFolder() {
    wchar_t module[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, module, MAX_PATH);
    std::wstring folder = module;
    for (int level = 0; level < 5; ++level) {
        size_t slash = folder.find_last_of(L"\\/");
        if (slash == std::wstring::npos) break;
        folder.resize(slash);
        std::wstring candidate = folder + L"\\dat\\";
        if (GetFileAttributesW((candidate + L"Sound.ini").c_str()) != INVALID_FILE_ATTRIBUTES) return candidate;
    }
    return L"";
}

// Copies the sample files; `shipped` gets the sound files as Sound.ini would name them.
void CopySampleSounds(const std::wstring& from, const TempFolder& to, Names& shipped) {
    ASSERT_TRUE(CopyFileW((from + L"Sound.ini").c_str(), to.DataPath(L"Sound.ini").c_str(), FALSE));
    ASSERT_TRUE(CopyFileW((from + L"Message.ini").c_str(), to.DataPath(L"Message.ini").c_str(), FALSE));
    CreateDirectoryW(to.DataPath(L"sounds").c_str(), nullptr);
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((from + L"sounds\\*.wav").c_str(), &found);
    ASSERT_NE(search, INVALID_HANDLE_VALUE);
    do {
        std::wstring name = std::wstring(L"sounds\\") + found.cFileName;
        ASSERT_TRUE(CopyFileW((from + name).c_str(), to.DataPath(name).c_str(), FALSE));
        shipped.push_back(L"dat\\" + name);
    } while (FindNextFileW(search, &found));
    FindClose(search);
}

TEST(ClockSoundTestSamples, EverySampleSoundPlaysFromAnUnpackedFolder) {
    std::wstring samples = SampleDataFolder();
    ASSERT_NE(samples, L"") << "no dat\\Sound.ini above the test program";
    TestWorld world;
    Names shipped;
    CopySampleSounds(samples, world.folder, shipped);
    RunningClock clock(world);
    CClockDialog* dialog = clock.Dialog();
    ASSERT_NE(dialog, nullptr);
    auto quiet = [&] { return PumpUntil([&] { return !dialog->SoundPlaying(); }); };
    ASSERT_TRUE(quiet());  // the Boot sound

    // Every event has a sound but the picture change, which a first start keeps quiet.
    Names named;
    const ClockSnapshot held = dialog->Snapshot();
    for (SoundEvent event : kSoundEvents) {
        const Names& list = held.sounds.List(event);
        EXPECT_EQ(list.empty(), event == SoundEvent::Update) << Utf8(std::wstring(SoundEventHeader(event)));
        named.insert(named.end(), list.begin(), list.end());
    }
    for (size_t i = 0; i < held.alarms.Count(); ++i) {
        const std::wstring& sound = held.alarms.At(i).Sound;
        if (sound != L"NULL") named.push_back(sound);
        EXPECT_NE(held.alarms.At(i).TimeUnit, kTimeUnitHourly);  // no sample comes more often than daily
    }
    for (const std::wstring& file : named)  // shipped, and named relative to the program
        EXPECT_NE(std::find(shipped.begin(), shipped.end(), file), shipped.end()) << Utf8(file);
    for (const std::wstring& file : shipped) {
        EXPECT_TRUE(dialog->PlaySoundFile(file)) << Utf8(file);
        EXPECT_TRUE(quiet()) << Utf8(file);
    }
}

}  // namespace
