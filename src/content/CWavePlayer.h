// Plays one WAV file at a time through MCI and tells a window when it ends.
#pragma once
#include <windows.h>
#include <mmsystem.h>

#include <string>

class CWavePlayer {
public:
    CWavePlayer() = default;
    CWavePlayer(const CWavePlayer&) = delete;
    CWavePlayer& operator=(const CWavePlayer&) = delete;
    ~CWavePlayer();

    // Opens the file and starts it; MM_MCINOTIFY reaches `notify` when it ends. 0 on success.
    DWORD Play(HWND notify, const std::wstring& path);
    void Close();
    bool IsOpen() const { return m_device != 0; }

private:
    UINT m_device = 0;
};
