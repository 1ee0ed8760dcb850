// Window commands of the clock: evasion, return home, always on top, minimise and restore.
#include "clock/CClockDialog.h"

#include "ui/Redraw.h"

#include "clock/Evasion.h"
#include "clock/ReturnHome.h"
#include "clock/ScreenPlacement.h"
#include "clock/TrayGlide.h"
#include "resource.h"

namespace {

Rect ToRect(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }

void MoveTo(HWND hwnd, Point p) { SetWindowPos(hwnd, nullptr, p.x, p.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER); }

// The glides' sizes are the 96-DPI window's; the positions are screen pixels already.
void PlaceStep(HWND hwnd, const WindowStep& step, DpiScale scale) {
    SetWindowPos(hwnd, nullptr, step.x, step.y, scale.Px(step.width), scale.Px(step.height), SWP_NOZORDER);
}

}  // namespace

Rect CClockDialog::WindowRect() const {
    RECT r{};
    GetWindowRect(m_hwnd, &r);
    return ToRect(r);
}

// ---- Monitors ------------------------------------------------------------------------------

MonitorArea CClockDialog::ClockMonitor() const {
    POINT topLeft = WindowTopLeft();
    const Size size = WindowSize();
    return m_env.monitors.OfOrPrimary({topLeft.x, topLeft.y, topLeft.x + size.width, topLeft.y + size.height});
}

void CClockDialog::KeepOnScreen() {
    MonitorLayout monitors = m_env.monitors.layout();
    if (m_settings.Minimize) {
        Point restore = OnScreenTopLeft({m_restorePosition.x, m_restorePosition.y}, WindowSize(), monitors);
        m_restorePosition = {restore.x, restore.y};
        return;
    }
    Rect window = WindowRect();
    Point topLeft = OnScreenTopLeft(window.TopLeft(), {window.Width(), window.Height()}, monitors);
    if (topLeft != window.TopLeft()) MoveTo(m_hwnd, topLeft);
}

// ---- Evasion and the return home ---------------------------------------------------------

void CClockDialog::OnMouseMove(WPARAM flags, LPARAM point) {
    MonitorArea monitor = ClockMonitor();
    EvasionInput input{
        m_settings.Escape != 0,
        static_cast<int>(flags),
        // the bands are measured on the 96-DPI window
        {m_scale.Design(static_cast<short>(LOWORD(point))), m_scale.Design(static_cast<short>(HIWORD(point)))},
        WindowRect(),
        monitor.workArea,
        monitor.bounds.TopLeft()};
    EvasionPlan plan = PlanEvasion(input);
    if (!plan.active) return;
    MoveTo(m_hwnd, plan.pullTo);
    if (plan.glide == Glide::None) return;
    PlayEventSound(SoundEvent::Away);
    for (Point step : plan.glidePath) MoveTo(m_hwnd, step);
}

void CClockDialog::ReturnHome() {
    ReturnHomeInput input{m_settings.Home,          {m_settings.HomeX, m_settings.HomeY},
                          m_settings.Minimize != 0, WindowRect(),
                          ClockMonitor().workArea,  m_env.monitors.layout()};
    ReturnHomePlan plan = PlanReturnHome(input);
    if (!plan.move) return;
    PlayEventSound(SoundEvent::Return);
    for (Point step : plan.path) MoveTo(m_hwnd, step);
    m_returnHomeCount = 0;
}

// ---- Always on top --------------------------------------------------------------------------

void CClockDialog::ToggleTopMost() {
    bool topMost = m_settings.TopMost == 0;
    SetWindowPos(m_hwnd, topMost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE);
    m_topMostButton.SetIcons(topMost ? IDI_TOPMOST_ON : IDI_TOPMOST_OFF);
    m_topMostButton.SetChecked(topMost);
    ui::RedrawNow(m_topMostButton.Handle());
    m_settings.TopMost = topMost ? 1 : 0;
    m_profile.WriteInt(L"TopMost", m_settings.TopMost);
}

// ---- Minimise into the notification area and back ----------------------------------------

std::optional<Rect> CClockDialog::FindTaskbar() {
    HWND taskbar = m_env.findTaskbar();
    if (!taskbar) {
        ShowMessage(L"タスクバーの取得に失敗しました。", L"ぽこみ", MB_OK);
        return std::nullopt;
    }
    RECT r{};
    GetWindowRect(taskbar, &r);
    return ToRect(r);
}

void CClockDialog::ComeForward() {
    if (BringModalForward()) return;
    RestoreFromTray();  // nothing when it is shown
    SetForegroundWindow(m_hwnd);
}

void CClockDialog::ToggleMinimized() {
    if (m_settings.Minimize)
        RestoreFromTray();
    else
        MinimizeToTray();
}

// The profile learns the new state only once the window has taken it.
void CClockDialog::MinimizeToTray() {
    if (m_settings.Minimize) return;
    std::optional<Rect> taskbar = FindTaskbar();
    if (!taskbar) return;
    m_profile.WriteInt(L"Minimize", 1);
    PlayEventSound(SoundEvent::Minimize);
    Rect window = WindowRect();
    m_restorePosition = {window.left, window.top};
    SetWindowPos(m_hwnd, nullptr, 0, 0, m_scale.Px(kMinimizedStripSize.width), m_scale.Px(kMinimizedStripSize.height),
                 SWP_NOMOVE | SWP_NOZORDER);
    for (const WindowStep& step : MinimizeGlide({window.left, window.top}, *taskbar).steps)
        PlaceStep(m_hwnd, step, m_scale);
    View().Show(false);
    if (m_owner) m_owner->SetTrayIcon(IDI_TRAY_MINIMIZED);
    m_settings.Minimize = 1;
    KeepTickInStep(m_env.now());  // from now on only the minute is followed
}

// Without a taskbar to glide from, the window still comes back, in one step.
void CClockDialog::RestoreFromTray() {
    if (!m_settings.Minimize) return;
    // The ticks came once a minute meanwhile: the face is shown at this very second.
    FollowTime(m_env.now());
    m_profile.WriteInt(L"Minimize", 0);
    View().Show(true);
    BringWindowToTop(m_hwnd);
    // Back where it was minimised, unless that is on no monitor now.
    Point restore = OnScreenTopLeft({m_restorePosition.x, m_restorePosition.y}, WindowSize(), m_env.monitors.layout());
    if (std::optional<Rect> taskbar = FindTaskbar()) {
        PlayEventSound(SoundEvent::Restore);
        for (const WindowStep& step : RestoreGlide(restore, *taskbar).steps) PlaceStep(m_hwnd, step, m_scale);
    } else {
        SetWindowPos(m_hwnd, nullptr, restore.x, restore.y, WindowSize().width, WindowSize().height, SWP_NOZORDER);
    }
    if (m_owner) m_owner->SetTrayIcon(IDI_TRAY_NORMAL);
    m_settings.Minimize = 0;
    KeepTickInStep(m_env.now());
}
