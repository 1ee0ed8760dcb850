#include "app/SingleClock.h"

#include <vector>

#include "content/FolderKey.h"

namespace {

constexpr wchar_t kMainWindowClass[] = L"PokomiTrayWindow";
constexpr int kStartingClockTries = 50;  // a clock still starting has 5 s to make its window
constexpr DWORD kClosingClockWait = 10000;

std::wstring FullLongPath(const std::wstring& path) {
    std::vector<wchar_t> full(MAX_PATH);
    DWORD length = GetFullPathNameW(path.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
    if (length >= full.size()) {
        full.resize(length + 1);
        length = GetFullPathNameW(path.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
    }
    std::wstring result = length ? std::wstring(full.data(), length) : path;
    // Short (8.3) names spelt out, so that both spellings of a folder give one key.
    DWORD longLength = GetLongPathNameW(result.c_str(), nullptr, 0);
    if (longLength == 0) return result;
    std::vector<wchar_t> longPath(longLength);
    longLength = GetLongPathNameW(result.c_str(), longPath.data(), longLength);
    return longLength ? std::wstring(longPath.data(), longLength) : result;
}

std::wstring UpperInvariant(const std::wstring& text) {
    if (text.empty()) return text;
    int length = LCMapStringEx(LOCALE_NAME_INVARIANT, LCMAP_UPPERCASE, text.c_str(), static_cast<int>(text.size()),
                               nullptr, 0, nullptr, nullptr, 0);
    if (length <= 0) return text;
    std::wstring upper(static_cast<size_t>(length), L'\0');
    LCMapStringEx(LOCALE_NAME_INVARIANT, LCMAP_UPPERCASE, text.c_str(), static_cast<int>(text.size()), upper.data(),
                  length, nullptr, nullptr, 0);
    return upper;
}

struct Search {
    UINT message;
    std::uint64_t key;
    LRESULT answer = 0;
};

BOOL CALLBACK AskWindow(HWND hwnd, LPARAM lParam) {
    auto& search = *reinterpret_cast<Search*>(lParam);
    wchar_t className[64] = {};
    if (!GetClassNameW(hwnd, className, 64) || lstrcmpW(className, kMainWindowClass) != 0) return TRUE;
    DWORD_PTR answer = 0;
    if (!SendMessageTimeoutW(hwnd, search.message, static_cast<WPARAM>(search.key), 0, SMTO_ABORTIFHUNG, 2000, &answer))
        return TRUE;
    search.answer = static_cast<LRESULT>(answer);
    return answer == 0;  // the clock of this folder answered: the search ends
}

}  // namespace

std::uint64_t ProgramFolderKey(const std::wstring& folder) {
    return FolderKey(UpperInvariant(ComparablePath(FullLongPath(folder))));
}

UINT ShowClockMessage() {
    static const UINT message = RegisterWindowMessageW(L"pokomi.ShowClock");
    return message;
}

SingleClock::SingleClock(const std::wstring& programFolder) : m_key(ProgramFolderKey(programFolder)) {}

SingleClock::~SingleClock() {
    if (!m_mutex) return;
    if (m_owned) ReleaseMutex(m_mutex);
    CloseHandle(m_mutex);
}

bool SingleClock::TakeOver() {
    m_mutex = CreateMutexW(nullptr, TRUE, FolderInstanceName(m_key).c_str());
    if (!m_mutex) return true;
    m_owned = GetLastError() != ERROR_ALREADY_EXISTS;
    if (m_owned) return true;
    AllowSetForegroundWindow(ASFW_ANY);  // the running clock may take the foreground this start was given
    if (AskRunningClock() != kClockClosing) return false;
    // The running clock is ending: this start becomes the folder's clock once it has.
    DWORD waited = WaitForSingleObject(m_mutex, kClosingClockWait);
    m_owned = waited == WAIT_OBJECT_0 || waited == WAIT_ABANDONED;
    return m_owned;
}

LRESULT SingleClock::AskRunningClock() const {
    for (int attempt = 0; attempt < kStartingClockTries; ++attempt) {
        Search search{ShowClockMessage(), m_key};
        EnumWindows(&AskWindow, reinterpret_cast<LPARAM>(&search));
        if (search.answer != 0) return search.answer;
        Sleep(100);
    }
    return 0;
}
