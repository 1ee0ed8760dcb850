#include "alarms/CSettingPropertySheet.h"

#include <commctrl.h>

#include <algorithm>

#include "resource.h"
#include "ui/Resources.h"

namespace {

// How much narrower than its standard width the sheet may be: its two pages are small.
constexpr int kMostNarrowing = 60;

void MakeNarrower(HWND window, int by) {
    RECT r{};
    GetWindowRect(window, &r);
    SetWindowPos(window, nullptr, 0, 0, r.right - r.left - by, r.bottom - r.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

RECT RectIn(HWND parent, HWND child) {
    RECT r{};
    GetWindowRect(child, &r);
    MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

}  // namespace

CSettingPropertySheet::CSettingPropertySheet(const ui::Environment& env, const AlarmEntry& entry)
    : ui::PropertySheet(ui::LoadStringResource(IDS_PROPERTY_SHEET)),
      m_entry(entry),
      m_general(env, entry),
      m_schedule(env, entry) {
    SetMonitors(env.monitors);
    SetHelpButton();  // its place is where Cancel goes
    AddPage(m_general);
    AddPage(m_schedule);
}

AlarmEntry CSettingPropertySheet::EditedAlarm() const {
    return BuildEditedAlarm(m_entry, m_general.m_texts, m_schedule.WasShown() ? &m_schedule.Schedule() : nullptr);
}

void CSettingPropertySheet::OnInitSheet() {
    HideButton(IDHELP);
    HideButton(ui::kApplyButton);
}

// No Help and no Apply: the sheet narrows as far as its pages stay whole (both have the
// size of the first, which the page area must hold with the fonts they get), and OK and
// Cancel take the two rightmost places.
void CSettingPropertySheet::OnFirstShow() {
    const HWND tab = PropSheet_GetTabControl(Handle());
    const HWND page = PropSheet_GetCurrentPageHwnd(Handle());
    if (!tab || !page) return;
    RECT area = RectIn(Handle(), tab);
    TabCtrl_AdjustRect(tab, FALSE, &area);
    const int narrowing = std::clamp(static_cast<int>(area.right - RectIn(Handle(), page).right), 0, kMostNarrowing);
    const RECT apply = ButtonRect(ui::kApplyButton);
    const RECT help = ButtonRect(IDHELP);
    MakeNarrower(tab, narrowing);
    MakeNarrower(Handle(), narrowing);
    MoveButton(IDOK, {apply.left - narrowing, apply.top});
    MoveButton(IDCANCEL, {help.left - narrowing, help.top});
}
