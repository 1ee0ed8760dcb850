// What the clock's tests share: a world whose outside is recorded and set by the
// test, the running clock, its notification icon, message windows and options.
#pragma once
#include <windows.h>
#include <shellapi.h>

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "PixelTestSupport.h"
#include "WineTestSupport.h"
#include "ui/Environment.h"

class CClockDialog;
class CClockTrayWnd;

struct NotifyCall {
    DWORD message;
    UINT flags;
    HICON icon;
    std::wstring tip;
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
    HWND taskbar = nullptr;                 // the window taken for the taskbar; none by default
    std::optional<MonitorLayout> monitors;  // the desktop's monitors; none: the system's (one, on Xvfb)
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

// A canvas the size of the clock face.
class FaceCanvas : public Canvas {
public:
    FaceCanvas() : Canvas(165, 422) {}
};

// Whether an icon shows the same pixels as the program's icon resource of that ID.
bool IsIconResource(HICON icon, UINT id);
// The icon the notification area shows now: the last one given to it.
HICON ShownTrayIcon(const TestWorld& world);

// This thread's top-level windows whose title control shows the subject (message windows).
std::vector<HWND> FindMessageWindows(const std::wstring& subject);
HWND FindMessageWindow(const std::wstring& subject);  // the first of them, or nullptr
std::vector<HWND> MessageWindows();                   // all of them, in no particular order

// Opens the options sheet of a running clock (command 107) and runs the steps inside
// it; `sheet` is set before the first step. Returns how many steps ran.
size_t RunOptions(const RunningClock& clock, HWND& sheet, std::vector<std::function<void()>> steps);
