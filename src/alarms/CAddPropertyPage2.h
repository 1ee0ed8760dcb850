// The add-alarm wizard's content page: the subject, the sound file and the message.
#pragma once

#include "alarms/CAddWizardPage.h"
#include "alarms/CAlarmTextBoxes.h"

class CAddPropertyPage2 : public CAddWizardPage {
public:
    explicit CAddPropertyPage2(const ui::Environment& env);

    // The texts as they stood when the page was last left.
    AlarmTexts m_texts;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(ui::DataExchange& exchange) override;
    bool OnSetActive() override;
    bool OnCommand(WORD id, WORD code, HWND control) override;

private:
    void OnSubjectChanged();

    CAlarmTextBoxes m_boxes;
};
