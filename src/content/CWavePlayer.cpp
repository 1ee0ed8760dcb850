#include "content/CWavePlayer.h"

#include <iterator>

#include "content/WaveHeader.h"
#include "ui/Files.h"

namespace {

// The driver file of each MCI device type, where MCI itself looks it up.
constexpr wchar_t kMciDrivers[] = L"Software\\Microsoft\\Windows NT\\CurrentVersion\\MCI32";

// MCI unloads a driver when its last device closes, but a driver's play thread
// posts the end notice before it has returned through the driver's own code: a
// device closed at its notice can take that code from under the thread, which
// then faults. The driver of an opened device therefore stays for the whole run.
void KeepDriverLoaded(MCIDEVICEID device) {
    wchar_t type[64] = {};
    MCI_SYSINFO_PARMSW info{};
    info.lpstrReturn = type;
    info.dwRetSize = static_cast<DWORD>(std::size(type));
    if (mciSendCommandW(device, MCI_SYSINFO, MCI_SYSINFO_INSTALLNAME, reinterpret_cast<DWORD_PTR>(&info)) != 0) return;
    wchar_t driver[MAX_PATH] = {};
    DWORD size = sizeof(driver);
    if (RegGetValueW(HKEY_LOCAL_MACHINE, kMciDrivers, type, RRF_RT_REG_SZ, nullptr, driver, &size) != ERROR_SUCCESS)
        return;
    HMODULE module = nullptr;
    GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_PIN, driver, &module);
}

class FileWaveReader : public WaveFileReader {
public:
    explicit FileWaveReader(const ui::RangeReader& file) : m_file(file) {}
    std::uint64_t Size() const override { return m_file.Size(); }
    std::optional<std::string> Read(std::uint64_t offset, std::size_t count) override {
        return m_file.Read(offset, count);
    }

private:
    const ui::RangeReader& m_file;
};

// MCI's players trust a file's format header, and a damaged one can end the
// process: a file is handed over only when its headers hold together.
DWORD CheckFile(const std::wstring& path) {
    ui::RangeReader file(path);
    if (!file.IsOpen()) return MCIERR_FILE_NOT_FOUND;
    FileWaveReader reader(file);
    return CheckWave(reader) == WaveVerdict::Playable ? 0 : MCIERR_INVALID_FILE;
}

}  // namespace

CWavePlayer::~CWavePlayer() { Close(); }

DWORD CWavePlayer::Play(HWND notify, const std::wstring& path) {
    Close();  // one device at a time
    if (DWORD error = CheckFile(path)) return error;

    MCI_OPEN_PARMSW open{};
    open.lpstrElementName = path.c_str();  // no device type: the file's type picks the device
    DWORD error = mciSendCommandW(0, MCI_OPEN, MCI_OPEN_ELEMENT, reinterpret_cast<DWORD_PTR>(&open));
    if (error != 0) return error;
    m_device = open.wDeviceID;
    KeepDriverLoaded(m_device);

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
