#include "alarms/CSchedulePanel.h"

#include <commctrl.h>

#include <string>

#include "alarms/ScheduleControls.h"
#include "resource.h"
#include "ui/WindowView.h"

namespace {

template <class Items>
void FillList(ui::WindowView list, const Items& items) {
    list.Send(CB_RESETCONTENT);
    for (std::wstring_view item : items) {
        const std::wstring text(item);
        list.Send(CB_ADDSTRING, 0, text.c_str());
    }
}

}  // namespace

void CSchedulePanel::Init(HWND page) {
    m_page = page;
    FillList(Child(IDC_DATE_UNIT), kDateUnitItems);
    FillList(Child(IDC_TIME_UNIT), kTimeUnitItems);
    FillList(Child(IDC_WEEKDAY), kWeekdayItems);
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
    if (code == EN_CHANGE && m_editor.BoxTextChanged(*box, Child(id).Text())) ShowDisplayText();
    return true;
}

// The page's own texts go into the boxes inside a fill scope, so they do not come
// back as typing.
void CSchedulePanel::ShowSchedule() {
    {
        const auto filling = m_editor.FillBoxes();
        Child(IDC_DATE_UNIT).Send(CB_SETCURSEL, static_cast<WPARAM>(m_editor.DateUnit()));
        Child(IDC_TIME_UNIT).Send(CB_SETCURSEL, static_cast<WPARAM>(m_editor.TimeUnit()));
        for (ScheduleBox box : kScheduleBoxes) ShowBox(box);
        Child(IDC_WEEKDAY).Send(CB_SETCURSEL, static_cast<WPARAM>(m_editor.WeekdaySelection()));
        Child(IDC_WEEKDAY).Show(m_editor.IsWeekdayListShown());
    }
    ShowDisplayText();
}

void CSchedulePanel::ShowBox(ScheduleBox box) const {
    const ScheduleBoxControls& ids = ControlsOf(box);
    const NumberBoxView view = m_editor.Box(box);
    if (view.Shown) {
        Child(ids.Label).SetText(std::wstring(view.Label));
        Child(ids.Spin).Send(UDM_SETRANGE32, static_cast<WPARAM>(view.Lower), view.Upper);
        Child(ids.Edit).SetText(view.Text);
    }
    for (int id : {ids.Edit, ids.Spin, ids.Label}) Child(id).Show(view.Shown);
}

// Beyond the up-down ranges a number is taken as typed; only text that is no number is refused.
void CSchedulePanel::Exchange(ui::DataExchange& exchange) const {
    if (!exchange.Saving() || !m_page) return;
    if (const auto box = m_editor.FirstBoxWithoutNumber())
        exchange.Fail(ControlsOf(*box).Edit, L"0 から 2147483647 までの整数を入力してください。");
}

void CSchedulePanel::ShowDisplayText() const { Child(m_displayId).SetText(m_editor.DisplayText()); }

int CSchedulePanel::Selection(int listId) const {
    const LRESULT selected = Child(listId).Send(CB_GETCURSEL);
    return selected == CB_ERR ? kNoSelection : static_cast<int>(selected);
}
