// Window commands of the clock: minimise, restore, always on top, move, return home.
#include "clock/CClockDialog.h"

void CClockDialog::ToggleMinimized() {}
void CClockDialog::ReturnHome() {}
