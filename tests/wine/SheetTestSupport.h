// Driving property sheets and dialogs by messages from inside their modal loops.
#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

class RunningClock;

HWND CurrentPage(HWND sheet);
void ShowPage(HWND sheet, UINT templateId);
// Posted for a button that opens a modal window: the next step runs inside it.
void Click(HWND window, int id, bool post = false);
// As typed over the whole text: a multi-line box tells its parent of WM_SETTEXT no change.
void Type(HWND window, int id, const wchar_t* text);
std::wstring Text(HWND window, int id);
bool Enabled(HWND window, int id);
bool Shown(HWND window, int id);
RECT RectIn(HWND parent, HWND child);

// Opens the options sheet of a running clock (command 107) and runs the steps inside
// it; `sheet` is set before the first step. Returns how many steps ran.
size_t RunOptions(const RunningClock& clock, HWND& sheet, std::vector<std::function<void()>> steps);
