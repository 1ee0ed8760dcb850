// The desktop's monitors as the windows ask for them: a list of every monitor and the
// monitor a rectangle lies on. Tests replace both with a layout of their own.
#pragma once
#include <windows.h>

#include <functional>
#include <optional>

#include "common/Monitors.h"

namespace ui {

// Every monitor, from the system (EnumDisplayMonitors); never empty: a system that lists
// none gives the screen and its work area as one primary monitor.
MonitorLayout SystemMonitorLayout();
// The monitor the rectangle lies on most (MonitorFromRect), none when it lies on none.
std::optional<MonitorArea> SystemMonitorOf(const Rect& rect);

struct Monitors {
    std::function<MonitorLayout()> layout = &SystemMonitorLayout;
    std::function<std::optional<MonitorArea>(const Rect&)> of = &SystemMonitorOf;

    // The monitor of the rectangle, or the primary one when it lies on none.
    MonitorArea OfOrPrimary(const Rect& rect) const;
};

Rect ScreenRectOf(HWND hwnd);

// Moves a window just opened for `anchor` (its owner) onto the anchor's monitor and
// wholly inside its work area (PlaceOnAnchorMonitor).
void KeepOnMonitorOf(HWND window, HWND anchor, const Monitors& monitors);

// Moves a window wholly inside the work area of the monitor it lies on most (the
// primary one when it lies on none), keeping its size.
void KeepOnItsMonitor(HWND window, const Monitors& monitors);

}  // namespace ui
