#include "alarms/CSettingPropertySheet.h"

#include <commctrl.h>

#include "resource.h"
#include "ui/Resources.h"

namespace {

// How much narrower than its standard width the sheet is: its two pages are small.
constexpr int kNarrowing = 60;

void MakeNarrower(HWND window, int by) {
    RECT r{};
    GetWindowRect(window, &r);
    SetWindowPos(window, nullptr, 0, 0, r.right - r.left - by, r.bottom - r.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
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

// No Help and no Apply: the sheet narrows, and OK and Cancel take the two rightmost places.
void CSettingPropertySheet::OnInitSheet() {
    HideButton(IDHELP);
    HideButton(ui::kApplyButton);
    const RECT apply = ButtonRect(ui::kApplyButton);
    const RECT help = ButtonRect(IDHELP);
    MakeNarrower(PropSheet_GetTabControl(Handle()), kNarrowing);
    MakeNarrower(Handle(), kNarrowing);
    MoveButton(IDOK, {apply.left - kNarrowing, apply.top});
    MoveButton(IDCANCEL, {help.left - kNarrowing, help.top});
}
