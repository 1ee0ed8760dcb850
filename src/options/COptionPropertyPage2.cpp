#include "options/COptionPropertyPage2.h"

#include "content/ClockSettings.h"
#include "options/HomePositionText.h"
#include "options/StartupEntry.h"
#include "resource.h"
#include "ui/Registry.h"

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

// The check box shows what the Run key says now: an entry left by this program in another
// folder names another program file, so it shows unchecked.
BOOL COptionPropertyPage2::OnInitDialog() {
    if (StartupOffered()) {
        const auto& env = Host().Env();
        const auto command = ui::ReadRegistryText(env.runKey, kStartupValueName);
        m_startup = m_startupAsRead = command && StartsProgram(*command, env.programFile) ? 1 : 0;
    }
    COptionPage::OnInitDialog();
    Child(IDC_PLACE_STARTUP).Enable(StartupOffered());
    ShowPositionText();
    return TRUE;
}

void COptionPropertyPage2::DoDataExchange(ui::DataExchange& exchange) {
    exchange.Check(IDC_PLACE_EVASION, m_evasion);
    exchange.Check(IDC_PLACE_STARTUP, m_startup);
}

bool COptionPropertyPage2::StartupOffered() const { return Host().Env().runKey && !Host().Env().programFile.empty(); }

bool COptionPropertyPage2::OnApply() {
    if (StartupOffered() && m_startup != m_startupAsRead) ApplyStartup();
    return true;
}

// Only the entry of this name is written or removed; nothing else of the registry is touched.
void COptionPropertyPage2::ApplyStartup() {
    const auto& env = Host().Env();
    const bool done = m_startup ? ui::WriteRegistryText(env.runKey, kStartupValueName, StartupCommand(env.programFile))
                                : ui::DeleteRegistryValue(env.runKey, kStartupValueName);
    if (done) {
        m_startupAsRead = m_startup;
        return;
    }
    env.messageBox(Sheet(), L"Windows の起動時に実行する設定を変更できませんでした。", L"ぽこみ",
                   MB_OK | MB_ICONWARNING);
}

bool COptionPropertyPage2::OnButtonClicked(WORD id) {
    switch (id) {
    case IDC_PLACE_EVASION:
    case IDC_PLACE_STARTUP: SetModified(); return true;
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
