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
    ~CWavePlayer();  // closes a device still open

    // Opens the file and starts it; MM_MCINOTIFY reaches `notify` when it ends.
    // Returns 0, or the MCI error code with nothing left open.
    DWORD Play(HWND notify, const std::wstring& path);
    // Closes the device if one is open. The device is given up even when the
    // close fails, so a broken device is never retried. Returns 0 or the MCI error.
    DWORD Close();

    bool IsOpen() const { return m_device != 0; }
    MCIDEVICEID Device() const { return m_device; }
    // True when an MM_MCINOTIFY message reports the end of the sound now playing.
    // An aborted or superseded notice comes from a device this player closed
    // itself; device IDs are reused, so it may carry the ID of the current one.
    bool IsEndNotice(WPARAM flags, LPARAM device) const;

private:
    MCIDEVICEID m_device = 0;
};

// The file a sound path names: a plain relative path is taken from `folder`
// (which ends with a backslash); a path with a drive or a leading slash is
// left as it is.
std::wstring ResolveSoundPath(const std::wstring& folder, const std::wstring& path);
