// Repainting a window at once, erasing first unless the paint covers every pixel:
// what a changed face or control needs.
#pragma once
#include <windows.h>

namespace ui {

inline void RedrawNow(HWND hwnd, bool erase = true) {
    RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | (erase ? RDW_ERASE : 0));
}

}  // namespace ui
