#include "ui/Monitors.h"

namespace ui {

namespace {

Rect FromRECT(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }

std::optional<MonitorArea> AreaOf(HMONITOR monitor) {
    MONITORINFO info{};
    info.cbSize = sizeof(info);
    if (!monitor || !GetMonitorInfoW(monitor, &info)) return std::nullopt;
    return MonitorArea{FromRECT(info.rcMonitor), FromRECT(info.rcWork), (info.dwFlags & MONITORINFOF_PRIMARY) != 0};
}

BOOL CALLBACK AddMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM data) {
    if (std::optional<MonitorArea> area = AreaOf(monitor)) reinterpret_cast<MonitorLayout*>(data)->push_back(*area);
    return TRUE;
}

void MoveTo(HWND window, Point topLeft) {
    SetWindowPos(window, nullptr, topLeft.x, topLeft.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

MonitorLayout SystemMonitorLayout() {
    MonitorLayout monitors;
    EnumDisplayMonitors(nullptr, nullptr, &AddMonitor, reinterpret_cast<LPARAM>(&monitors));
    if (!monitors.empty()) return monitors;
    RECT work{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    Rect screen = FromRECT(work);
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    return {{screen, FromRECT(work), true}};
}

std::optional<MonitorArea> SystemMonitorOf(const Rect& rect) {
    RECT r{rect.left, rect.top, rect.right, rect.bottom};
    return AreaOf(MonitorFromRect(&r, MONITOR_DEFAULTTONULL));
}

MonitorArea Monitors::OfOrPrimary(const Rect& rect) const {
    if (std::optional<MonitorArea> monitor = of(rect)) return *monitor;
    return PrimaryMonitor(layout());
}

Rect ScreenRectOf(HWND hwnd) {
    RECT r{};
    GetWindowRect(hwnd, &r);
    return FromRECT(r);
}

void KeepOnMonitorOf(HWND window, HWND anchor, const Monitors& monitors) {
    const Rect placed = ScreenRectOf(window);
    const Rect owner = anchor ? ScreenRectOf(anchor) : placed;
    const Point topLeft = PlaceOnAnchorMonitor(placed, owner, monitors.of(placed), monitors.OfOrPrimary(owner));
    if (topLeft != placed.TopLeft()) MoveTo(window, topLeft);
}

void KeepOnItsMonitor(HWND window, const Monitors& monitors) {
    const Rect placed = ScreenRectOf(window);
    const Point topLeft = KeepInside(placed, monitors.OfOrPrimary(placed).workArea);
    if (topLeft != placed.TopLeft()) MoveTo(window, topLeft);
}

}  // namespace ui
