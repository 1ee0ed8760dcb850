// The add-alarm wizard's schedule page: date and time units, their numbers and the
// text of the schedule. A new alarm starts yearly, on today's date at the current time.
#pragma once

#include "alarms/CAddWizardPage.h"
#include "alarms/CSchedulePanel.h"

class CAddPropertyPage3 : public CAddWizardPage {
public:
    explicit CAddPropertyPage3(const ui::Environment& env);

    const ScheduleEditor& Schedule() const { return m_panel.Editor(); }

protected:
    BOOL OnInitDialog() override;
    bool OnSetActive() override;
    // The numbers go into the schedule as they are typed, beyond the up-down ranges
    // too: leaving the page, Back and Finish have nothing left to take or refuse.
    bool OnCommand(WORD id, WORD code, HWND control) override;

private:
    CSchedulePanel m_panel;
};
