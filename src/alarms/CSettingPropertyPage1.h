// The alarm property sheet's general page ("全般"): subject, sound file and message.
// OK is offered only for a subject with a sound or a message, and the sheet's
// caption follows the subject.
#pragma once

#include "alarms/AlarmEditing.h"
#include "alarms/CAlarmTextBoxes.h"
#include "ui/Environment.h"
#include "ui/PropertyPage.h"

class CSettingPropertyPage1 : public ui::PropertyPage {
public:
    CSettingPropertyPage1(const ui::Environment& env, const AlarmEntry& entry);

    // The texts as they stood when the page was last left.
    AlarmTexts m_texts;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(ui::DataExchange& exchange) override;
    // An OK that gets past the disabled button (Enter in a box) is refused too.
    bool OnApply() override { return CanConfirmAlarm(m_texts); }
    bool OnCommand(WORD id, WORD code, HWND control) override;

private:
    void OnSubjectChanged();
    void UpdateOk() const;

    const ui::Environment& m_env;
    CAlarmTextBoxes m_boxes;
};
