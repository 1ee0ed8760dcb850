// The MCI wave player on its own: real playback on Wine's null sound device.
#include <windows.h>
#include <mmsystem.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "WineTestSupport.h"
#include "content/CWavePlayer.h"

namespace {

struct Notice {
    WPARAM flags;
    LPARAM device;
};

// A message-only window that records the MM_MCINOTIFY messages it is sent.
class NoticeWindow {
public:
    NoticeWindow() {
        WNDCLASSW wc{};
        wc.lpfnWndProc = &NoticeWindow::Proc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"WavePlayerTestNotices";
        RegisterClassW(&wc);
        m_hwnd = CreateWindowExW(0, wc.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, wc.hInstance, this);
    }
    ~NoticeWindow() { DestroyWindow(m_hwnd); }
    NoticeWindow(const NoticeWindow&) = delete;
    NoticeWindow& operator=(const NoticeWindow&) = delete;

    HWND Handle() const { return m_hwnd; }
    const std::vector<Notice>& Notices() const { return m_notices; }
    bool WaitForNotices(std::size_t count) const {
        return PumpUntil([&] { return m_notices.size() >= count; });
    }

private:
    static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_NCCREATE) {
            auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
            SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
        }
        auto* self = reinterpret_cast<NoticeWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
        if (message == MM_MCINOTIFY && self) {
            self->m_notices.push_back({wParam, lParam});
            return 0;
        }
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }

    HWND m_hwnd = nullptr;
    std::vector<Notice> m_notices;
};

// Holds the sound driver's play thread just after it has posted an end notice,
// as a busy machine may: the thread has yet to return through the driver's
// code. The notice is posted through winmm's import of PostMessageW, which is
// rerouted while an object of this class lives.
class HeldPlayThread {
public:
    HeldPlayThread() {
        void* post = reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "PostMessageW"));
        m_slot = ImportSlot(GetModuleHandleW(L"winmm.dll"), post);
        if (!m_slot || s_self) return;
        s_self = this;
        s_post = reinterpret_cast<PostFunction>(post);
        Patch(reinterpret_cast<void*>(&PostAndHold));
    }
    ~HeldPlayThread() {
        if (s_self != this) return;
        Release();
        if (m_thread) WaitForSingleObject(m_thread, 5000);
        Patch(reinterpret_cast<void*>(s_post));
        s_self = nullptr;
        if (m_thread) CloseHandle(m_thread);
        CloseHandle(m_released);
    }
    HeldPlayThread(const HeldPlayThread&) = delete;
    HeldPlayThread& operator=(const HeldPlayThread&) = delete;

    bool Installed() const { return s_self == this; }
    void Release() const { SetEvent(m_released); }
    // Whether a thread was held and, once released, has run to its end.
    bool WaitForThreadEnd() const { return m_thread && WaitForSingleObject(m_thread, 5000) == WAIT_OBJECT_0; }

private:
    using PostFunction = BOOL(WINAPI*)(HWND, UINT, WPARAM, LPARAM);

    static BOOL WINAPI PostAndHold(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
        HeldPlayThread* self = s_self;
        bool hold = self && message == MM_MCINOTIFY && GetCurrentThreadId() != self->m_testThread &&
                    InterlockedExchange(&self->m_holding, 1) == 0;
        if (hold) self->m_thread = OpenThread(SYNCHRONIZE, FALSE, GetCurrentThreadId());
        BOOL posted = s_post(hwnd, message, wParam, lParam);
        if (hold) WaitForSingleObject(self->m_released, INFINITE);
        return posted;
    }

    // The slot of `module`'s import address table that holds `function`.
    static void** ImportSlot(HMODULE module, void* function) {
        if (!module || !function) return nullptr;
        auto* base = reinterpret_cast<BYTE*>(module);
        auto* nt = reinterpret_cast<IMAGE_NT_HEADERS*>(base + reinterpret_cast<IMAGE_DOS_HEADER*>(base)->e_lfanew);
        const IMAGE_DATA_DIRECTORY& table = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IAT];
        auto* slots = reinterpret_cast<void**>(base + table.VirtualAddress);
        for (DWORD i = 0; i < table.Size / sizeof(void*); ++i)
            if (slots[i] == function) return &slots[i];
        return nullptr;
    }

    void Patch(void* function) const {
        DWORD old = 0;
        VirtualProtect(m_slot, sizeof(void*), PAGE_READWRITE, &old);
        *m_slot = function;
        VirtualProtect(m_slot, sizeof(void*), old, &old);
    }

    static inline HeldPlayThread* s_self = nullptr;
    static inline PostFunction s_post = nullptr;
    void** m_slot = nullptr;
    DWORD m_testThread = GetCurrentThreadId();
    HANDLE m_released = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    LONG m_holding = 0;
    HANDLE m_thread = nullptr;
};

