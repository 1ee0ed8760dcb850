#include "ui/Dpi.h"

namespace ui {

DpiScale WindowDpi(HWND hwnd) {
    UINT dpi = hwnd ? GetDpiForWindow(hwnd) : 0;
    return dpi ? DpiScale{static_cast<int>(dpi)} : SystemDpi();
}

DpiScale SystemDpi() {
    UINT dpi = GetDpiForSystem();
    return DpiScale{dpi ? static_cast<int>(dpi) : kDesignDpi};
}

int SystemMetric(int index, DpiScale scale) {
    int value = GetSystemMetricsForDpi(index, static_cast<UINT>(scale.dpi));
    return value ? value : GetSystemMetrics(index);
}

}  // namespace ui
