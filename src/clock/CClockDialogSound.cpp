// Event sounds of the clock window: one player, one sound at a time.
#include "clock/CClockDialog.h"

#include "content/CWavePlayer.h"

bool CClockDialog::PlayEventSound(SoundEvent event) {
    if (m_soundPlaying) return false;  // dropped, not queued
    const std::vector<std::wstring>& paths = m_data.Sounds().List(event);
    if (paths.empty()) return false;
    std::size_t index = static_cast<std::size_t>(m_random.Next()) % paths.size();
    return StartSound(paths[index]);
}

bool CClockDialog::PlaySoundFile(const std::wstring& path) {
    if (m_soundPlaying) return false;
    return StartSound(path);
}

bool CClockDialog::StartSound(const std::wstring& path) {
    // A missing or unplayable file leaves the player idle and the event silent.
    if (m_player.Play(m_hwnd, ResolveSoundPath(m_env.programFolder, path)) != 0) return false;
    m_soundPlaying = 1;
    return true;
}

void CClockDialog::StopEventSound() {
    m_player.Close();
    m_soundPlaying = 0;
}

void CClockDialog::OnMciNotify(WPARAM flags, LPARAM deviceId) {
    // A late notice of a sound stopped earlier must not end the one playing now.
    if (m_soundPlaying && !m_player.IsEndNotice(flags, deviceId)) return;
    StopEventSound();
    if (m_closing) FinishClose();
}
