// The placement page: evasion of the mouse and the home position the window returns to.
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

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(ui::DataExchange& exchange) override;
    bool OnButtonClicked(WORD id) override;

private:
    void SetHome(int mode, POINT point);
    void ShowPositionText();
};
