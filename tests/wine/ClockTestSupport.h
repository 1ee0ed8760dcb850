// What the clock window tests share: a data folder of their own, a settable
// clock, recorded system calls, and the running clock.
#pragma once
#include <windows.h>
#include <shellapi.h>

#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "ui/Environment.h"

class CClockDialog;
class CClockTrayWnd;

// A fresh folder under %TEMP% holding dat\, removed again at the end of the test.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::wstring& Path() const { return m_path; }  // ends with a backslash
    std::wstring DataPath(const std::wstring& name) const { return m_path + L"dat\\" + name; }
    void WriteData(const std::wstring& name, const std::string& bytes) const;
    std::string ReadData(const std::wstring& name) const;
    bool DataExists(const std::wstring& name) const;

private:
    std::wstring m_path;
};

// A file held open by another program for as long as this object lives; `share`
// says what that program lets others do meanwhile.
class HeldFile {
public:
    HeldFile(const std::wstring& path, DWORD share)
        : m_handle(CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, share, nullptr, OPEN_EXISTING,
                               FILE_ATTRIBUTE_NORMAL, nullptr)) {}
    ~HeldFile() { Release(); }
    HeldFile(const HeldFile&) = delete;
    HeldFile& operator=(const HeldFile&) = delete;
    bool Held() const { return m_handle != INVALID_HANDLE_VALUE; }
    void Release() {
        if (Held()) CloseHandle(m_handle);
        m_handle = INVALID_HANDLE_VALUE;
    }

private:
    HANDLE m_handle;
};

struct NotifyCall {
    DWORD message;
    UINT flags;
    HICON icon;
    std::wstring tip;
};

struct MessageBoxCall {
    std::wstring text;
    std::wstring caption;
    UINT type;
    HWND owner = nullptr;
};

struct FontDialogCall {
    HWND owner;
    LOGFONTW font;  // the font it opened on
};

struct MenuState {
    UINT command;
    UINT state;  // MF_CHECKED, MF_GRAYED bits from GetMenuState
};

struct TrackedMenu {
    std::vector<MenuState> items;
    UINT defaultCommand;
    int x;
    int y;
};

// Builds an environment whose outside world is recorded and controlled by the test.
class TestWorld {
public:
    TestWorld();

    ui::Environment MakeEnvironment();
    void WriteProfile(const std::wstring& key, const std::wstring& value) const;
    std::wstring ReadProfile(const std::wstring& key) const;  // "" when missing

    TempFolder folder;
    LocalTime time;
    bool leftButton = false;
    HWND taskbar = nullptr;  // the window taken for the taskbar; none by default
    std::function<bool(UINT_PTR)> timerFails = [](UINT_PTR) { return false; };
    std::vector<std::pair<UINT_PTR, UINT>> timers;  // every timer set: its ID and period
    // Runs between the tries of reading a busy data file (three tries in all).
    std::function<void()> retryPause = [] {};
    std::vector<NotifyCall> notifications;
    std::vector<MessageBoxCall> messageBoxes;
    std::deque<int> messageBoxAnswers;  // taken in turn by the message boxes; IDOK once none is left
    std::vector<TrackedMenu> menus;
    std::optional<std::wstring> waveFileChoice;  // what the WAVE file dialog answers; none: cancelled
    std::vector<FontDialogCall> fontDialogs;
    std::optional<LOGFONTW> fontChoice;         // what the font dialog answers; none: cancelled
    std::vector<std::wstring> openedAddresses;  // what the shell was asked to open
    std::wstring runKey;  // a key of the test's own under HKCU in place of the Run key; none: not offered
};

// Starts the program as its entry point does and pumps until it settles.
class RunningClock {
public:
    explicit RunningClock(TestWorld& world);
    ~RunningClock();
    RunningClock(const RunningClock&) = delete;
    RunningClock& operator=(const RunningClock&) = delete;

    CClockTrayWnd* Tray() const;
    CClockDialog* Dialog() const;
    HWND Hwnd() const;
    bool Alive() const;  // the clock window still exists
    void Pump() const;
    void Tick(UINT_PTR timer = 1) const;  // one WM_TIMER from the given timer

private:
    HWND m_tray = nullptr;
    CClockTrayWnd* m_trayObject = nullptr;
};

// Whether an icon shows the same pixels as the program's icon resource of that ID.
bool IsIconResource(HICON icon, UINT id);
// The icon the notification area shows now: the last one given to it.
HICON ShownTrayIcon(const TestWorld& world);

// This thread's top-level windows whose title control shows the subject (message windows).
std::vector<HWND> FindMessageWindows(const std::wstring& subject);
HWND FindMessageWindow(const std::wstring& subject);  // the first of them, or nullptr

RECT WindowRectOf(HWND hwnd);
RECT ChildRectInParent(HWND parent, int id);
std::string Utf8(const std::wstring& text);

// Sounds: a 16-bit mono 22050 Hz PCM WAV file of a sine tone, and the MCI
// devices this process has open (their element names, in MCI's order).
std::string MakeWave(int milliseconds, int frequency = 660);
std::vector<std::wstring> OpenMciDevices();
// Handles messages until `done` holds, waiting at most 100 ms for each of at
// most `rounds` batches of messages. Returns whether `done` held.
bool PumpUntil(const std::function<bool()>& done, int rounds = 300);

// Runs steps one after another from inside whatever modal loop the thread runs
// (a property sheet, a dialog): each step is posted once the one before it has
// returned, so the loop handles what that step caused first. A step that opens
// another modal window posts the command that opens it, so that it returns and the
// next steps run inside the new window's loop.
class ModalScript {
public:
    explicit ModalScript(std::vector<std::function<void()>> steps);
    ~ModalScript();
    ModalScript(const ModalScript&) = delete;
    ModalScript& operator=(const ModalScript&) = delete;

    size_t StepsRun() const { return m_next; }

private:
    static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    std::vector<std::function<void()>> m_steps;
    size_t m_next = 0;
    HWND m_window = nullptr;
};
