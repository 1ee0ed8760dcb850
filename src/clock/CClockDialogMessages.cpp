// Alarms of the minute, handed to a message window of their own.
#include "clock/CClockDialog.h"

#include "alarms/CMessageDialog.h"
#include "app/CClockTrayWnd.h"

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
    CMessageDialog::Open(entries, {m_tray ? m_tray->Handle() : nullptr, PlayerHandle(), m_env});
}
