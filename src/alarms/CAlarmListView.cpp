#include "alarms/CAlarmListView.h"

#include <string>

namespace {

// The order the list shows its subjects in: the user's locale, letter case ignored.
std::string SubjectSortKey(const std::wstring& subject) {
    constexpr DWORD kFlags = LCMAP_SORTKEY | NORM_IGNORECASE;
    const int length = static_cast<int>(subject.size());
    const int size =
        LCMapStringEx(LOCALE_NAME_USER_DEFAULT, kFlags, subject.c_str(), length, nullptr, 0, nullptr, nullptr, 0);
    std::string key(static_cast<size_t>(size > 0 ? size : 0), '\0');
    if (size > 0)
        LCMapStringEx(LOCALE_NAME_USER_DEFAULT, kFlags, subject.c_str(), length, reinterpret_cast<LPWSTR>(key.data()),
                      size, nullptr, nullptr, 0);
    return key;
}

LVITEMW StateItem(UINT state) {
    LVITEMW item{};
    item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    item.state = state;
    return item;
}

}  // namespace

CAlarmListView::CAlarmListView() : m_rows(&SubjectSortKey) {}

bool CAlarmListView::Attach(HWND dialog, int id, HIMAGELIST images, const AlarmList& alarms) {
    if (!ui::Control::Attach(dialog, id)) return false;
    AddColumns();
    Send(LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
    Send(LVM_SETIMAGELIST, LVSIL_SMALL, images);
    m_rows.Fill(alarms);
    Send(LVM_SETITEMCOUNT, m_rows.Count(), 0);
    return true;
}

// The two shown columns share the list's width as their standard widths do, leaving
// room for the vertical scroll bar, so no horizontal one is ever needed.
void CAlarmListView::AddColumns() const {
    RECT client{};
    GetClientRect(m_hwnd, &client);
    const int width = client.right - GetSystemMetrics(SM_CXVSCROLL);
    const int shownWidth = kAlarmListColumns[0].Width + kAlarmListColumns[1].Width;
    const int first = width * kAlarmListColumns[0].Width / shownWidth;
    for (size_t column = 0; column < kAlarmListColumns.size(); ++column) {
        std::wstring header(kAlarmListColumns[column].Header);
        LVCOLUMNW description{};
        description.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
        description.pszText = header.data();
        description.cx = column == 0 ? first : column == 1 ? width - first : 0;
        description.iSubItem = static_cast<int>(column);
        Send(LVM_INSERTCOLUMNW, column, &description);
    }
}

int CAlarmListView::Insert(const AlarmEntry& entry) {
    const int row = static_cast<int>(m_rows.Insert(entry));
    SetRowCount();
    return row;
}

void CAlarmListView::Update(int row, const AlarmEntry& entry) {
    m_rows.Replace(static_cast<size_t>(row), entry);
    Send(LVM_REDRAWITEMS, static_cast<WPARAM>(row), row);
}

void CAlarmListView::Delete(int row) {
    m_rows.Remove(static_cast<size_t>(row));
    SetRowCount();
}

void CAlarmListView::SetRowCount() const {
    LVITEMW none = StateItem(0);
    Send(LVM_SETITEMSTATE, static_cast<WPARAM>(-1), &none);
    Send(LVM_SETITEMCOUNT, m_rows.Count(), LVSICF_NOSCROLL);
}

int CAlarmListView::Selection() const {
    return static_cast<int>(Send(LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

void CAlarmListView::Select(int row) const {
    LVITEMW item = StateItem(LVIS_SELECTED | LVIS_FOCUSED);
    Send(LVM_SETITEMSTATE, static_cast<WPARAM>(row), &item);
    Send(LVM_ENSUREVISIBLE, static_cast<WPARAM>(row), FALSE);
}

bool CAlarmListView::OnReflected(UINT message, WPARAM, LPARAM lParam, LRESULT& result) {
    if (message != WM_NOTIFY || reinterpret_cast<NMHDR*>(lParam)->code != LVN_GETDISPINFOW) return false;
    FillItem(reinterpret_cast<NMLVDISPINFOW*>(lParam)->item);
    result = 0;
    return true;
}

void CAlarmListView::FillItem(LVITEMW& item) const {
    if (item.iItem < 0 || static_cast<size_t>(item.iItem) >= m_rows.Count()) return;
    const AlarmEntry& entry = m_rows.At(static_cast<size_t>(item.iItem));
    if ((item.mask & LVIF_IMAGE) && item.iSubItem == 0) item.iImage = RowImageOf(entry);
    if ((item.mask & LVIF_TEXT) && item.pszText && item.cchTextMax > 0) {
        const std::wstring text = RowTextOf(entry, static_cast<size_t>(item.iSubItem));
        lstrcpynW(item.pszText, text.c_str(), item.cchTextMax);
    }
}

// Enter on a row is the list's own (it opens the row), not the sheet's OK.
LRESULT CAlarmListView::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = Default(message, wParam, lParam);
    if (message != WM_GETDLGCODE) return result;
    const auto* key = reinterpret_cast<const MSG*>(lParam);
    if (key && key->message == WM_KEYDOWN && key->wParam == VK_RETURN && Selection() != kNoRow)
        result |= DLGC_WANTMESSAGE;
    return result;
}
