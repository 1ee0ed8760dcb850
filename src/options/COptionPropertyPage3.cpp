#include "options/COptionPropertyPage3.h"

#include <commctrl.h>

#include "content/NameListFiles.h"
#include "resource.h"

COptionPropertyPage3::COptionPropertyPage3() : COptionPage(IDD_OPTION_ILLUST) {}

void COptionPropertyPage3::Load(const OptionValues& values) {
    m_names = values.illustrationNames;
    m_flags = values.shownFlags;
    m_flags.resize(m_names.size(), kShown);
    m_currentIndex = values.illustrationIndex;
    m_periodicUpdate = values.settings.UpdateIllust;
    m_interval = values.settings.UpdateElapse;
    m_unreadableFile = values.unreadableFlagsFile;
}

void COptionPropertyPage3::Store(OptionValues& values) const {
    values.shownFlags = m_flags;
    values.settings.UpdateIllust = m_periodicUpdate;
    values.settings.UpdateElapse = m_interval;
}

BOOL COptionPropertyPage3::OnInitDialog() {
    m_list.Attach(m_hwnd, IDC_ILLUST_LIST);
    for (size_t i = 0; i < m_names.size(); ++i) m_list.AddItem(m_names[i], m_flags[i] == kShown);
    Child(IDC_ILLUST_INTERVAL_SPIN).Send(UDM_SETRANGE32, kMinInterval, kMaxInterval);
    COptionPage::OnInitDialog();
    EnableInterval();
    EnableShowNow();
    if (!m_unreadableFile.empty())
        ShowUnreadableInstead(m_unreadableFile, IDC_ILLUST_LIST, {IDC_ILLUST_SELECT_ALL, IDC_ILLUST_SHOW_NOW});
    return TRUE;
}

void COptionPropertyPage3::DoDataExchange(ui::DataExchange& exchange) {
    exchange.ListIndex(IDC_ILLUST_LIST, m_currentIndex);
    exchange.Check(IDC_ILLUST_UPDATE, m_periodicUpdate);
    exchange.Int(IDC_ILLUST_INTERVAL, m_interval, kMinInterval, kMaxInterval);
}

bool COptionPropertyPage3::OnCommand(WORD id, WORD code, HWND control) {
    switch (id) {
    case IDC_ILLUST_LIST:
        if (code == LBN_SELCHANGE || code == CCheckListBox::kCheckChanged) OnListChanged();
        return true;
    case IDC_ILLUST_SELECT_ALL: OnSelectAll(); return true;
    case IDC_ILLUST_SHOW_NOW: OnShowNow(); return true;
    case IDC_ILLUST_UPDATE:
        SetModified();
        EnableInterval();
        return true;
    default: return COptionPage::OnCommand(id, code, control);
    }
}

// A click on a line or on its check box; at least one picture stays checked.
void COptionPropertyPage3::OnListChanged() {
    const int selected = m_list.Selection();
    bool anyChecked = false;
    for (int i = 0; i < m_list.Count(); ++i) anyChecked = anyChecked || m_list.IsChecked(i);
    if (!anyChecked && selected >= 0) {
        Host().Env().messageBox(m_hwnd, L"最低一枚は絵柄の選択が必要です。", L"ぽこみ", MB_OK | MB_ICONHAND);
        m_list.SetCheck(selected, true);
    }
    SetModified();
    for (int i = 0; i < m_list.Count() && static_cast<size_t>(i) < m_flags.size(); ++i)
        m_flags[static_cast<size_t>(i)] = m_list.IsChecked(i) ? kShown : 0;
    EnableShowNow();
}

void COptionPropertyPage3::OnSelectAll() {
    SetModified();
    for (int i = 0; i < m_list.Count(); ++i) m_list.SetCheck(i, true);
    for (int& flag : m_flags) flag = kShown;
}

// Acts on the clock at once: the picture stays even when the sheet is cancelled.
void COptionPropertyPage3::OnShowNow() {
    const int selected = m_list.Selection();
    if (selected >= 0) Host().ShowIllustration(selected);
}

void COptionPropertyPage3::EnableInterval() {
    const bool on = Child(IDC_ILLUST_UPDATE).IsChecked();
    Child(IDC_ILLUST_INTERVAL).Enable(on);
    Child(IDC_ILLUST_INTERVAL_SPIN).Enable(on);
}

void COptionPropertyPage3::EnableShowNow() { Child(IDC_ILLUST_SHOW_NOW).Enable(m_list.Selection() >= 0); }
