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
    // Back keeps what was typed; Finish takes only boxes that hold a number.
    bool OnKillActive() override { return true; }
    bool OnWizardFinish() override { return UpdateData(true); }
    void DoDataExchange(ui::DataExchange& exchange) override { m_panel.Exchange(exchange); }
    bool OnCommand(WORD id, WORD code, HWND control) override;

private:
    CSchedulePanel m_panel;
};
