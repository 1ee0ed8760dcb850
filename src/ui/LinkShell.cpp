#include "ui/LinkShell.h"

#include <objbase.h>
#include <shellapi.h>

#include <vector>

namespace ui {

namespace {

constexpr INT_PTR kShellSuccessAbove = 32;
constexpr int kBadFormat = 11;  // what starting an invalid program reports

// Shell handlers may use COM; the thread gets it for the call unless it already has it.
class ComScope {
public:
    ComScope() : m_result(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE)) {}
    ComScope(const ComScope&) = delete;
    ComScope& operator=(const ComScope&) = delete;
    ~ComScope() {
        if (SUCCEEDED(m_result)) CoUninitialize();
    }

private:
    HRESULT m_result;
};

LinkOutcome ShellOpen(HWND owner, const std::wstring& address) {
    ComScope com;
    auto result = reinterpret_cast<INT_PTR>(ShellExecuteW(owner, L"open", address.c_str(), nullptr, nullptr, SW_SHOW));
    return {result > kShellSuccessAbove, static_cast<int>(result)};
}

std::optional<std::wstring> ReadClassesRoot(const std::wstring& key) {
    constexpr DWORD kTypes = RRF_RT_REG_SZ | RRF_RT_REG_EXPAND_SZ;
    for (int attempt = 0; attempt < 4; ++attempt) {
        DWORD bytes = 0;
        if (RegGetValueW(HKEY_CLASSES_ROOT, key.c_str(), nullptr, kTypes, nullptr, nullptr, &bytes) != ERROR_SUCCESS)
            return std::nullopt;
        std::vector<wchar_t> value(bytes / sizeof(wchar_t) + 1, L'\0');
        DWORD size = static_cast<DWORD>(value.size() * sizeof(wchar_t));
        LSTATUS status = RegGetValueW(HKEY_CLASSES_ROOT, key.c_str(), nullptr, kTypes, nullptr, value.data(), &size);
        if (status == ERROR_SUCCESS) return std::wstring(value.data());
        if (status != ERROR_MORE_DATA) return std::nullopt;  // else the value grew meanwhile: ask again
    }
    return std::nullopt;
}

LinkOutcome RunCommand(const std::wstring& commandLine) {
    std::vector<wchar_t> line(commandLine.begin(), commandLine.end());
    line.push_back(L'\0');
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOW;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
        DWORD error = GetLastError();
        return {false, error == ERROR_BAD_EXE_FORMAT ? kBadFormat : static_cast<int>(error)};
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return {true, 0};
}

bool FileExists(const std::wstring& path) {
    DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace

LinkShell MakeSystemLinkShell() {
    LinkShell shell;
    shell.shellOpen = &ShellOpen;
    shell.readClassesRoot = &ReadClassesRoot;
    shell.runCommand = &RunCommand;
    shell.fileExists = &FileExists;
    shell.messageBox = [](HWND owner, const std::wstring& text, const std::wstring& caption, UINT type) {
        return MessageBoxW(owner, text.c_str(), caption.c_str(), type);
    };
    shell.beep = [](UINT type) { MessageBeep(type); };
    return shell;
}

}  // namespace ui
