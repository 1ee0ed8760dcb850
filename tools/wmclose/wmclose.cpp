// Sends WM_CLOSE to the running clock window, as a user's Alt+F4 would reach it.
// Used by the run script to end a demonstration run cleanly (the clock saves).
//   wmclose          close the clock
//   wmclose --wait   only wait (up to a minute) until the clock window exists
#include <windows.h>

namespace {

BOOL CALLBACK FindClock(HWND hwnd, LPARAM found) {
    wchar_t className[32] = {};
    GetClassNameW(hwnd, className, 32);
    if (lstrcmpW(className, L"#32770") != 0) return TRUE;
    constexpr int kClockLabel = 1046;  // only the clock has it; a message window is a dialog too
    if (!GetDlgItem(hwnd, kClockLabel)) return TRUE;
    *reinterpret_cast<HWND*>(found) = hwnd;
    return FALSE;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    bool waitOnly = argc > 1 && lstrcmpW(argv[1], L"--wait") == 0;
    HWND tray = FindWindowW(L"PokomiTrayWindow", nullptr);
    for (int i = 0; waitOnly && !tray && i < 600; ++i) {
        Sleep(100);
        tray = FindWindowW(L"PokomiTrayWindow", nullptr);
    }
    if (!tray) return 1;
    if (waitOnly) return 0;
    HWND clock = nullptr;
    EnumThreadWindows(GetWindowThreadProcessId(tray, nullptr), &FindClock, reinterpret_cast<LPARAM>(&clock));
    if (!clock) return 2;
    PostMessageW(clock, WM_CLOSE, 0, 0);
    return 0;
}
