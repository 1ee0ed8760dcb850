// The placement page: evasion of the mouse, the home position the window returns to,
// and starting with Windows, which lives in the current user's Run key, not in the profile.
#pragma once

#include "options/COptionPage.h"

class COptionPropertyPage2 : public COptionPage {
public:
    COptionPropertyPage2();

    void Load(const OptionValues& values) override;
    void Store(OptionValues& values) const override;

    int m_homeMode = 0;
    POINT m_homePoint{0, 0};
    int m_evasion = 0;
    int m_startup = 0;  // the Run entry starts this program file

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(ui::DataExchange& exchange) override;
    bool OnButtonClicked(WORD id) override;
    bool OnApply() override;

private:
    bool StartupOffered() const;
    void ApplyStartup();

    void SetHome(int mode, POINT point);
    void ShowPositionText();

    int m_startupAsRead = 0;  // what the Run key said, or was last made to say
};
