#include "alarms/CSchedulePanel.h"

#include <commctrl.h>

#include <string>

#include "alarms/ScheduleControls.h"
#include "resource.h"
#include "ui/Text.h"

namespace {

template <class Items>
void FillList(HWND list, const Items& items) {
    SendMessageW(list, CB_RESETCONTENT, 0, 0);
    for (std::wstring_view item : items) {
        const std::wstring text(item);
        SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
}

}  // namespace

void CSchedulePanel::Init(HWND page) {
    m_page = page;
    FillList(GetDlgItem(page, IDC_DATE_UNIT), kDateUnitItems);
    FillList(GetDlgItem(page, IDC_TIME_UNIT), kTimeUnitItems);
    FillList(GetDlgItem(page, IDC_WEEKDAY), kWeekdayItems);
    ShowSchedule();
}

bool CSchedulePanel::OnCommand(WORD id, WORD code) {
    if (!m_page) return false;
    switch (id) {
    case IDC_DATE_UNIT:
    case IDC_TIME_UNIT:
        if (code == CBN_SELCHANGE) {
            m_editor.SelectDateUnit(Selection(IDC_DATE_UNIT));
            m_editor.SelectTimeUnit(Selection(IDC_TIME_UNIT));
            ShowSchedule();
        }
        return true;
    case IDC_WEEKDAY:
        if (code == CBN_SELCHANGE && m_editor.WeekdaySelected(Selection(IDC_WEEKDAY))) ShowDisplayText();
        return true;
    default: break;
    }
    const auto box = ScheduleBoxOfEdit(id);
    if (!box) return false;
    if (code == EN_CHANGE && m_editor.BoxTextChanged(*box, ui::WindowText(GetDlgItem(m_page, id)))) ShowDisplayText();
    return true;
}

// The page's own texts go into the boxes inside a fill scope, so they do not come
// back as typing.
void CSchedulePanel::ShowSchedule() {
    {
        const auto filling = m_editor.FillBoxes();
        SendDlgItemMessageW(m_page, IDC_DATE_UNIT, CB_SETCURSEL, static_cast<WPARAM>(m_editor.DateUnit()), 0);
        SendDlgItemMessageW(m_page, IDC_TIME_UNIT, CB_SETCURSEL, static_cast<WPARAM>(m_editor.TimeUnit()), 0);
        for (ScheduleBox box : kScheduleBoxes) ShowBox(box);
        SendDlgItemMessageW(m_page, IDC_WEEKDAY, CB_SETCURSEL, static_cast<WPARAM>(m_editor.WeekdaySelection()), 0);
        ShowControl(IDC_WEEKDAY, m_editor.IsWeekdayListShown());
    }
    ShowDisplayText();
}

void CSchedulePanel::ShowBox(ScheduleBox box) const {
    const ScheduleBoxControls& ids = ControlsOf(box);
    const NumberBoxView view = m_editor.Box(box);
    if (view.Shown) {
        SetDlgItemTextW(m_page, ids.Label, std::wstring(view.Label).c_str());
        SendDlgItemMessageW(m_page, ids.Spin, UDM_SETRANGE32, static_cast<WPARAM>(view.Lower), view.Upper);
        SetDlgItemTextW(m_page, ids.Edit, view.Text.c_str());
    }
    for (int id : {ids.Edit, ids.Spin, ids.Label}) ShowControl(id, view.Shown);
}

void CSchedulePanel::ShowDisplayText() const { SetDlgItemTextW(m_page, m_displayId, m_editor.DisplayText().c_str()); }

void CSchedulePanel::ShowControl(int id, bool shown) const {
    ShowWindow(GetDlgItem(m_page, id), shown ? SW_SHOW : SW_HIDE);
}

int CSchedulePanel::Selection(int listId) const {
    const LRESULT selected = SendDlgItemMessageW(m_page, listId, CB_GETCURSEL, 0, 0);
    return selected == CB_ERR ? kNoSelection : static_cast<int>(selected);
}
