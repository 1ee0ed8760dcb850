#include "options/COptionPropertySheet.h"

#include "resource.h"
#include "ui/Resources.h"

COptionPropertySheet::COptionPropertySheet(OptionsHost& host, bool topMost, COptionPage& alarmPage)
    : ui::PropertySheet(ui::LoadStringResource(IDS_OPTIONS)), m_host(host), m_topMost(topMost) {
    SetMonitors(host.Env().monitors);
    SetHelpButton();  // its place is where Apply goes
    Add(m_clockPage);
    Add(m_placementPage);
    Add(m_illustrationPage);
    Add(m_soundPage);
    Add(alarmPage);
}

void COptionPropertySheet::Add(COptionPage& page) {
    page.SetHost(m_host);
    AddPage(page);
    m_optionPages.push_back(&page);
}

void COptionPropertySheet::Load(const OptionValues& values) {
    m_values = values;
    for (COptionPage* page : m_optionPages) page->Load(values);
}

OptionValues COptionPropertySheet::Collect() const {
    OptionValues values = m_values;
    for (const COptionPage* page : m_optionPages) page->Store(values);
    return values;
}

// No Help: OK, Cancel and Apply move one place right, into the three rightmost places.
void COptionPropertySheet::OnInitSheet() {
    if (m_topMost) SetWindowPos(Handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    HideButton(IDHELP);
    const RECT cancel = ButtonRect(IDCANCEL);
    const RECT apply = ButtonRect(ui::kApplyButton);
    const RECT help = ButtonRect(IDHELP);
    MoveButton(IDOK, {cancel.left, cancel.top});
    MoveButton(IDCANCEL, {apply.left, apply.top});
    MoveButton(ui::kApplyButton, {help.left, help.top});
}

void COptionPropertySheet::OnApplied() {
    for (COptionPage* page : m_optionPages) page->SetModified(false);
    HandOver();
}

void COptionPropertySheet::HandOver() {
    OptionValues applied = Collect();
    m_host.ApplyOptions(applied, m_values);
    m_values = std::move(applied);  // what a later OK or Apply starts from
}
