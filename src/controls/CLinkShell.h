// Opening a link's address, and the manual beside the program, through the system's
// shell as the environment gives it.
#pragma once
#include <windows.h>

#include <string>

#include "ui/LinkShell.h"

// Opens the address (the shell, then the ".htm" handler). On failure it beeps and shows
// "Can't open link:" with the reason in a box owned by `owner`. True when opened.
bool OpenLinkAddress(HWND owner, const std::wstring& address, const ui::LinkShell& shell);

// Opens the manual in `programFolder`. A missing manual is reported in a message box
// naming the file; a manual that cannot be opened gets the link's error box. True when opened.
bool OpenManual(HWND owner, const std::wstring& programFolder, const ui::LinkShell& shell);
