#include "alarms/COptionPropertyPage5.h"

#include "alarms/AlarmListRows.h"
#include "alarms/CAddPropertySheet.h"
#include "alarms/CSettingPropertySheet.h"
#include "resource.h"

namespace {

constexpr wchar_t kNotFound[] = L"リストに該当する項目が見つかりません。\nぽこみを再起動してやり直してください。";

}  // namespace

COptionPropertyPage5::COptionPropertyPage5() : COptionPage(IDD_ALARM_LIST) {}

BOOL COptionPropertyPage5::OnInitDialog() {
    COptionPage::OnInitDialog();
    if (!m_unreadableFile.empty()) {
        ShowUnreadableInstead(m_unreadableFile, IDC_ALARM_LIST,
                              {IDC_ALARM_ADD, IDC_ALARM_DELETE, IDC_ALARM_PROPERTIES, IDC_ALARM_TEST});
        return TRUE;
    }
    m_list.Attach(m_hwnd, IDC_ALARM_LIST, Host().AlarmImages(), m_alarms);
    EnableRowButtons();
    return TRUE;
}

bool COptionPropertyPage5::OnButtonClicked(WORD id) {
    switch (id) {
    case IDC_ALARM_ADD: OnAdd(); return true;
    case IDC_ALARM_DELETE: OnDelete(); return true;
    case IDC_ALARM_PROPERTIES: OnProperties(); return true;
    case IDC_ALARM_TEST: OnTest(); return true;
    default: return false;
    }
}

// As list views do everywhere: a double click or Enter opens the row, Delete deletes it.
bool COptionPropertyPage5::OnNotify(NMHDR& header, LRESULT& result) {
    if (header.idFrom != IDC_ALARM_LIST) return COptionPage::OnNotify(header, result);
    result = 0;
    switch (header.code) {
    case LVN_ITEMCHANGED: EnableRowButtons(); return true;
    case NM_DBLCLK:
        if (reinterpret_cast<NMITEMACTIVATE&>(header).iItem >= 0) OnProperties();
        return true;
    case NM_RETURN: OnProperties(); return true;
    case LVN_KEYDOWN:
        if (reinterpret_cast<NMLVKEYDOWN&>(header).wVKey == VK_DELETE) OnDelete();
        return true;
    default: return COptionPage::OnNotify(header, result);
    }
}

// The wizard is owned by the options sheet, which stays disabled under it.
void COptionPropertyPage5::OnAdd() {
    CAddPropertySheet wizard(Host().Env());
    if (wizard.DoModal(Sheet()) != ui::kFinishButton) return;
    SetModified();
    const AlarmEntry entry = wizard.NewAlarm();
    m_alarms.Append(entry);
    m_list.Select(m_list.Insert(entry));
}

void COptionPropertyPage5::OnDelete() {
    const int row = m_list.Selection();
    if (row == CAlarmListView::kNoRow) return;
    if (Ask(DeleteQuestion(m_list.EntryOf(row).Subject), MB_YESNO | MB_ICONQUESTION) != IDYES) return;
    const auto position = EntryOfRow(row);
    if (!position) return;
    SetModified();
    m_alarms.RemoveAt(*position);
    m_list.Delete(row);
    EnableRowButtons();
}

void COptionPropertyPage5::OnProperties() {
    const int row = m_list.Selection();
    if (row == CAlarmListView::kNoRow) return;
    const auto position = EntryOfRow(row);
    if (!position) {
        Ask(kNotFound, MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    const AlarmEntry entry = m_alarms.At(*position);
    CSettingPropertySheet sheet(Host().Env(), entry);
    sheet.SetCaption(entry.Subject);
    if (sheet.DoModal(Sheet()) != IDOK) return;
    SetModified();
    const AlarmEntry edited = sheet.EditedAlarm();
    m_alarms.Replace(*position, edited);
    m_list.Update(row, edited);
}

// Every alarm the row stands for opens a message window of its own.
void COptionPropertyPage5::OnTest() {
    const int row = m_list.Selection();
    if (row == CAlarmListView::kNoRow) return;
    for (std::size_t position : FindRowEntries(m_alarms, m_list.EntryOf(row))) Host().TestAlarm(m_alarms.At(position));
}

// A button that loses its row while it has the focus hands the focus to the list.
void COptionPropertyPage5::EnableRowButtons() const {
    const bool selected = m_list.Selection() != CAlarmListView::kNoRow;
    const HWND focus = GetFocus();
    for (int id : {IDC_ALARM_DELETE, IDC_ALARM_PROPERTIES, IDC_ALARM_TEST}) {
        if (!selected && focus == Item(id)) SetFocus(m_list.Handle());
        Child(id).Enable(selected);
    }
}

std::optional<std::size_t> COptionPropertyPage5::EntryOfRow(int row) const {
    return FindRowEntry(m_alarms, m_list.EntryOf(row));
}

// Questions and messages of the page are owned by the options sheet.
int COptionPropertyPage5::Ask(const std::wstring& text, UINT type) const {
    return Host().Env().messageBox(Sheet(), text, L"ぽこみ", type);
}
