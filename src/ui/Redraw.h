// Repainting a window at once, erasing first: what a changed face or control needs.
#pragma once
#include <windows.h>

namespace ui {

inline void RedrawNow(HWND hwnd) { RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW); }

}  // namespace ui
