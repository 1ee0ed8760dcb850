// The options sheet: five pages over copies of the clock's values. Apply hands them
// to the host while the sheet stays; OK hands them over as the sheet closes.
#pragma once

#include <vector>

#include "options/COptionPage.h"
#include "options/COptionPropertyPage1.h"
#include "options/COptionPropertyPage2.h"
#include "options/COptionPropertyPage3.h"
#include "options/COptionPropertyPage4.h"
#include "options/OptionValues.h"
#include "options/OptionsHost.h"
#include "ui/PropertySheet.h"

class COptionPropertySheet : public ui::PropertySheet {
public:
    // `topMost`: the sheet stays above other windows as the clock does. The alarm page
    // lives with the alarms: the sheet's creator hands it in, and it becomes the last tab.
    COptionPropertySheet(OptionsHost& host, bool topMost, COptionPage& alarmPage);

    void Load(const OptionValues& values);
    // The values as the pages hold them now.
    OptionValues Collect() const;
    // What the pages started from: the values loaded, or the last ones applied.
    const OptionValues& Base() const { return m_values; }

protected:
    void OnInitSheet() override;
    void OnApplied() override;
    void OnOkAccepted() override { HandOver(); }

private:
    void Add(COptionPage& page);
    void HandOver();

    OptionsHost& m_host;
    bool m_topMost;
    OptionValues m_values;
    COptionPropertyPage1 m_clockPage;
    COptionPropertyPage2 m_placementPage;
    COptionPropertyPage3 m_illustrationPage;
    COptionPropertyPage4 m_soundPage;
    std::vector<COptionPage*> m_optionPages;
};
