// Alarms of the minute, handed to a message window of their own.
#include "clock/CClockDialog.h"

#include "alarms/CMessageDialog.h"
#include "app/CClockTrayWnd.h"

void CClockDialog::ShowDueMessages(const AlarmList& entries) {
    if (entries.IsEmpty()) return;
    // The window deletes itself when it is closed; nothing here keeps it. Owned by
    // the invisible main window, it gets no taskbar button of its own.
    CMessageDialog::Open(entries, {m_tray ? m_tray->Handle() : nullptr, Player(), m_env});
}
