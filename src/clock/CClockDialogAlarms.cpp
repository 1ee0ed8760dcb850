// Alarms of the minute and alarms under test, each set handed to a message window of its own.
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
