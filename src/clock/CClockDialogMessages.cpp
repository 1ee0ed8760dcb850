// Alarms of the minute, handed to a message window of their own.
#include "clock/CClockDialog.h"

#include "alarms/CMessageDialog.h"

void CClockDialog::ShowDueMessages(const AlarmList& entries) {
    if (entries.IsEmpty()) return;
    // The window deletes itself when it is closed; nothing here keeps it.
    CMessageDialog::Open(entries, m_env);
}
