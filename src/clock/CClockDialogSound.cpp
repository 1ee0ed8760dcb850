// Event sounds of the clock window.
#include "clock/CClockDialog.h"

bool CClockDialog::PlayEventSound(SoundEvent) { return false; }
bool CClockDialog::PlaySoundFile(const std::wstring&) { return false; }
void CClockDialog::StopEventSound() {}
void CClockDialog::OnMciNotify(WPARAM, LPARAM) {}

bool CClockDialog::ExitSoundPending() {
    if (m_sounds.List(SoundEvent::Exit).empty() || m_closing) return false;
    m_closing = 1;
    // A close whose exit sound cannot start goes ahead at once.
    return PlayEventSound(SoundEvent::Exit);
}
