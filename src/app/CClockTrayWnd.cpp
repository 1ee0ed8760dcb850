#include "app/CClockTrayWnd.h"

#include "app/SingleClock.h"
#include "clock/CClockDialog.h"
#include "resource.h"
#include "ui/IniProfile.h"
#include "ui/Dpi.h"
#include "ui/Resources.h"

namespace {
constexpr wchar_t kTip[] = L"ぽこみ";
}

CClockTrayWnd::CClockTrayWnd(ui::Environment env) : CTrayIconWnd(env.notifyIcon), m_env(std::move(env)) {}

LRESULT CClockTrayWnd::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == ShowClockMessage()) return OnShowClock(wParam);  // registered: no constant to switch on
    switch (message) {
    case WM_CREATE: return OnCreate();
    case WM_DESTROY: OnDestroy(); return 0;
    default: return CTrayIconWnd::HandleMessage(message, wParam, lParam);
    }
}

LRESULT CClockTrayWnd::OnCreate() {
    m_folderKey = ProgramFolderKey(m_env.programFolder);
    ui::IniProfile profile(m_env.profilePath, kProfileSection);
    UINT icon = profile.GetInt(L"Minimize", 0) ? IDI_TRAY_MINIMIZED : IDI_TRAY_NORMAL;
    NotifyIcon(NIM_ADD, TrayIcon(icon), kTip);
    m_clockDialog = new CClockDialog(m_env, this);
    if (!m_clockDialog->Create(nullptr)) {
        delete m_clockDialog;
        m_clockDialog = nullptr;
    }
    return 0;
}

// Another start of the program in this folder asks for the clock.
LRESULT CClockTrayWnd::OnShowClock(WPARAM key) {
    if (static_cast<std::uint64_t>(key) != m_folderKey || !m_clockDialog) return 0;
    if (m_clockDialog->IsClosing()) return kClockClosing;
    m_clockDialog->ComeForward();
    return kClockShown;
}

void CClockTrayWnd::OnDestroy() {
    NotifyIcon(NIM_DELETE, nullptr, nullptr);
    if (m_env.endsMessageLoop) PostQuitMessage(0);
}

void CClockTrayWnd::OnFinalDestroyed() {
    ForgetLastIcon();
    delete this;
}

HICON CClockTrayWnd::TrayIcon(UINT iconId) {
    auto found = m_icons.find(iconId);
    if (found == m_icons.end())
        found =
            m_icons.emplace(iconId, ui::LoadIconResource(iconId, ui::SystemMetric(SM_CXSMICON, ui::SystemDpi()))).first;
    return found->second.Get();
}

void CClockTrayWnd::SetTrayIcon(UINT iconId) { NotifyIcon(NIM_MODIFY, TrayIcon(iconId), kTip); }

bool CClockTrayWnd::ClockAcceptsInput() const {
    return m_clockDialog && m_clockDialog->Handle() && IsWindowEnabled(m_clockDialog->Handle());
}

void CClockTrayWnd::OnTrayLButtonUp() {
    if (!ClockAcceptsInput()) return;
    SetForegroundWindow(m_hwnd);
    m_clockDialog->ToggleMinimized();
    PostMessageW(m_hwnd, WM_USER, 0, 0);
}

void CClockTrayWnd::OnTrayRButtonUp() {
    if (!ClockAcceptsInput()) return;
    SetForegroundWindow(m_hwnd);
    BringWindowToTop(m_clockDialog->Handle());
    POINT cursor{};
    GetCursorPos(&cursor);
    m_clockDialog->ShowContextMenu(cursor.x, cursor.y);
    PostMessageW(m_hwnd, WM_USER, 0, 0);
}
