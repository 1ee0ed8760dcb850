// The manual (manual.html beside the program), opened in the user's browser on F1.
#pragma once
#include <windows.h>

#include <string>

#include "controls/CLinkShell.h"

// Opens the manual in `programFolder`. A missing manual is reported in a message box
// naming the file; a manual that cannot be opened gets the link's error box. True when opened.
bool OpenManual(HWND owner, const std::wstring& programFolder);
bool OpenManual(HWND owner, const std::wstring& programFolder, const LinkShell& shell);
