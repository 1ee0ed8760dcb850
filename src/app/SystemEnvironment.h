// The environment of the real program: everything from the system.
#pragma once
#include <windows.h>

#include <optional>
#include <string>

#include "ui/Environment.h"

// The running executable's full path, or "" when it cannot be had.
std::wstring GetProgramFile();
// The program folder of the running executable, ending with a backslash.
std::wstring GetProgramFolder();
LocalTime ReadLocalTime();
// The system's file dialog for one WAVE file, with the given title.
std::optional<std::wstring> ChooseWaveFile(HWND owner, const std::wstring& title);
// The system's font dialog: TrueType screen fonts, no effects.
std::optional<LOGFONTW> ChooseDialFont(HWND owner, const LOGFONTW& font);
// The environment of the real program: everything from the system.
ui::Environment MakeSystemEnvironment();
