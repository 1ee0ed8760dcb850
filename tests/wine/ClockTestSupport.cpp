#include "ClockTestSupport.h"

#include <gtest/gtest.h>

#include <cstdint>

#include "app/CClockApp.h"
#include "app/CClockTrayWnd.h"
#include "clock/CClockDialog.h"
#include "resource.h"
#include "ui/Dialog.h"
#include "ui/Gdi.h"
#include "ui/IniProfile.h"
#include "ui/Resources.h"

TestWorld::TestWorld() {
    time.year = 2026;
    time.month = 12;
    time.day = 7;
    time.weekday = 1;
    time.hour = 10;
    time.minute = 30;
    time.second = 15;
}

ui::Environment TestWorld::MakeEnvironment() {
    ui::Environment env;
    env.programFolder = folder.Path();
    env.profilePath = folder.Path() + L"pokomi.ini";
    env.now = [this] { return time; };
    env.randomSeed = 12345u;
    env.notifyIcon = [this](DWORD message, NOTIFYICONDATAW* data) {
        notifications.push_back({message, data->uFlags, (data->uFlags & NIF_ICON) ? data->hIcon : nullptr,
                                 (data->uFlags & NIF_TIP) ? std::wstring(data->szTip) : std::wstring()});
        return TRUE;
    };
    env.messageBox = RecordMessageBoxes(messageBoxes, &messageBoxAnswers);
    env.setTimer = [this](HWND hwnd, UINT_PTR id, UINT period) -> UINT_PTR {
        if (timerFails(id)) return 0;
        timers.push_back({id, period});
        // Set, but at the longest period: the tests send the ticks themselves, and wall time
        // must not add one of its own (a slow machine would count a quiet tick too many).
        return SetTimer(hwnd, id, USER_TIMER_MAXIMUM, nullptr);
    };
    env.leftButtonDown = [this] { return leftButton; };
    env.trackPopupMenu = [this](HMENU menu, UINT, int x, int y, HWND) {
        TrackedMenu tracked{{}, GetMenuDefaultItem(menu, FALSE, 0), x, y};
        for (int i = 0; i < GetMenuItemCount(menu); ++i) {
            UINT id = GetMenuItemID(menu, i);
            tracked.items.push_back({id, GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION)});
        }
        menus.push_back(tracked);
        return TRUE;
    };
    env.findTaskbar = [this] { return taskbar; };
    env.monitors.layout = [this] { return monitors ? *monitors : ui::SystemMonitorLayout(); };
    env.monitors.of = [this](const Rect& rect) {
        return monitors ? MonitorOfRect(*monitors, rect) : ui::SystemMonitorOf(rect);
    };
    env.fileRetry = {3, [this] { retryPause(); }};
    env.openWaveFile = [this](HWND, const std::wstring&) { return waveFileChoice; };
    env.chooseFont = [this](HWND owner, const LOGFONTW& font) {
        fontDialogs.push_back({owner, font});
        return fontChoice;
    };
    env.linkShell = ui::MakeSystemLinkShell();
    if (!runKey.empty()) env.runKey = {HKEY_CURRENT_USER, runKey};
    env.programFile = folder.Path() + L"pokomi.exe";
    env.linkShell.shellOpen = [this](HWND, const std::wstring& address) {
        openedAddresses.push_back(address);
        return LinkOutcome{true, 42};
    };
    env.linkShell.messageBox = env.messageBox;
    env.linkShell.beep = [](UINT) {};
    env.endsMessageLoop = false;
    return env;
}

void TestWorld::WriteProfile(const std::wstring& key, const std::wstring& value) const {
    ui::IniProfile profile(folder.Path() + L"pokomi.ini", kProfileSection);
    profile.WriteString(key.c_str(), value);
}

std::wstring TestWorld::ReadProfile(const std::wstring& key) const {
    ui::IniProfile profile(folder.Path() + L"pokomi.ini", kProfileSection);
    return profile.GetString(key.c_str(), L"");
}

