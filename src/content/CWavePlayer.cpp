#include "content/CWavePlayer.h"

CWavePlayer::~CWavePlayer() { Close(); }

DWORD CWavePlayer::Play(HWND notify, const std::wstring& path) {
    Close();  // one device at a time

    MCI_OPEN_PARMSW open{};
    open.lpstrElementName = path.c_str();  // no device type: the file's type picks the device
    DWORD error = mciSendCommandW(0, MCI_OPEN, MCI_OPEN_ELEMENT, reinterpret_cast<DWORD_PTR>(&open));
    if (error != 0) return error;
    m_device = open.wDeviceID;

    MCI_PLAY_PARMS play{};
    play.dwCallback = reinterpret_cast<DWORD_PTR>(notify);
    error = mciSendCommandW(m_device, MCI_PLAY, MCI_NOTIFY, reinterpret_cast<DWORD_PTR>(&play));
    if (error != 0) Close();
    return error;
}

DWORD CWavePlayer::Close() {
    if (m_device == 0) return 0;
    DWORD error = mciSendCommandW(m_device, MCI_CLOSE, 0, 0);
    m_device = 0;
    return error;
}

bool CWavePlayer::IsEndNotice(WPARAM flags, LPARAM device) const {
    if (m_device == 0 || static_cast<MCIDEVICEID>(device) != m_device) return false;
    return (flags & (MCI_NOTIFY_ABORTED | MCI_NOTIFY_SUPERSEDED)) == 0;
}

namespace {

bool IsSlash(wchar_t c) { return c == L'\\' || c == L'/'; }

bool IsLetter(wchar_t c) { return (c >= L'A' && c <= L'Z') || (c >= L'a' && c <= L'z'); }

}  // namespace

std::wstring ResolveSoundPath(const std::wstring& folder, const std::wstring& path) {
    if (path.empty()) return path;
    bool rooted = IsSlash(path[0]);
    bool hasDrive = path.size() >= 2 && IsLetter(path[0]) && path[1] == L':';
    if (rooted || hasDrive) return path;
    return folder + path;
}
