#include "SheetTestSupport.h"

#include <commctrl.h>
#include <prsht.h>

#include "ClockTestSupport.h"
#include "resource.h"
#include "ui/Text.h"

HWND CurrentPage(HWND sheet) { return reinterpret_cast<HWND>(SendMessageW(sheet, PSM_GETCURRENTPAGEHWND, 0, 0)); }

void ShowPage(HWND sheet, UINT templateId) {
    SendMessageW(sheet, PSM_SETCURSELID, 0, reinterpret_cast<LPARAM>(MAKEINTRESOURCEW(templateId)));
}

void Click(HWND window, int id, bool post) {
    const WPARAM command = MAKEWPARAM(id, BN_CLICKED);
    const auto button = reinterpret_cast<LPARAM>(GetDlgItem(window, id));
    if (post)
        PostMessageW(window, WM_COMMAND, command, button);
    else
        SendMessageW(window, WM_COMMAND, command, button);
}

void Type(HWND window, int id, const wchar_t* text) {
    SendDlgItemMessageW(window, id, EM_SETSEL, 0, -1);
    SendDlgItemMessageW(window, id, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text));
}

std::wstring Text(HWND window, int id) { return ui::WindowText(GetDlgItem(window, id)); }
bool Enabled(HWND window, int id) { return IsWindowEnabled(GetDlgItem(window, id)) != FALSE; }
bool Shown(HWND window, int id) { return IsWindowVisible(GetDlgItem(window, id)) != FALSE; }

RECT RectIn(HWND parent, HWND child) {
    RECT r = WindowRectOf(child);
    MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

size_t RunOptions(const RunningClock& clock, HWND& sheet, std::vector<std::function<void()>> steps) {
    // Found once: while a popup of a page is open, it is the clock's last active popup.
    steps.insert(steps.begin(), [&] { sheet = GetLastActivePopup(clock.Hwnd()); });
    ModalScript script(std::move(steps));
    SendMessageW(clock.Hwnd(), WM_COMMAND, ID_CMD_OPTIONS, 0);
    return script.StepsRun() - 1;
}
