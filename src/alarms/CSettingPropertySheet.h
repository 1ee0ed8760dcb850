// The alarm property sheet: one existing alarm on a general and a schedule tab.
// The caller sets the caption to the alarm's subject and, after OK, takes the edited alarm.
#pragma once

#include "content/AlarmEntry.h"
#include "alarms/CSettingPropertyPage1.h"
#include "alarms/CSettingPropertyPage2.h"
#include "ui/Environment.h"
#include "ui/PropertySheet.h"

class CSettingPropertySheet : public ui::PropertySheet {
public:
    CSettingPropertySheet(const ui::Environment& env, const AlarmEntry& entry);

    // The alarm as the pages hold it: the schedule rebuilt only when its tab was opened.
    AlarmEntry EditedAlarm() const;

protected:
    void OnInitSheet() override;
    void OnFirstShow() override;

private:
    AlarmEntry m_entry;
    CSettingPropertyPage1 m_general;
    CSettingPropertyPage2 m_schedule;
};
