#include "app/SystemEnvironment.h"

#include <vector>

#include "ui/CommonDialogs.h"

std::wstring GetProgramFile() {
    std::vector<wchar_t> path(MAX_PATH);
    for (;;) {
        DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) return {};
        if (length < path.size()) return std::wstring(path.data(), length);
        path.resize(path.size() * 2);
    }
}

std::wstring GetProgramFolder() {
    std::wstring full = GetProgramFile();
    size_t slash = full.find_last_of(L"\\/");
    return slash == std::wstring::npos ? L".\\" : full.substr(0, slash + 1);
}

LocalTime ReadLocalTime() {
    SYSTEMTIME st;
    GetLocalTime(&st);
    LocalTime t;
    t.year = st.wYear;
    t.month = st.wMonth;
    t.day = st.wDay;
    t.weekday = st.wDayOfWeek;
    t.hour = st.wHour;
    t.minute = st.wMinute;
    t.second = st.wSecond;
    t.millisecond = st.wMilliseconds;
    return t;
}

std::optional<std::wstring> ChooseWaveFile(HWND owner, const std::wstring& title) {
    std::vector<wchar_t> path(32768, L'\0');
    static const wchar_t kFilter[] = L"WAVE サウンド (*.wav)\0*.wav\0\0";
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = kFilter;
    dialog.lpstrFile = path.data();
    dialog.nMaxFile = static_cast<DWORD>(path.size());
    dialog.lpstrTitle = title.c_str();
    dialog.Flags = OFN_HIDEREADONLY | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_EXPLORER;
    if (!ui::RunOpenFileDialog(dialog)) return std::nullopt;
    return std::wstring(path.data());
}

std::optional<LOGFONTW> ChooseDialFont(HWND owner, const LOGFONTW& font) {
    LOGFONTW chosen = font;
    CHOOSEFONTW dialog{};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = owner;
    dialog.lpLogFont = &chosen;
    dialog.Flags = CF_SCREENFONTS | CF_INITTOLOGFONTSTRUCT | CF_TTONLY;
    if (!ui::RunFontDialog(dialog)) return std::nullopt;
    return chosen;
}

ui::Environment MakeSystemEnvironment() {
    ui::Environment env;
    env.programFolder = GetProgramFolder();
    env.profilePath = env.programFolder + L"pokomi.ini";
    env.now = &ReadLocalTime;
    env.notifyIcon = [](DWORD message, NOTIFYICONDATAW* data) { return Shell_NotifyIconW(message, data); };
    env.messageBox = [](HWND owner, const std::wstring& text, const std::wstring& caption, UINT type) {
        return MessageBoxW(owner, text.c_str(), caption.c_str(), type);
    };
    env.setTimer = [](HWND hwnd, UINT_PTR id, UINT period) { return SetTimer(hwnd, id, period, nullptr); };
    env.leftButtonDown = [] { return (GetAsyncKeyState(VK_LBUTTON) & 0x8000) != 0; };
    env.trackPopupMenu = [](HMENU menu, UINT flags, int x, int y, HWND owner) {
        return TrackPopupMenu(menu, flags, x, y, 0, owner, nullptr);
    };
    env.findTaskbar = [] { return FindWindowW(L"Shell_TrayWnd", nullptr); };
    env.fileRetry = {20, [] { Sleep(100); }};
    env.openWaveFile = &ChooseWaveFile;
    env.chooseFont = &ChooseDialFont;
    env.linkShell = ui::MakeSystemLinkShell();
    env.runKey = {HKEY_CURRENT_USER, L"Software\\Microsoft\\Windows\\CurrentVersion\\Run"};
    env.programFile = GetProgramFile();
    return env;
}
