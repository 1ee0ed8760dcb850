#include "alarms/CAddPropertyPage1.h"

#include "resource.h"

CAddPropertyPage1::CAddPropertyPage1(const ui::Environment& env) : CAddWizardPage(IDD_ADD_PAGE1, env) {}

bool CAddPropertyPage1::OnSetActive() {
    ShowWizardButtons(WizardButtonsFor(WizardPage::Intro, {}));
    return true;
}
