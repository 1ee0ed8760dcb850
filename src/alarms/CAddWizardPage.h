// What the add-alarm wizard's pages share: the clock's environment and the wizard buttons.
#pragma once
#include <windows.h>
#include <prsht.h>

#include "alarms/AlarmEditing.h"
#include "ui/Environment.h"
#include "ui/PropertyPage.h"

class CAddWizardPage : public ui::PropertyPage {
public:
    CAddWizardPage(UINT templateId, const ui::Environment& env) : ui::PropertyPage(templateId), m_env(env) {
        SetMessages({env.messageBox, L"ぽこみ"});
    }

protected:
    const ui::Environment& Env() const { return m_env; }
    // Back, Next and Finish as the alarm rules combine them.
    void ShowWizardButtons(unsigned buttons) const {
        SetWizardButtons(((buttons & kWizardBack) ? PSWIZB_BACK : 0u) | ((buttons & kWizardNext) ? PSWIZB_NEXT : 0u) |
                         ((buttons & kWizardFinish) ? PSWIZB_FINISH : 0u));
    }

private:
    const ui::Environment& m_env;
};
