// A link shell for tests: records what the links asked of the system and answers
// as the test says, so no browser starts and no real message box waits.
#pragma once
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "WineTestSupport.h"
#include "controls/CLinkShell.h"

struct RecordedShell {
    LinkOutcome shellResult{true, 42};
    std::optional<std::wstring> htmClass;  // the ".htm" class; none: no handler registered
    std::optional<std::wstring> handler;   // its open command
    bool filesExist = true;
    std::vector<std::wstring> opened;    // addresses handed to the shell
    std::vector<std::wstring> commands;  // command lines started
    std::vector<MessageBoxCall> boxes;
    std::vector<UINT> beeps;

    ui::LinkShell Make() {
        ui::LinkShell shell;
        shell.shellOpen = [this](HWND, const std::wstring& address) {
            opened.push_back(address);
            return shellResult;
        };
        shell.readClassesRoot = [this](const std::wstring& key) { return key == L".htm" ? htmClass : handler; };
        shell.runCommand = [this](const std::wstring& command) {
            commands.push_back(command);
            return LinkOutcome{true, 0};
        };
        shell.fileExists = [this](const std::wstring&) { return filesExist; };
        shell.messageBox = RecordMessageBoxes(boxes);
        shell.beep = [this](UINT type) { beeps.push_back(type); };
        return shell;
    }
};
