// Alarms of the minute, handed to a message window of their own.
#include "clock/CClockDialog.h"

void CClockDialog::ShowDueMessages(const AlarmList&) {}
