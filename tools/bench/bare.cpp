// The plainest Win32 window: the floor that Wine itself costs, measured by
// tools/bench.sh beside the clock. A popup of the clock's size, left idle.
//   bare              the window, until it is closed
//   bare --taskbar    a window of the taskbar's class, so that a clock can start
//                     minimised; it ends once the clock's window has hidden itself
#include <windows.h>

namespace {

BOOL CALLBACK FindHiddenClock(HWND hwnd, LPARAM found) {
    wchar_t className[32] = {};
    GetClassNameW(hwnd, className, 32);
    if (lstrcmpW(className, L"#32770") != 0 || IsWindowVisible(hwnd)) return TRUE;
    *reinterpret_cast<bool*>(found) = true;
    return FALSE;
}

bool ClockHidden() {
    HWND tray = FindWindowW(L"PokomiTrayWindow", nullptr);
    if (!tray) return false;
    bool hidden = false;
    EnumThreadWindows(GetWindowThreadProcessId(tray, nullptr), &FindHiddenClock, reinterpret_cast<LPARAM>(&hidden));
    return hidden;
}

LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_TIMER:
        if (ClockHidden() || GetTickCount64() > static_cast<ULONGLONG>(GetWindowLongPtrW(hwnd, GWLP_USERDATA)))
            DestroyWindow(hwnd);
        return 0;
    case WM_DESTROY: PostQuitMessage(0); return 0;
    default: return DefWindowProcW(hwnd, message, wParam, lParam);
    }
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    bool taskbar = argc > 1 && lstrcmpW(argv[1], L"--taskbar") == 0;
    HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = &Proc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = taskbar ? L"Shell_TrayWnd" : L"PokomiBareWindow";
    if (!RegisterClassW(&windowClass)) return 1;
    int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    int screenHeight = GetSystemMetrics(SM_CYSCREEN);
    HWND hwnd = taskbar ? CreateWindowExW(WS_EX_TOOLWINDOW, windowClass.lpszClassName, L"", WS_POPUP, 0,
                                          screenHeight - 30, screenWidth, 30, nullptr, nullptr, instance, nullptr)
                        : CreateWindowExW(0, windowClass.lpszClassName, L"bare", WS_POPUP | WS_VISIBLE, 100, 100, 165,
                                          422, nullptr, nullptr, instance, nullptr);
    if (!hwnd) return 1;
    if (taskbar) {  // ends by itself, a minute at the latest
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, static_cast<LONG_PTR>(GetTickCount64() + 60000));
        SetTimer(hwnd, 1, 200, nullptr);
    }
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return 0;
}
