// The DPI a window is drawn at, and the system's sizes at a DPI.
#pragma once
#include <windows.h>

#include "common/DpiScale.h"

namespace ui {

// The DPI of the monitor the window is on (the system's when the system cannot say).
DpiScale WindowDpi(HWND hwnd);
DpiScale SystemDpi();
// GetSystemMetrics as a window at that DPI sees it.
int SystemMetric(int index, DpiScale scale);

}  // namespace ui
