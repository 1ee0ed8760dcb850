#include "options/COptionPropertyPage2.h"

#include "content/ClockSettings.h"
#include "options/HomePositionText.h"
#include "resource.h"

COptionPropertyPage2::COptionPropertyPage2() : COptionPage(IDD_OPTION_PLACE) {}

void COptionPropertyPage2::Load(const OptionValues& values) {
    m_homeMode = values.settings.Home;
    m_homePoint = {values.settings.HomeX, values.settings.HomeY};
    m_evasion = values.settings.Escape;
}

void COptionPropertyPage2::Store(OptionValues& values) const {
    values.settings.Home = m_homeMode;
    values.settings.HomeX = m_homePoint.x;
    values.settings.HomeY = m_homePoint.y;
    values.settings.Escape = m_evasion;
}

BOOL COptionPropertyPage2::OnInitDialog() {
    COptionPage::OnInitDialog();
    ShowPositionText();
    return TRUE;
}

void COptionPropertyPage2::DoDataExchange(ui::DataExchange& exchange) { exchange.Check(IDC_PLACE_EVASION, m_evasion); }

bool COptionPropertyPage2::OnButtonClicked(WORD id) {
    switch (id) {
    case IDC_PLACE_EVASION: SetModified(); return true;
    case IDC_PLACE_CURRENT: SetHome(kHomePoint, Host().WindowTopLeft()); return true;
    case IDC_PLACE_DEFAULT: SetHome(kHomeNone, m_homePoint); return true;
    case IDC_PLACE_CENTRE: {
        Rect area = Host().ClockWorkArea();
        SetHome(kHomeCentre, {area.Width() / 2, area.Height() / 2});
        return true;
    }
    default: return false;
    }
}

void COptionPropertyPage2::SetHome(int mode, POINT point) {
    m_homeMode = mode;
    m_homePoint = point;
    SetModified();
    ShowPositionText();
}

void COptionPropertyPage2::ShowPositionText() {
    Child(IDC_PLACE_POSITION).SetText(HomePositionText(m_homeMode, m_homePoint.x, m_homePoint.y));
}