class WavePlayerTest : public testing::Test {
protected:
    std::wstring Write(const std::wstring& name, const std::string& bytes) {
        folder.WriteData(name, bytes);
        return folder.DataPath(name);
    }

    TempFolder folder;
    NoticeWindow window;
};

TEST_F(WavePlayerTest, PlaysToTheEndAndNotifiesTheWindow) {
    std::wstring path = Write(L"tone.wav", MakeWave(200));
    CWavePlayer player;
    ASSERT_EQ(player.Play(window.Handle(), path), 0u);
    EXPECT_TRUE(player.IsOpen());
    EXPECT_EQ(OpenMciDevices(), std::vector<std::wstring>{path});
    MCIDEVICEID device = player.Device();

    ASSERT_TRUE(window.WaitForNotices(1));
    EXPECT_EQ(window.Notices()[0].flags, static_cast<WPARAM>(MCI_NOTIFY_SUCCESSFUL));
    EXPECT_EQ(window.Notices()[0].device, static_cast<LPARAM>(device));
    EXPECT_TRUE(player.IsEndNotice(window.Notices()[0].flags, window.Notices()[0].device));

    // The device stays open after the end until it is closed.
    EXPECT_TRUE(player.IsOpen());
    EXPECT_EQ(player.Close(), 0u);
    EXPECT_FALSE(player.IsOpen());
    EXPECT_TRUE(OpenMciDevices().empty());
}

TEST_F(WavePlayerTest, PathsWithSpacesAndJapaneseNamesPlay) {
    std::wstring path = Write(L"時報 の 音.wav", MakeWave(50));
    CWavePlayer player;
    EXPECT_EQ(player.Play(window.Handle(), path), 0u);
    ASSERT_TRUE(window.WaitForNotices(1));
    EXPECT_EQ(window.Notices()[0].flags, static_cast<WPARAM>(MCI_NOTIFY_SUCCESSFUL));
}

TEST_F(WavePlayerTest, FilesThatCannotPlayLeaveNothingOpen) {
    const std::wstring paths[] = {
        folder.DataPath(L"missing.wav"),
        Write(L"garbage.wav", std::string(400, 'x')),
        Write(L"text.txt", "not a sound\r\n"),
        Write(L"empty.wav", ""),
        L"",
    };
    for (const std::wstring& path : paths) {
        CWavePlayer player;
        EXPECT_NE(player.Play(window.Handle(), path), 0u) << Utf8(path);
        EXPECT_FALSE(player.IsOpen()) << Utf8(path);
        EXPECT_EQ(player.Device(), 0u);
        EXPECT_TRUE(OpenMciDevices().empty()) << Utf8(path);
    }
}

TEST_F(WavePlayerTest, AFailedPlayClosesTheSoundBeforeIt) {
    std::wstring good = Write(L"tone.wav", MakeWave(2000));
    CWavePlayer player;
    ASSERT_EQ(player.Play(window.Handle(), good), 0u);
    EXPECT_NE(player.Play(window.Handle(), folder.DataPath(L"missing.wav")), 0u);
    EXPECT_FALSE(player.IsOpen());
    EXPECT_TRUE(OpenMciDevices().empty());
}

TEST_F(WavePlayerTest, PlayingAgainClosesThePreviousDevice) {
    std::wstring first = Write(L"first.wav", MakeWave(2000));
    std::wstring second = Write(L"second.wav", MakeWave(100));
    CWavePlayer player;
    ASSERT_EQ(player.Play(window.Handle(), first), 0u);
    ASSERT_EQ(player.Play(window.Handle(), second), 0u);
    EXPECT_EQ(OpenMciDevices(), std::vector<std::wstring>{second});
    ASSERT_TRUE(window.WaitForNotices(2));
    // The first sound's notice says it was cut short; only the second's is its end.
    EXPECT_EQ(window.Notices()[0].flags, static_cast<WPARAM>(MCI_NOTIFY_ABORTED));
    EXPECT_FALSE(player.IsEndNotice(window.Notices()[0].flags, window.Notices()[0].device));
    EXPECT_EQ(window.Notices()[1].flags, static_cast<WPARAM>(MCI_NOTIFY_SUCCESSFUL));
    EXPECT_TRUE(player.IsEndNotice(window.Notices()[1].flags, window.Notices()[1].device));
}

TEST_F(WavePlayerTest, CloseWhilePlayingStopsTheSound) {
    std::wstring path = Write(L"long.wav", MakeWave(3000));
    CWavePlayer player;
    ASSERT_EQ(player.Play(window.Handle(), path), 0u);
    EXPECT_EQ(player.Close(), 0u);
    EXPECT_FALSE(player.IsOpen());
    EXPECT_TRUE(OpenMciDevices().empty());
    ASSERT_TRUE(window.WaitForNotices(1));
    EXPECT_EQ(window.Notices()[0].flags, static_cast<WPARAM>(MCI_NOTIFY_ABORTED));
    EXPECT_EQ(player.Close(), 0u);  // nothing left to close
}

