#include "app/CTrayIconWnd.h"

#include <algorithm>
#include <cwchar>

HICON CTrayIconWnd::s_lastIcon = nullptr;

CTrayIconWnd::CTrayIconWnd(ShellNotify shellNotify) : m_shellNotify(std::move(shellNotify)) {}

bool CTrayIconWnd::CreateTrayWnd() {
    ui::WindowCreateArgs args;
    args.className = L"PokomiTrayWindow";
    args.title = L"ぽこみ";
    args.exStyle = WS_EX_TOOLWINDOW;
    return CreateWindowObject(args);
}

UINT CTrayIconWnd::TaskbarCreatedMessage() {
    static const UINT message = RegisterWindowMessageW(L"TaskbarCreated");
    return message;
}

BOOL CTrayIconWnd::NotifyIcon(DWORD message, HICON icon, const wchar_t* tip) {
    if (message == NIM_ADD) m_iconAdded = true;
    if (message == NIM_DELETE) m_iconAdded = false;
    if (icon) m_icon = icon;
    if (tip) m_tip = tip;
    NOTIFYICONDATAW data{};
    data.cbSize = NOTIFYICONDATAW_V1_SIZE;
    data.hWnd = m_hwnd;
    data.uID = kIconId;
    data.uFlags = NIF_MESSAGE;
    data.uCallbackMessage = kCallbackMessage;
    if (icon && icon != s_lastIcon) {
        data.uFlags |= NIF_ICON;
        data.hIcon = icon;
        s_lastIcon = icon;
    }
    if (tip) {
        data.uFlags |= NIF_TIP;
        size_t length = std::min(std::wcslen(tip), kMaxTipLength);
        std::wmemcpy(data.szTip, tip, length);
        data.szTip[length] = L'\0';
    }
    return m_shellNotify ? m_shellNotify(message, &data) : FALSE;
}

LRESULT CTrayIconWnd::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == TaskbarCreatedMessage()) {  // registered: no constant to switch on
        AddIconAgain();
        return 0;
    }
    switch (message) {
    case kCallbackMessage: return OnTrayCallback(wParam, lParam);
    case WM_LBUTTONUP: OnTrayLButtonUp(); return 0;
    case WM_LBUTTONDBLCLK: OnTrayLButtonDblClk(); return 0;
    case WM_RBUTTONUP: OnTrayRButtonUp(); return 0;
    default: return Default(message, wParam, lParam);
    }
}

// The new taskbar knows no icon: the one shown before is added again, its image sent
// even though this process gave that handle last.
void CTrayIconWnd::AddIconAgain() {
    if (!m_iconAdded) return;
    ForgetLastIcon();
    NotifyIcon(NIM_ADD, m_icon, m_tip.c_str());
}

// A left press acts at once, a right click on release; the posted messages are
// handled after the shell's notification has returned.
LRESULT CTrayIconWnd::OnTrayCallback(WPARAM iconId, LPARAM mouseMessage) {
    if (iconId != kIconId) return 0;
    switch (static_cast<UINT>(mouseMessage)) {
    case WM_LBUTTONDOWN: PostMessageW(m_hwnd, WM_LBUTTONUP, 0, 0); break;
    case WM_RBUTTONUP: PostMessageW(m_hwnd, WM_RBUTTONUP, 0, 0); break;
    default: break;
    }
    return 0;
}
