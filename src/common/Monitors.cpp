#include "common/Monitors.h"

#include <algorithm>
#include <ostream>

namespace {

// The pixels two rectangles share, 0 when they do not meet. In 64 bits: a far
// rectangle must not overflow.
long long SharedPixels(const Rect& a, const Rect& b) {
    const long long width = static_cast<long long>(std::min(a.right, b.right)) - std::max(a.left, b.left);
    const long long height = static_cast<long long>(std::min(a.bottom, b.bottom)) - std::max(a.top, b.top);
    return width > 0 && height > 0 ? width * height : 0;
}

// The start of a span of `length` moved the least to lie inside [low, high).
int KeepSpanInside(int start, int length, int low, int high) {
    if (start + length > high) start = high - length;
    return std::max(start, low);
}

}  // namespace

std::optional<MonitorArea> MonitorOfRect(const MonitorLayout& monitors, const Rect& rect) {
    std::optional<MonitorArea> best;
    long long bestShared = 0;
    for (const MonitorArea& monitor : monitors) {
        const long long shared = SharedPixels(monitor.bounds, rect);
        if (shared > bestShared) {
            best = monitor;
            bestShared = shared;
        }
    }
    return best;
}

MonitorArea PrimaryMonitor(const MonitorLayout& monitors) {
    auto primary = std::find_if(monitors.begin(), monitors.end(), [](const MonitorArea& m) { return m.primary; });
    if (primary != monitors.end()) return *primary;
    return monitors.empty() ? MonitorArea{} : monitors.front();
}

bool LiesOnSomeMonitor(const MonitorLayout& monitors, const Rect& rect) {
    return monitors.empty() || MonitorOfRect(monitors, rect).has_value();
}

Point KeepInside(const Rect& rect, const Rect& area) {
    return {KeepSpanInside(rect.left, rect.Width(), area.left, area.right),
            KeepSpanInside(rect.top, rect.Height(), area.top, area.bottom)};
}

Point PlaceOnAnchorMonitor(const Rect& window, const Rect& anchor, const std::optional<MonitorArea>& windowMonitor,
                           const MonitorArea& anchorMonitor) {
    Point topLeft = window.TopLeft();
    if (!windowMonitor || windowMonitor->bounds != anchorMonitor.bounds) {
        topLeft = {anchor.left + (anchor.Width() - window.Width()) / 2,
                   anchor.top + (anchor.Height() - window.Height()) / 2};
    }
    return KeepInside(MovedTo(window, topLeft), anchorMonitor.workArea);
}

std::ostream& operator<<(std::ostream& out, const MonitorArea& monitor) {
    return out << monitor.bounds << " work " << monitor.workArea << (monitor.primary ? " primary" : "");
}
