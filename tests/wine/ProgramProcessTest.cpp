// The program as a process of its own: one clock per folder, a log-off that ends it,
// and a close that waits for its sound a few seconds at most.
#include <windows.h>

#include <gtest/gtest.h>

#include "WineTestSupport.h"
#include "content/ClockSettings.h"
#include "ui/IniProfile.h"

namespace {

// pokomi.exe as built beside this test program, copied into a folder and started there.
class ClockProcess {
public:
    explicit ClockProcess(const TempFolder& folder) {
        wchar_t module[MAX_PATH] = {};
        GetModuleFileNameW(nullptr, module, MAX_PATH);
        std::wstring built = module;
        built = built.substr(0, built.find_last_of(L"\\/") + 1) + L"pokomi.exe";
        const std::wstring exe = folder.Path() + L"pokomi.exe";
        CopyFileW(built.c_str(), exe.c_str(), FALSE);
        STARTUPINFOW startup{};
        startup.cb = sizeof(startup);
        std::wstring command = L"\"" + exe + L"\"";
        if (CreateProcessW(exe.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.Path().c_str(),
                           &startup, &m_info))
            CloseHandle(m_info.hThread);
    }
    ~ClockProcess() {
        if (!m_info.hProcess) return;
        if (Running()) Kill();
        CloseHandle(m_info.hProcess);
    }
    ClockProcess(const ClockProcess&) = delete;
    ClockProcess& operator=(const ClockProcess&) = delete;

    bool Running() const { return m_info.hProcess && WaitForSingleObject(m_info.hProcess, 0) == WAIT_TIMEOUT; }
    // A generous bound: only a process that hangs on exceeds it.
    bool EndsWithin(DWORD milliseconds) const {
        return WaitForSingleObject(m_info.hProcess, milliseconds) == WAIT_OBJECT_0;
    }
    DWORD ExitCode() const {
        DWORD code = STILL_ACTIVE;
        GetExitCodeProcess(m_info.hProcess, &code);
        return code;
    }
    void Kill() const {
        TerminateProcess(m_info.hProcess, 9);
        WaitForSingleObject(m_info.hProcess, INFINITE);
    }
    // The clock window, once the program waits for input; nullptr when it has none.
    HWND ClockWindow() const {
        WaitForInputIdle(m_info.hProcess, 20000);
        std::pair<DWORD, HWND> search{m_info.dwProcessId, nullptr};
        EnumWindows(
            [](HWND hwnd, LPARAM data) -> BOOL {
                auto& [process, found] = *reinterpret_cast<std::pair<DWORD, HWND>*>(data);
                DWORD owner = 0;
                GetWindowThreadProcessId(hwnd, &owner);
                wchar_t className[16] = {};
                GetClassNameW(hwnd, className, 16);
                if (owner == process && lstrcmpW(className, L"#32770") == 0) found = hwnd;
                return found == nullptr;
            },
            reinterpret_cast<LPARAM>(&search));
        return search.second;
    }

private:
    PROCESS_INFORMATION m_info{};
};

TEST(ProgramProcessTest, ASecondStartInTheSameFolderLeavesTheFirstClockAndEnds) {
    TempFolder folder;
    TempFolder elsewhere;
    ClockProcess first(folder);
    HWND clock = first.ClockWindow();
    ASSERT_NE(clock, nullptr);
    ClockProcess second(folder);
    ASSERT_TRUE(second.EndsWithin(20000));
    EXPECT_EQ(second.ExitCode(), 0u);
    EXPECT_TRUE(first.Running());
    EXPECT_TRUE(IsWindowVisible(clock));
    // A copy in another folder is a clock of its own.
    ClockProcess portable(elsewhere);
    EXPECT_NE(portable.ClockWindow(), nullptr);
    EXPECT_TRUE(portable.Running());
}

TEST(ProgramProcessTest, ALogOffSavesThePositionBeforeTheProcessIsEnded) {
    TempFolder folder;
    ClockProcess process(folder);
    HWND clock = process.ClockWindow();
    ASSERT_NE(clock, nullptr);
    SetWindowPos(clock, nullptr, 211, 123, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_EQ(SendMessageW(clock, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF), TRUE);
    SendMessageW(clock, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
    process.Kill();  // as the system ends a process once the session has ended
    ui::IniProfile profile(folder.Path() + L"pokomi.ini", kProfileSection);
    EXPECT_EQ(profile.GetInt(L"X", 0), 211);
    EXPECT_EQ(profile.GetInt(L"Y", 0), 123);
}

TEST(ProgramProcessTest, ALongExitSoundHoldsTheCloseAFewSecondsAtMost) {
    TempFolder folder;
    folder.WriteData(L"exit.wav", MakeWave(240000));  // a minute even on the null device, which plays fast
    folder.WriteData(L"Sound.ini", "[Boot]\r\n[Exit]\r\ndat\\exit.wav\r\n");
    ClockProcess process(folder);
    HWND clock = process.ClockWindow();
    ASSERT_NE(clock, nullptr);
    PostMessageW(clock, WM_CLOSE, 0, 0);
    EXPECT_TRUE(process.EndsWithin(20000));
    EXPECT_EQ(process.ExitCode(), 0u);
}

}  // namespace
