// Event sounds of the clock window and the messages it opens.
#include "clock/CClockDialog.h"

bool CClockDialog::PlayEventSound(SoundEvent) { return false; }

bool CClockDialog::ExitSoundPending() {
    if (m_sounds.List(SoundEvent::Exit).empty() || m_closing) return false;
    m_closing = 1;
    // A close whose exit sound cannot start goes ahead at once.
    return PlayEventSound(SoundEvent::Exit);
}

void CClockDialog::ShowDueMessages(const AlarmList&) {}
