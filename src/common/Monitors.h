// The desktop's monitors as plain values, and what every window asks of them: which
// monitor a rectangle is on, and where a window goes to lie wholly on one.
#pragma once

#include <optional>
#include <vector>

#include "common/Geometry.h"

struct MonitorArea {
    Rect bounds;    // the whole monitor, screen pixels; the primary one starts at (0, 0)
    Rect workArea;  // the part the taskbar and docked bars leave free
    bool primary = false;
    friend bool operator==(const MonitorArea&, const MonitorArea&) = default;
};

using MonitorLayout = std::vector<MonitorArea>;

// The monitor the rectangle shares the most pixels with (the first of equals); none
// when it shares no pixel with any monitor.
std::optional<MonitorArea> MonitorOfRect(const MonitorLayout& monitors, const Rect& rect);

// The primary monitor; the first one when none says so. An empty layout gives an empty area.
MonitorArea PrimaryMonitor(const MonitorLayout& monitors);

// Whether any pixel of the rectangle shows on a monitor. With no monitors known nothing
// can be said, and the answer is yes.
bool LiesOnSomeMonitor(const MonitorLayout& monitors, const Rect& rect);

// The top-left that moves `rect` the least to lie wholly inside `area`. Where it is
// wider or taller than the area its left or top edge stays on the area's.
Point KeepInside(const Rect& rect, const Rect& area);

// Where a window opened over `anchor` (its owner) goes: where it is, when that is on
// the anchor's monitor; otherwise centred over the anchor. Then wholly inside that
// monitor's work area. `windowMonitor` is the monitor the window is on now, if any.
Point PlaceOnAnchorMonitor(const Rect& window, const Rect& anchor, const std::optional<MonitorArea>& windowMonitor,
                           const MonitorArea& anchorMonitor);

std::ostream& operator<<(std::ostream& out, const MonitorArea& monitor);