RunningClock::RunningClock(TestWorld& world) {
    CClockApp app(world.MakeEnvironment());
    EXPECT_TRUE(app.InitInstance());
    m_trayObject = app.MainWindow();
    m_tray = m_trayObject ? m_trayObject->Handle() : nullptr;
    Pump();
}

RunningClock::~RunningClock() {
    if (IsWindow(m_tray)) {
        if (CClockDialog* dialog = Dialog()) DestroyWindow(dialog->Handle());
        DestroyWindow(m_tray);
    }
    Pump();
}

// The object lives as long as its window.
CClockTrayWnd* RunningClock::Tray() const { return IsWindow(m_tray) ? m_trayObject : nullptr; }

CClockDialog* RunningClock::Dialog() const {
    CClockTrayWnd* tray = Tray();
    return tray ? tray->ClockDialog() : nullptr;
}

HWND RunningClock::Hwnd() const {
    CClockDialog* dialog = Dialog();
    return dialog ? dialog->Handle() : nullptr;
}

bool RunningClock::Alive() const { return Hwnd() != nullptr && IsWindow(Hwnd()); }

void RunningClock::Pump() const { ui::PumpMessages(); }

void RunningClock::Tick(UINT_PTR timer) const {
    SendMessageW(Hwnd(), WM_TIMER, timer, 0);
    Pump();
}

namespace {

std::vector<std::uint32_t> IconPixels(HICON icon) {
    ICONINFO info{};
    if (!icon || !GetIconInfo(icon, &info)) return {};
    ui::gdi::Bitmap colour(info.hbmColor), mask(info.hbmMask);
    BITMAP size{};
    GetObjectW(colour.Get() ? colour.Get() : mask.Get(), sizeof(size), &size);
    BITMAPINFO format{};
    format.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    format.bmiHeader.biWidth = size.bmWidth;
    format.bmiHeader.biHeight = -size.bmHeight;
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 32;
    format.bmiHeader.biCompression = BI_RGB;
    std::vector<std::uint32_t> pixels(static_cast<size_t>(size.bmWidth) * size.bmHeight);
    HDC screen = GetDC(nullptr);
    GetDIBits(screen, colour.Get() ? colour.Get() : mask.Get(), 0, size.bmHeight, pixels.data(), &format,
              DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    return pixels;
}

}  // namespace

bool IsIconResource(HICON icon, UINT id) {
    ui::gdi::Icon expected = ui::LoadIconResource(id, GetSystemMetrics(SM_CXSMICON));
    std::vector<std::uint32_t> pixels = IconPixels(icon);
    return !pixels.empty() && pixels == IconPixels(expected.Get());
}

HICON ShownTrayIcon(const TestWorld& world) {
    for (auto call = world.notifications.rbegin(); call != world.notifications.rend(); ++call)
        if (call->icon) return call->icon;
    return nullptr;
}

std::vector<HWND> MessageWindows() {
    std::vector<HWND> found;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND hwnd, LPARAM data) -> BOOL {
            if (GetDlgItem(hwnd, IDC_MESSAGE_TITLE)) reinterpret_cast<std::vector<HWND>*>(data)->push_back(hwnd);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

std::vector<HWND> FindMessageWindows(const std::wstring& subject) {
    std::vector<HWND> found;
    for (HWND hwnd : MessageWindows())
        if (Text(hwnd, IDC_MESSAGE_TITLE) == subject) found.push_back(hwnd);
    return found;
}

HWND FindMessageWindow(const std::wstring& subject) {
    const std::vector<HWND> found = FindMessageWindows(subject);
    return found.empty() ? nullptr : found.front();
}

size_t RunOptions(const RunningClock& clock, HWND& sheet, std::vector<std::function<void()>> steps) {
    // Found once: while a popup of a page is open, it is the clock's last active popup.
    steps.insert(steps.begin(), [&] { sheet = GetLastActivePopup(clock.Hwnd()); });
    ModalScript script(std::move(steps));
    SendMessageW(clock.Hwnd(), WM_COMMAND, ID_CMD_OPTIONS, 0);
    return script.StepsRun() - 1;
}