TEST_F(WavePlayerTest, DestructorClosesAnOpenDevice) {
    std::wstring path = Write(L"long.wav", MakeWave(3000));
    {
        CWavePlayer player;
        ASSERT_EQ(player.Play(window.Handle(), path), 0u);
        EXPECT_EQ(OpenMciDevices().size(), 1u);
    }
    EXPECT_TRUE(OpenMciDevices().empty());
}

TEST_F(WavePlayerTest, AFailingCloseGivesTheDeviceUp) {
    std::wstring path = Write(L"long.wav", MakeWave(3000));
    CWavePlayer player;
    ASSERT_EQ(player.Play(window.Handle(), path), 0u);
    // Closed behind the player's back: its own close now fails.
    ASSERT_EQ(mciSendCommandW(player.Device(), MCI_CLOSE, 0, 0), 0u);
    EXPECT_NE(player.Close(), 0u);
    EXPECT_FALSE(player.IsOpen());
    EXPECT_EQ(player.Close(), 0u);
}

TEST_F(WavePlayerTest, OnlyAnEndNoticeOfTheOpenDeviceCounts) {
    std::wstring path = Write(L"long.wav", MakeWave(3000));
    CWavePlayer player;
    EXPECT_FALSE(player.IsEndNotice(MCI_NOTIFY_SUCCESSFUL, 0));
    EXPECT_FALSE(player.IsEndNotice(MCI_NOTIFY_SUCCESSFUL, 1));
    ASSERT_EQ(player.Play(window.Handle(), path), 0u);
    LPARAM device = static_cast<LPARAM>(player.Device());
    EXPECT_TRUE(player.IsEndNotice(MCI_NOTIFY_SUCCESSFUL, device));
    EXPECT_TRUE(player.IsEndNotice(MCI_NOTIFY_FAILURE, device));
    EXPECT_FALSE(player.IsEndNotice(MCI_NOTIFY_ABORTED, device));
    EXPECT_FALSE(player.IsEndNotice(MCI_NOTIFY_SUPERSEDED, device));
    EXPECT_FALSE(player.IsEndNotice(MCI_NOTIFY_SUCCESSFUL, device + 1));
}

TEST_F(WavePlayerTest, ClosingAtTheEndNoticeLeavesThePlayThreadItsCode) {
    // Closing the last device of a driver may unload it; its play thread,
    // held here just after posting the notice, must still be able to return.
    HeldPlayThread held;
    ASSERT_TRUE(held.Installed());
    std::wstring path = Write(L"tone.wav", MakeWave(50));
    CWavePlayer player;
    ASSERT_EQ(player.Play(window.Handle(), path), 0u);
    ASSERT_TRUE(window.WaitForNotices(1));
    EXPECT_EQ(window.Notices()[0].flags, static_cast<WPARAM>(MCI_NOTIFY_SUCCESSFUL));
    EXPECT_EQ(player.Close(), 0u);
    EXPECT_TRUE(OpenMciDevices().empty());
    held.Release();
    EXPECT_TRUE(held.WaitForThreadEnd());
}

struct PathCase {
    const wchar_t* path;
    const wchar_t* expected;
};

class WavePlayerTestResolve : public testing::TestWithParam<PathCase> {};

TEST_P(WavePlayerTestResolve, RelativePathsStartAtTheProgramFolder) {
    EXPECT_EQ(Utf8(ResolveSoundPath(L"C:\\Program Files\\pokomi\\", GetParam().path)), Utf8(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(
    WavePlayerTest, WavePlayerTestResolve,
    testing::Values(PathCase{L"dat\\sounds\\boot.wav", L"C:\\Program Files\\pokomi\\dat\\sounds\\boot.wav"},
                    PathCase{L"boot.wav", L"C:\\Program Files\\pokomi\\boot.wav"},
                    PathCase{L".\\boot.wav", L"C:\\Program Files\\pokomi\\.\\boot.wav"},
                    PathCase{L"..\\boot.wav", L"C:\\Program Files\\pokomi\\..\\boot.wav"},
                    PathCase{L"dat/sounds/boot.wav", L"C:\\Program Files\\pokomi\\dat/sounds/boot.wav"},
                    PathCase{L"D:\\wav\\boot.wav", L"D:\\wav\\boot.wav"},
                    PathCase{L"d:/wav/boot.wav", L"d:/wav/boot.wav"}, PathCase{L"D:boot.wav", L"D:boot.wav"},
                    PathCase{L"\\wav\\boot.wav", L"\\wav\\boot.wav"},
                    PathCase{L"\\\\server\\share\\boot.wav", L"\\\\server\\share\\boot.wav"}, PathCase{L"", L""}));

}  // namespace
