#include "alarms/CAddPropertyPage3.h"

#include "resource.h"

CAddPropertyPage3::CAddPropertyPage3(const ui::Environment& env)
    : CAddWizardPage(IDD_ADD_PAGE3, env), m_panel(IDC_WIZARD_SCHEDULE_TEXT) {}

BOOL CAddPropertyPage3::OnInitDialog() {
    const LocalTime now = Env().now();
    m_panel.Editor().Start({now.month, now.day, now.hour, now.minute, now.weekday});
    m_panel.Init(m_hwnd);
    return CAddWizardPage::OnInitDialog();
}

bool CAddPropertyPage3::OnSetActive() {
    ShowWizardButtons(WizardButtonsFor(WizardPage::Schedule, {}));
    return true;
}

bool CAddPropertyPage3::OnCommand(WORD id, WORD code, HWND control) {
    return m_panel.OnCommand(id, code) || CAddWizardPage::OnCommand(id, code, control);
}
