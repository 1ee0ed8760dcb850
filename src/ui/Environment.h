// What the top-level windows take from the world: the program folder, the
// local time, the random seed and the few system calls tests need to replace.
#pragma once
#include <windows.h>
#include <shellapi.h>

#include <functional>
#include <optional>
#include <string>

#include "common/LocalTime.h"
#include "ui/Files.h"
#include "ui/LinkShell.h"
#include "ui/Monitors.h"
#include "ui/Registry.h"

namespace ui {

struct Environment {
    std::wstring programFolder;  // ends with a backslash; data lives in programFolder + L"dat\\"
    std::wstring profilePath;    // pokomi.ini beside the program
    std::function<LocalTime()> now;
    std::optional<unsigned> randomSeed;  // none: seeded with the current time in seconds

    std::function<BOOL(DWORD, NOTIFYICONDATAW*)> notifyIcon;
    std::function<int(HWND, const std::wstring&, const std::wstring&, UINT)> messageBox;
    std::function<UINT_PTR(HWND, UINT_PTR, UINT)> setTimer;
    std::function<bool()> leftButtonDown;
    std::function<BOOL(HMENU, UINT, int, int, HWND)> trackPopupMenu;
    std::function<HWND()> findTaskbar;
    ui::ReadRetry fileRetry;  // a data file busy at start is read again after each pause
    // The file dialog for a WAVE sound: the path chosen, or none when cancelled.
    std::function<std::optional<std::wstring>(HWND owner, const std::wstring& title)> openWaveFile;
    // The font dialog for the dial's numerals, starting on `font`: the font chosen, or none when cancelled.
    std::function<std::optional<LOGFONTW>(HWND owner, const LOGFONTW& font)> chooseFont;
    LinkShell linkShell;  // where the about box's links and the manual open
    Monitors monitors;    // the system's, unless a test lays out monitors of its own
    // Where "start with Windows" is kept: the current user's Run key, whose entry names
    // `programFile`. No key: the choice is not offered (a test gives a key of its own).
    RegistryKey runKey;
    std::wstring programFile;
    bool endsMessageLoop = true;  // closing the main window ends the program
};

}  // namespace ui
