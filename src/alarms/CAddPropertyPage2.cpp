#include "alarms/CAddPropertyPage2.h"

#include "resource.h"

CAddPropertyPage2::CAddPropertyPage2(const ui::Environment& env)
    : CAddWizardPage(IDD_ADD_PAGE2, env), m_boxes(IDC_WIZARD_BROWSE) {}

BOOL CAddPropertyPage2::OnInitDialog() {
    CAddWizardPage::OnInitDialog();
    m_boxes.Attach(m_hwnd);
    return TRUE;
}

void CAddPropertyPage2::DoDataExchange(ui::DataExchange& exchange) { CAlarmTextBoxes::Exchange(exchange, m_texts); }

bool CAddPropertyPage2::OnSetActive() {
    ShowWizardButtons(WizardButtonsFor(WizardPage::Content, m_boxes.Read()));
    return true;
}

bool CAddPropertyPage2::OnCommand(WORD id, WORD code, HWND control) {
    switch (m_boxes.ChangeOf(id, code)) {
    case CAlarmTextBoxes::Change::Subject: OnSubjectChanged(); return true;
    case CAlarmTextBoxes::Change::Content:
        ShowWizardButtons(WizardButtonsFor(WizardPage::Content, m_boxes.Read()));
        return true;
    case CAlarmTextBoxes::Change::Browse: m_boxes.BrowseForSound(Env()); return true;
    case CAlarmTextBoxes::Change::None: break;
    }
    return CAddWizardPage::OnCommand(id, code, control);
}

void CAddPropertyPage2::OnSubjectChanged() {
    m_boxes.EnableContentBoxes();
    ShowWizardButtons(WizardButtonsAfterSubjectChange(m_boxes.Read()));
}
