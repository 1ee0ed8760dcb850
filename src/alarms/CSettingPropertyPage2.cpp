#include "alarms/CSettingPropertyPage2.h"

#include "resource.h"

CSettingPropertyPage2::CSettingPropertyPage2(const ui::Environment& env, const AlarmEntry& entry)
    : ui::PropertyPage(IDD_SETTING_SCHEDULE), m_env(env), m_entry(entry), m_panel(IDC_SETTING_SCHEDULE_TEXT) {
    SetMessages({env.messageBox, L"ぽこみ"});
}

BOOL CSettingPropertyPage2::OnInitDialog() {
    const LocalTime now = m_env.now();
    m_panel.Editor().Load(m_entry, {now.month, now.day, now.hour, now.minute, now.weekday});
    m_panel.Init(m_hwnd);
    ui::PropertyPage::OnInitDialog();
    m_shown = true;
    return TRUE;
}

bool CSettingPropertyPage2::OnCommand(WORD id, WORD code, HWND control) {
    return m_panel.OnCommand(id, code) || ui::PropertyPage::OnCommand(id, code, control);
}
