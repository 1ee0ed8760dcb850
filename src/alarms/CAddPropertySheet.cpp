#include "alarms/CAddPropertySheet.h"

#include "resource.h"
#include "ui/Resources.h"

CAddPropertySheet::CAddPropertySheet(const ui::Environment& env)
    : ui::PropertySheet(ui::LoadStringResource(IDS_PROPERTY_SHEET)), m_page1(env), m_page2(env), m_page3(env) {
    SetMonitors(env.monitors);
    SetWizardMode();
    SetHelpButton();  // its place is where Cancel goes
    AddPage(m_page1);
    AddPage(m_page2);
    AddPage(m_page3);
}

AlarmEntry CAddPropertySheet::NewAlarm() const { return BuildNewAlarm(m_page2.m_texts, m_page3.Schedule()); }

// No Help: Cancel takes its place, and Back with Next (or Finish) close up to it.
void CAddPropertySheet::OnInitSheet() {
    HideButton(IDHELP);
    const RECT cancel = ButtonRect(IDCANCEL);
    const RECT help = ButtonRect(IDHELP);
    const RECT back = ButtonRect(ui::kBackButton);
    MoveButton(ui::kNextButton, {cancel.left, cancel.top});
    MoveButton(ui::kFinishButton, {cancel.left, cancel.top});
    MoveButton(ui::kBackButton, {cancel.left - (back.right - back.left), cancel.top});
    MoveButton(IDCANCEL, {help.left, help.top});
}
