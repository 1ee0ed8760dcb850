#include "clock/FaceGeometry.h"

#include <climits>
#include <cmath>

namespace {

Point HandTip(int length, int angleDegrees) {
    const double theta = angleDegrees * kRadiansPerDegree;
    // Conversion to int truncates toward zero.
    return {static_cast<int>(length * std::sin(theta)), static_cast<int>(length * std::cos(theta))};
}

// -tip / divisor, truncated toward zero.
Point HandBack(Point tip, int divisor) {
    if (divisor == 0) {
        return {0, 0};
    }
    return {-tip.x / divisor, -tip.y / divisor};
}

}  // namespace

HandPoints ComputeHandPoints(HandShape hand, int angleDegrees) {
    const Point tip = HandTip(hand.length, angleDegrees);
    const Point back = HandBack(tip, hand.divisor);
    const int a = back.x;
    const int b = back.y;
    return {tip, {-b, a}, back, {b, -a}};
}

SecondHandPoints ComputeSecondHandPoints(HandShape hand, int angleDegrees) {
    const Point tip = HandTip(hand.length, angleDegrees);
    return {tip, HandBack(tip, hand.divisor)};
}

HandAngles HandAnglesFor(int hour, int minute, int second) {
    const int hour12 = ((hour % 12) + 12) % 12;
    return {hour12 * 30 + minute / 2, minute * 6, second * 6};
}

Point PaleCopyPoint(Point anchor) { return {anchor.x + kPaleCopyOffset.x, anchor.y + kPaleCopyOffset.y}; }

int MulDivRounded(int number, int numerator, int denominator) {
    if (denominator == 0) {
        return -1;
    }
    long long product = static_cast<long long>(number) * numerator;
    long long divisor = denominator;
    if (divisor < 0) {
        product = -product;
        divisor = -divisor;
    }
    const long long half = divisor / 2;
    const long long quotient = product >= 0 ? (product + half) / divisor : (product - half) / divisor;
    if (quotient > INT_MAX || quotient < INT_MIN) {
        return -1;
    }
    return static_cast<int>(quotient);
}

int NumeralFontHeight(int lfHeight, int dpi) {
    const long long heightTimesFour = 4LL * lfHeight;
    if (heightTimesFour > INT_MAX || heightTimesFour < INT_MIN) {
        return -1;
    }
    return MulDivRounded(static_cast<int>(heightTimesFour), dpi, 72);
}
