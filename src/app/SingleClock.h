// One clock per program folder. The first start holds a named mutex made from the
// folder's path; a later start in the same folder brings that clock forward and ends
// without touching a file. Copies in other folders run side by side.
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>

// The key of a folder, spelt and cased as Windows compares paths.
std::uint64_t ProgramFolderKey(const std::wstring& folder);

// Sent to the main windows of running clocks with a folder key in wParam.
UINT ShowClockMessage();
// What a clock answers when the key is its own.
inline constexpr LRESULT kClockShown = 1;
inline constexpr LRESULT kClockClosing = 2;  // it is ending: the new start may take over

class SingleClock {
public:
    explicit SingleClock(const std::wstring& programFolder);
    ~SingleClock();
    SingleClock(const SingleClock&) = delete;
    SingleClock& operator=(const SingleClock&) = delete;

    // True when this start is the folder's clock (the mutex is held, or could not be
    // made at all: then each start runs, as before).
    bool TakeOver();

private:
    // The running clock's answer, waiting a little for one that is still starting.
    LRESULT AskRunningClock() const;

    std::uint64_t m_key;
    HANDLE m_mutex = nullptr;
    bool m_owned = false;
};
