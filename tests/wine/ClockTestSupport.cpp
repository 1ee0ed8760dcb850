#include "ClockTestSupport.h"

#include <mmsystem.h>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <fstream>
#include <sstream>

#include "app/CClockApp.h"
#include "app/CClockTrayWnd.h"
#include "clock/CClockDialog.h"
#include "resource.h"
#include "ui/Dialog.h"
#include "ui/Gdi.h"
#include "ui/Resources.h"
#include "ui/IniProfile.h"
#include "ui/Text.h"

namespace {

void RemoveTree(const std::wstring& folder) {
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((folder + L"*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            std::wstring name = found.cFileName;
            if (name == L"." || name == L"..") continue;
            std::wstring path = folder + name;
            SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveTree(path + L"\\");
            else
                DeleteFileW(path.c_str());
        } while (FindNextFileW(search, &found));
        FindClose(search);
    }
    SetFileAttributesW(folder.c_str(), FILE_ATTRIBUTE_NORMAL);
    RemoveDirectoryW(folder.c_str());
}

}  // namespace

TempFolder::TempFolder() {
    wchar_t base[MAX_PATH];
    GetTempPathW(MAX_PATH, base);
    static int counter = 0;
    m_path = std::wstring(base) + L"pokomi-test-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
             std::to_wstring(++counter) + L"\\";
    RemoveTree(m_path);
    CreateDirectoryW(m_path.c_str(), nullptr);
    CreateDirectoryW((m_path + L"dat").c_str(), nullptr);
}

TempFolder::~TempFolder() { RemoveTree(m_path); }

void TempFolder::WriteData(const std::wstring& name, const std::string& bytes) const {
    std::ofstream out(DataPath(name).c_str(), std::ios::binary);
    out << bytes;
}

std::string TempFolder::ReadData(const std::wstring& name) const {
    std::ifstream in(DataPath(name).c_str(), std::ios::binary);
    std::stringstream content;
    content << in.rdbuf();
    return content.str();
}

bool TempFolder::DataExists(const std::wstring& name) const {
    return GetFileAttributesW(DataPath(name).c_str()) != INVALID_FILE_ATTRIBUTES;
}

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
    env.messageBox = [this](HWND owner, const std::wstring& text, const std::wstring& caption, UINT type) {
        messageBoxes.push_back({text, caption, type, owner});
        if (messageBoxAnswers.empty()) return IDOK;
        const int answer = messageBoxAnswers.front();
        messageBoxAnswers.pop_front();
        return answer;
    };
    env.setTimer = [this](HWND hwnd, UINT_PTR id, UINT period) -> UINT_PTR {
        if (timerFails(id)) return 0;
        timers.push_back({id, period});
        return SetTimer(hwnd, id, period, nullptr);
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
    format.bmiHeader = {sizeof(BITMAPINFOHEADER), size.bmWidth, -size.bmHeight, 1, 32, BI_RGB};
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

std::vector<HWND> FindMessageWindows(const std::wstring& subject) {
    std::pair<std::wstring, std::vector<HWND>> search{subject, {}};
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND hwnd, LPARAM data) -> BOOL {
            auto* wanted = reinterpret_cast<std::pair<std::wstring, std::vector<HWND>>*>(data);
            HWND title = GetDlgItem(hwnd, IDC_MESSAGE_TITLE);
            if (title && ui::WindowText(title) == wanted->first) wanted->second.push_back(hwnd);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.second;
}

HWND FindMessageWindow(const std::wstring& subject) {
    const std::vector<HWND> found = FindMessageWindows(subject);
    return found.empty() ? nullptr : found.front();
}

RECT WindowRectOf(HWND hwnd) {
    RECT r{};
    GetWindowRect(hwnd, &r);
    return r;
}

RECT ChildRectInParent(HWND parent, int id) {
    RECT r = WindowRectOf(GetDlgItem(parent, id));
    MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

std::string Utf8(const std::wstring& text) {
    int size =
        WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), out.data(), size, nullptr, nullptr);
    return out;
}

std::string MakeWave(int milliseconds, int frequency) {
    constexpr std::uint32_t kRate = 22050;
    const std::uint32_t frames = kRate * static_cast<std::uint32_t>(milliseconds) / 1000;
    std::string bytes;
    auto put = [&bytes](std::uint32_t value, int size) {
        for (int i = 0; i < size; ++i) bytes.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
    };
    bytes += "RIFF";
    put(36 + frames * 2, 4);
    bytes += "WAVEfmt ";
    put(16, 4);
    put(1, 2);  // PCM
    put(1, 2);  // mono
    put(kRate, 4);
    put(kRate * 2, 4);  // bytes per second
    put(2, 2);          // block align
    put(16, 2);         // bits per sample
    bytes += "data";
    put(frames * 2, 4);
    for (std::uint32_t i = 0; i < frames; ++i) {
        double sample = 6000.0 * std::sin(6.283185307179586 * frequency * i / kRate);
        put(static_cast<std::uint16_t>(static_cast<std::int16_t>(sample)), 2);
    }
    return bytes;
}

std::vector<std::wstring> OpenMciDevices() {
    DWORD count = 0;
    MCI_SYSINFO_PARMSW quantity{};
    quantity.lpstrReturn = reinterpret_cast<LPWSTR>(&count);
    quantity.dwRetSize = sizeof(count);
    quantity.wDeviceType = MCI_ALL_DEVICE_ID;
    mciSendCommandW(MCI_ALL_DEVICE_ID, MCI_SYSINFO, MCI_SYSINFO_QUANTITY | MCI_SYSINFO_OPEN,
                    reinterpret_cast<DWORD_PTR>(&quantity));
    std::vector<std::wstring> names;
    for (DWORD i = 1; i <= count; ++i) {
        wchar_t name[MAX_PATH] = {};
        MCI_SYSINFO_PARMSW query{};
        query.lpstrReturn = name;
        query.dwRetSize = MAX_PATH;
        query.dwNumber = i;
        query.wDeviceType = MCI_ALL_DEVICE_ID;
        mciSendCommandW(MCI_ALL_DEVICE_ID, MCI_SYSINFO, MCI_SYSINFO_NAME | MCI_SYSINFO_OPEN,
                        reinterpret_cast<DWORD_PTR>(&query));
        names.emplace_back(name);
    }
    return names;
}

bool PumpUntil(const std::function<bool()>& done, int rounds) {
    for (int i = 0; i < rounds; ++i) {
        if (done()) return true;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 100, QS_ALLINPUT);
        ui::PumpMessages();
    }
    return done();
}

namespace {
constexpr UINT kRunStep = WM_APP + 77;
}

ModalScript::ModalScript(std::vector<std::function<void()>> steps) : m_steps(std::move(steps)) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = &ModalScript::Proc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"PokomiTestModalScript";
    RegisterClassW(&wc);  // fails harmlessly once registered
    m_window = CreateWindowExW(0, wc.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, wc.hInstance, this);
    PostMessageW(m_window, kRunStep, 0, 0);
}

ModalScript::~ModalScript() { DestroyWindow(m_window); }

LRESULT CALLBACK ModalScript::Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE)
        SetWindowLongPtrW(hwnd, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
    auto* self = reinterpret_cast<ModalScript*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (message != kRunStep || !self) return DefWindowProcW(hwnd, message, wParam, lParam);
    if (self->m_next < self->m_steps.size()) {
        self->m_steps[self->m_next++]();
        PostMessageW(hwnd, kRunStep, 0, 0);
    }
    return 0;
}
