#include "clock/ScreenPlacement.h"

#include <algorithm>
#include <climits>

#include "content/ClockSettings.h"

namespace {

// start + length, held at the end of the int range: a window that far out is off every
// monitor all the same.
int EndOf(int start, int length) {
    return static_cast<int>(std::min<long long>(static_cast<long long>(start) + length, INT_MAX));
}

}  // namespace

Point PrimaryDefaultTopLeft(const MonitorLayout& monitors) {
    const Rect work = PrimaryMonitor(monitors).workArea;
    const WindowPosition position = DefaultWindowPosition(work.Width(), work.Height());
    return {position.x, position.y};
}

Point OnScreenTopLeft(Point wanted, Size size, const MonitorLayout& monitors) {
    const Rect window{wanted.x, wanted.y, EndOf(wanted.x, size.width), EndOf(wanted.y, size.height)};
    return LiesOnSomeMonitor(monitors, window) ? wanted : PrimaryDefaultTopLeft(monitors);
}
