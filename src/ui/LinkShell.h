// Opening an address for a link: the shell, the registry and the error box, each
// replaceable so that tests never start a browser or wait in a real message box.
#pragma once
#include <windows.h>

#include <functional>
#include <optional>
#include <string>

#include "common/LinkOutcome.h"

namespace ui {

struct LinkShell {
    std::function<LinkOutcome(HWND owner, const std::wstring& address)> shellOpen;
    std::function<std::optional<std::wstring>(const std::wstring& key)> readClassesRoot;
    std::function<LinkOutcome(const std::wstring& commandLine)> runCommand;
    std::function<bool(const std::wstring& path)> fileExists;
    std::function<int(HWND owner, const std::wstring& text, const std::wstring& caption, UINT type)> messageBox;
    std::function<void(UINT type)> beep;
};

// The real system: ShellExecute, HKEY_CLASSES_ROOT, CreateProcess, MessageBox, MessageBeep.
LinkShell MakeSystemLinkShell();

}  // namespace ui
