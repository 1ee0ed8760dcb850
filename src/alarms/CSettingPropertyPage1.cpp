#include "alarms/CSettingPropertyPage1.h"

#include "resource.h"

CSettingPropertyPage1::CSettingPropertyPage1(const ui::Environment& env, const AlarmEntry& entry)
    : ui::PropertyPage(IDD_SETTING_GENERAL), m_texts(TextsOf(entry)), m_env(env), m_boxes(IDC_SETTING_BROWSE) {
    SetMessages({env.messageBox, L"ぽこみ"});
}

BOOL CSettingPropertyPage1::OnInitDialog() {
    ui::PropertyPage::OnInitDialog();
    m_boxes.Attach(m_hwnd);
    m_boxes.EnableContentBoxes();
    UpdateOk();
    return TRUE;
}

void CSettingPropertyPage1::DoDataExchange(ui::DataExchange& exchange) { CAlarmTextBoxes::Exchange(exchange, m_texts); }

bool CSettingPropertyPage1::OnCommand(WORD id, WORD code, HWND control) {
    switch (m_boxes.ChangeOf(id, code)) {
    case CAlarmTextBoxes::Change::Subject: OnSubjectChanged(); return true;
    case CAlarmTextBoxes::Change::Content: UpdateOk(); return true;
    case CAlarmTextBoxes::Change::Browse: m_boxes.BrowseForSound(m_env); return true;
    case CAlarmTextBoxes::Change::None: break;
    }
    return ui::PropertyPage::OnCommand(id, code, control);
}

void CSettingPropertyPage1::OnSubjectChanged() {
    m_boxes.EnableContentBoxes();
    ui::WindowView(Sheet()).SetText(m_boxes.Read().Subject);
    UpdateOk();
}

void CSettingPropertyPage1::UpdateOk() const { ui::WindowView(Sheet(), IDOK).Enable(CanConfirmAlarm(m_boxes.Read())); }
