// The add-alarm wizard's first page: what the wizard does, with the mascot and the logo.
#pragma once

#include "alarms/CAddWizardPage.h"

class CAddPropertyPage1 : public CAddWizardPage {
public:
    explicit CAddPropertyPage1(const ui::Environment& env);

protected:
    bool OnSetActive() override;
};
