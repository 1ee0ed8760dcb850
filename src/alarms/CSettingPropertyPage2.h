// The alarm property sheet's schedule page ("スケジュール"). It is built only when
// its tab is first opened; until then the alarm's schedule stays exactly as stored.
#pragma once

#include "content/AlarmEntry.h"
#include "alarms/CSchedulePanel.h"
#include "ui/Environment.h"
#include "ui/PropertyPage.h"

class CSettingPropertyPage2 : public ui::PropertyPage {
public:
    CSettingPropertyPage2(const ui::Environment& env, const AlarmEntry& entry);

    bool WasShown() const { return m_shown; }
    const ScheduleEditor& Schedule() const { return m_panel.Editor(); }

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(WORD id, WORD code, HWND control) override;
    // Leaving the tab, OK included, refuses a box that holds no number.
    void DoDataExchange(ui::DataExchange& exchange) override { m_panel.Exchange(exchange); }

private:
    const ui::Environment& m_env;
    AlarmEntry m_entry;
    CSchedulePanel m_panel;
    bool m_shown = false;
};
