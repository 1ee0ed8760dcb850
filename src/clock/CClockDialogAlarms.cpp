// Alarms of the minute and alarms under test, each set handed to a message window of its own.
#include "clock/CClockDialog.h"

#include "alarms/CMessageDialog.h"

void CClockDialog::ShowDueMessages(const AlarmList& entries) { OpenMessageWindow(entries); }

void CClockDialog::TestAlarm(const AlarmEntry& entry) {
    AlarmList one;
    one.Append(entry);
    OpenMessageWindow(one);
}

// The window deletes itself when it is closed; nothing here keeps it. Owned by the
// invisible main window, it gets no taskbar button of its own.
void CClockDialog::OpenMessageWindow(const AlarmList& entries) {
    if (entries.IsEmpty()) return;
    CMessageDialog::Open(entries, {m_owner ? m_owner->MainWindow() : nullptr, PlayerHandle(), m_env});
}
