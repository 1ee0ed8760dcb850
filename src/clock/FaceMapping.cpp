#include "clock/FaceMapping.h"

#include <cstdlib>

namespace {

// floor(numerator / denominator) for a positive denominator.
long long FloorDivide(long long numerator, long long denominator) {
    const long long quotient = numerator / denominator;
    return (numerator % denominator != 0 && numerator < 0) ? quotient - 1 : quotient;
}

// floor(value x scale / unit + 1/2): nearest, halves up. unit > 0.
long long ScaleRounded(long long value, long long scale, long long unit) {
    return FloorDivide(2 * value * scale + unit, 2 * unit);
}

int Sign(int value) { return (value > 0) - (value < 0); }

}  // namespace

IsotropicMapping BitmapLayerMapping() {
    const Size window{kClockWindowWidth, kClockWindowHeight};
    return {window, window, {0, 0}};
}

IsotropicMapping ClockMapping(int clientWidth, int clientHeight, int centreHeight) {
    return {{kClockUnitsAcross, kClockUnitsAcross}, {clientWidth, -clientHeight}, {clientWidth / 2, centreHeight}};
}

Point LogicalToClient(const IsotropicMapping& mapping, Point logical) {
    const long long windowX = std::llabs(mapping.windowExtent.width);
    const long long windowY = std::llabs(mapping.windowExtent.height);
    const long long viewportX = std::llabs(mapping.viewportExtent.width);
    const long long viewportY = std::llabs(mapping.viewportExtent.height);
    if (windowX == 0 || windowY == 0 || viewportX == 0 || viewportY == 0) {
        return mapping.viewportOrigin;
    }

    // The common scale is scale / unit: the smaller of viewportX / windowX and
    // viewportY / windowY.
    const bool xIsSmaller = viewportX * windowY <= viewportY * windowX;
    const long long scale = xIsSmaller ? viewportX : viewportY;
    const long long unit = xIsSmaller ? windowX : windowY;

    const int signX = Sign(mapping.viewportExtent.width) * Sign(mapping.windowExtent.width);
    const int signY = Sign(mapping.viewportExtent.height) * Sign(mapping.windowExtent.height);
    const long long x = mapping.viewportOrigin.x + ScaleRounded(static_cast<long long>(signX) * logical.x, scale, unit);
    const long long y = mapping.viewportOrigin.y + ScaleRounded(static_cast<long long>(signY) * logical.y, scale, unit);
    return {static_cast<int>(x), static_cast<int>(y)};
}
