#include "alarms/CAlarmListView.h"

#include <string>
#include <utility>

#include "alarms/AlarmListRows.h"

namespace {

LVITEMW RowItem(int row, int column, UINT mask) {
    LVITEMW item{};
    item.mask = mask;
    item.iItem = row;
    item.iSubItem = column;
    return item;
}

}  // namespace

void CAlarmListView::Attach(HWND list, HIMAGELIST images) {
    m_list = ui::WindowView(list);
    for (int column = 0; column < static_cast<int>(kAlarmListColumns.size()); ++column) {
        const std::wstring header(kAlarmListColumns[static_cast<size_t>(column)].Header);
        LVCOLUMNW description{};
        description.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
        description.pszText = const_cast<wchar_t*>(header.c_str());
        description.cx = kAlarmListColumns[static_cast<size_t>(column)].Width;
        description.iSubItem = column;
        m_list.Send(LVM_INSERTCOLUMNW, static_cast<WPARAM>(column), &description);
    }
    m_list.Send(LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
    m_list.Send(LVM_SETIMAGELIST, LVSIL_SMALL, images);
}

int CAlarmListView::Insert(const AlarmEntry& entry) const {
    LVITEMW item = RowItem(static_cast<int>(m_list.Send(LVM_GETITEMCOUNT)), 0, LVIF_TEXT | LVIF_IMAGE);
    item.pszText = const_cast<wchar_t*>(entry.Subject.c_str());
    item.iImage = RowImageOf(entry);
    const int row = static_cast<int>(m_list.Send(LVM_INSERTITEMW, 0, &item));
    if (row >= 0) SetTexts(row, entry);
    return row;
}

void CAlarmListView::Update(int row, const AlarmEntry& entry) const {
    LVITEMW item = RowItem(row, 0, LVIF_IMAGE);
    item.iImage = RowImageOf(entry);
    m_list.Send(LVM_SETITEMW, 0, &item);
    SetTexts(row, entry);
}

void CAlarmListView::SetTexts(int row, const AlarmEntry& entry) const {
    const AlarmRowTexts texts = RowTextsOf(entry);
    for (int column = 0; column < static_cast<int>(texts.size()); ++column) {
        LVITEMW item = RowItem(row, column, LVIF_TEXT);
        item.pszText = const_cast<wchar_t*>(texts[static_cast<size_t>(column)].c_str());
        m_list.Send(LVM_SETITEMTEXTW, static_cast<WPARAM>(row), &item);
    }
}

void CAlarmListView::Delete(int row) const { m_list.Send(LVM_DELETEITEM, static_cast<WPARAM>(row), 0); }

// Texts of any length: the buffer grows until the text fits.
AlarmEntry CAlarmListView::EntryOf(int row) const {
    AlarmRowTexts texts;
    for (int column = 0; column < static_cast<int>(texts.size()); ++column) {
        std::wstring buffer(256, L'\0');
        for (;;) {
            LVITEMW item = RowItem(row, column, LVIF_TEXT);
            item.pszText = buffer.data();
            item.cchTextMax = static_cast<int>(buffer.size());
            const auto length = static_cast<size_t>(m_list.Send(LVM_GETITEMTEXTW, static_cast<WPARAM>(row), &item));
            if (length + 1 < buffer.size()) {
                buffer.resize(length);
                break;
            }
            buffer.assign(buffer.size() * 2, L'\0');
        }
        texts[static_cast<size_t>(column)] = std::move(buffer);
    }
    return EntryOfRow(texts);
}

int CAlarmListView::Selection() const {
    return static_cast<int>(m_list.Send(LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

void CAlarmListView::Select(int row) const {
    LVITEMW item = RowItem(row, 0, LVIF_STATE);
    item.state = item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    m_list.Send(LVM_SETITEMSTATE, static_cast<WPARAM>(row), &item);
    m_list.Send(LVM_ENSUREVISIBLE, static_cast<WPARAM>(row), FALSE);
}
