// Alarms of the minute, alarms under test and snoozed alarms, each set handed to a
// message window of its own.
#include "clock/CClockDialog.h"

#include "alarms/AlarmRules.h"
#include "alarms/CMessageDialog.h"
#include "clock/TimeText.h"

void CClockDialog::ShowDueMessages(const AlarmList& entries) { OpenMessageWindow(entries); }

// The alarms of minutes the tick did not see, in one window, each page saying when it was due.
void CClockDialog::ShowMissedMessages(const LocalTime& last, const LocalTime& now) {
    AlarmList entries;
    std::vector<std::wstring> notes;
    for (const MissedAlarm& missed : SelectMissed(m_data.Alarms(), last, now)) {
        entries.Append(missed.entry);
        notes.push_back(FormatLateNote(missed.due, now));
    }
    OpenMessageWindow(entries, notes);
}

void CClockDialog::TestAlarm(const AlarmEntry& entry) {
    AlarmList one;
    one.Append(entry);
    OpenMessageWindow(one);
}

// The window deletes itself when it is closed; nothing here keeps it. Owned by the
// invisible main window, it gets no taskbar button of its own.
void CClockDialog::OpenMessageWindow(const AlarmList& entries, const std::vector<std::wstring>& notes) {
    if (entries.IsEmpty()) return;
    CMessageDialog::Open(entries, {m_owner ? m_owner->MainWindow() : nullptr, PlayerHandle(), m_env}, notes);
}

// A snooze lives in memory only: Message.ini is not touched, and the clock's end ends it.
bool CClockDialog::Snooze(const AlarmEntry& entry, int minutes) {
    const UINT_PTR timer = m_nextSnoozeTimer++;
    if (m_env.setTimer(m_hwnd, timer, static_cast<UINT>(minutes) * 60'000u) == 0) {
        ShowMessage(L"タイマーの設定に失敗しました。", L"エラー", MB_OK | MB_ICONEXCLAMATION);
        return false;
    }
    m_snoozed[timer] = entry;
    return true;
}

bool CClockDialog::OnSnoozeTimer(UINT_PTR id) {
    const auto found = m_snoozed.find(id);
    if (found == m_snoozed.end()) return false;
    KillTimer(m_hwnd, id);
    AlarmList one;
    one.Append(found->second);
    m_snoozed.erase(found);
    OpenMessageWindow(one, {CMessageDialog::kSnoozedNote});
    return true;
}
