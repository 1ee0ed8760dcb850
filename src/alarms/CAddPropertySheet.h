// The add-alarm wizard: an introduction, the alarm's texts and its schedule. It
// stores nothing; after Finish the caller takes the alarm it describes.
#pragma once

#include "content/AlarmEntry.h"
#include "alarms/CAddPropertyPage1.h"
#include "alarms/CAddPropertyPage2.h"
#include "alarms/CAddPropertyPage3.h"
#include "ui/Environment.h"
#include "ui/PropertySheet.h"

class CAddPropertySheet : public ui::PropertySheet {
public:
    explicit CAddPropertySheet(const ui::Environment& env);

    // The alarm the finished wizard describes.
    AlarmEntry NewAlarm() const;

protected:
    void OnInitSheet() override;

private:
    CAddPropertyPage1 m_page1;
    CAddPropertyPage2 m_page2;
    CAddPropertyPage3 m_page3;
};
