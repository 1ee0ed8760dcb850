#include "clock/FaceGeometry.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstdlib>
#include <string>

namespace {

// ---- Hands -------------------------------------------------------------------------------

TEST(FaceGeometryHands, KitePointsTruncateTowardZero) {
    using Part = Point HandPoints::*;
    const Part tip = &HandPoints::tip, right = &HandPoints::right, back = &HandPoints::back, left = &HandPoints::left;
    const int quarterPast = HandAnglesFor(0, 15, 0).minute;
    const struct Case {
        HandShape hand;
        int angle;
        Part part;
        Point expected;
    } cases[] = {// The hour hand at twelve is a kite on the vertical axis; at three, six and nine it
                 // falls one unit short. The right point is the clockwise side.
                 {kHourHand, 0, tip, {0, 320}},
                 {kHourHand, 0, right, {40, 0}},
                 {kHourHand, 0, back, {0, -40}},
                 {kHourHand, 0, left, {-40, 0}},
                 {kHourHand, 90, tip, {319, 0}},
                 {kHourHand, 90, right, {0, -39}},
                 {kHourHand, 90, back, {-39, 0}},
                 {kHourHand, 90, left, {0, 39}},
                 {kHourHand, 180, tip, {0, -319}},
                 {kHourHand, 180, right, {-39, 0}},
                 {kHourHand, 180, back, {0, 39}},
                 {kHourHand, 270, tip, {-319, 0}},
                 {kHourHand, 270, right, {0, 39}},
                 {kMinuteHand, quarterPast, tip, {439, 0}},
                 {kMinuteHand, quarterPast, right, {0, -36}},
                 {kMinuteHand, quarterPast, left, {0, 36}},
                 // 440 x sin(45 deg) = 311.13 in each quadrant, with the sign of the quadrant.
                 {kMinuteHand, 45, tip, {311, 311}},
                 {kMinuteHand, 135, tip, {311, -311}},
                 {kMinuteHand, 225, tip, {-311, -311}},
                 {kMinuteHand, 315, tip, {-311, 311}},
                 // -311 / 12 = -25.9 is cut to -25, not floored to -26.
                 {kMinuteHand, 45, back, {-25, -25}},
                 // A zero divisor collapses the kite instead of dividing.
                 {{100, 0}, 30, back, {0, 0}},
                 {{100, 0}, 30, right, {0, 0}},
                 {{100, 0}, 30, left, {0, 0}}};
    for (const Case& c : cases)
        EXPECT_EQ(ComputeHandPoints(c.hand, c.angle).*c.part, c.expected) << c.hand.length << " at " << c.angle;
    EXPECT_EQ(ComputeSecondHandPoints({100, 0}, 30).back, (Point{0, 0}));
}

TEST(FaceGeometryHands, SecondHandAtFifteenSeconds) {
    const SecondHandPoints hand = ComputeSecondHandPoints(kSecondHand, HandAnglesFor(0, 0, 15).second);
    EXPECT_EQ(hand.tip, (Point{449, 0}));
    EXPECT_EQ(hand.back, (Point{-56, 0}));
}

TEST(FaceGeometryHands, EveryAngleGivesAKiteOfTheHandsLength) {
    for (const HandShape hand : {kHourHand, kMinuteHand}) {
        for (int angle = 0; angle < 360; ++angle) {
            SCOPED_TRACE(angle);
            const HandPoints points = ComputeHandPoints(hand, angle);
            const double reach = std::hypot(points.tip.x, points.tip.y);
            EXPECT_LE(reach, hand.length);
            EXPECT_GT(reach, hand.length - 2);
            EXPECT_EQ(points.right, (Point{-points.left.x, -points.left.y}));
            EXPECT_EQ(points.back, (Point{-points.tip.x / hand.divisor, -points.tip.y / hand.divisor}));
            // The right point lies clockwise of the tip: the cross product tip x right < 0.
            const long long cross = static_cast<long long>(points.tip.x) * points.right.y -
                                    static_cast<long long>(points.tip.y) * points.right.x;
            EXPECT_LT(cross, 0);
        }
    }
}

TEST(FaceGeometryHands, SecondHandMatchesTheKitesTipAndBack) {
    for (int second = 0; second < 60; ++second) {
        const int angle = HandAnglesFor(0, 0, second).second;
        const SecondHandPoints line = ComputeSecondHandPoints(kSecondHand, angle);
        const HandPoints kite = ComputeHandPoints(kSecondHand, angle);
        EXPECT_EQ(line.tip, kite.tip) << second;
        EXPECT_EQ(line.back, kite.back) << second;
    }
}

TEST(FaceGeometryHandAngles, HalfPastTwelveTwelveAndZeroAndTheLastMinuteOfTheDial) {
    using Part = int HandAngles::*;
    const struct Case {
        int hour, minute, second;
        Part part;
        int expected;
    } cases[] = {{0, 30, 0, &HandAngles::hour, 15},      {0, 31, 0, &HandAngles::hour, 15},
                 {0, 32, 0, &HandAngles::hour, 16},      {12, 0, 0, &HandAngles::hour, 0},
                 {0, 0, 0, &HandAngles::hour, 0},        {11, 59, 59, &HandAngles::hour, 359},
                 {11, 59, 59, &HandAngles::minute, 354}, {11, 59, 59, &HandAngles::second, 354}};
    for (const Case& c : cases)
        EXPECT_EQ(HandAnglesFor(c.hour, c.minute, c.second).*c.part, c.expected)
            << c.hour << ":" << c.minute << ":" << c.second;
    EXPECT_EQ(HandAnglesFor(12, 59, 0).hour, HandAnglesFor(0, 59, 0).hour);
}

// ---- Roman numerals ----------------------------------------------------------------------

std::wstring RomanNumeral(int value) {
    static const struct {
        int value;
        const wchar_t* text;
    } kParts[] = {{10, L"X"}, {9, L"IX"}, {5, L"V"}, {4, L"IV"}, {1, L"I"}};
    std::wstring text;
    for (const auto& part : kParts)
        for (; value >= part.value; value -= part.value) text += part.text;
    return text;
}

TEST(FaceGeometryNumerals, TwelveNumeralsClockwiseFromTwelve) {
    for (std::size_t i = 0; i < kRomanNumerals.size(); ++i) {
        SCOPED_TRACE(i);
        const NumeralEntry& entry = kRomanNumerals[i];
        EXPECT_EQ(entry.escapement, static_cast<int>(i) * 300);
        EXPECT_EQ(std::wstring(entry.text), RomanNumeral(i == 0 ? 12 : static_cast<int>(i)));
    }
}

TEST(FaceGeometryNumerals, AnchorsLieOnTheCircleOfRadius450) {
    const double pi = std::acos(-1.0);
    for (const NumeralEntry& entry : kRomanNumerals) {
        SCOPED_TRACE(entry.escapement);
        const double radians = entry.escapement / 10.0 * pi / 180.0;
        EXPECT_EQ(entry.anchor.x, std::lround(450 * std::sin(radians)));
        EXPECT_EQ(entry.anchor.y, std::lround(450 * std::cos(radians)));
    }
}

TEST(FaceGeometryNumerals, PaleCopyLiesRightAndBelow) {
    EXPECT_EQ(PaleCopyPoint({0, 450}), (Point{6, 444}));
    EXPECT_EQ(PaleCopyPoint({-225, -390}), (Point{-219, -396}));
}

TEST(FaceGeometryNumerals, FontHeightScalesWithTheDpiAndTooLargeGivesMinusOne) {
    const struct {
        int height, dpi, expected;
    } cases[] = {{20, 96, 107} /* 106.67 */,
                 {-20, 96, -107} /* a character height from a font dialog */,
                 {0, 96, 0},
                 {20, 144, 160},
                 {INT_MAX / 2, 96, -1},
                 {INT_MIN / 2, 96, -1}};
    for (const auto& c : cases) EXPECT_EQ(NumeralFontHeight(c.height, c.dpi), c.expected) << c.height << " " << c.dpi;
}

TEST(FaceGeometryMulDiv, RoundsHalvesAwayFromZeroWithAWideIntermediateAndFails) {
    const struct {
        int a, b, c, expected;
    } cases[] = {{1, 1, 2, 1},
                 {-1, 1, 2, -1},
                 {1, -1, 2, -1},
                 {-1, -1, 2, 1},
                 {3, 1, -2, -2},
                 {-3, 1, -2, 2},
                 {5, 1, 3, 2},    // 1.67
                 {4, 1, 3, 1},    // 1.33
                 {-5, 1, 3, -2},  // -1.67
                 {-4, 1, 3, -1},  // -1.33
                 {0, -7, 3, 0},
                 {INT_MAX, INT_MAX, INT_MAX, INT_MAX},
                 {INT_MIN, 2, 2, INT_MIN},
                 {1 << 20, 1 << 20, 1 << 10, 1 << 30},
                 {INT_MAX, 2, 1, -1},  // failures
                 {INT_MIN, 2, 1, -1},
                 {5, 5, 0, -1}};
    for (const auto& c : cases) EXPECT_EQ(MulDivRounded(c.a, c.b, c.c), c.expected) << c.a << " " << c.b << " " << c.c;
}

// ---- Window shape ------------------------------------------------------------------------

// Elliptic regions cover the pixels whose centres lie inside the ellipse inscribed in the
// box shortened by one pixel at the right and bottom.
bool Covers(const RegionPiece& piece, int x, int y) {
    const Rect& r = piece.bounds;
    if (piece.shape == RegionShape::Rectangle) return x >= r.left && x < r.right && y >= r.top && y < r.bottom;
    const double rx = (r.right - 1 - r.left) / 2.0;
    const double ry = (r.bottom - 1 - r.top) / 2.0;
    const double dx = (x + 0.5 - (r.left + rx)) / rx;
    const double dy = (y + 0.5 - (r.top + ry)) / ry;
    return dx * dx + dy * dy <= 1.0;
}

bool RegionCovers(int x, int y) {
    for (const RegionPiece& piece : kWindowRegionPieces)
        if (Covers(piece, x, y)) return true;
    return false;
}

TEST(FaceGeometryRegion, CornerPixelsAreCutAndEdgeMiddlesKept) {
    const struct {
        int x, y;
        bool covered;
    } cases[] = {{0, 0, false}, {164, 0, false}, {0, 421, false}, {164, 421, false},
                 {82, 0, true}, {82, 421, true}, {0, 211, true},  {164, 211, true}};
    for (const auto& c : cases) EXPECT_EQ(RegionCovers(c.x, c.y), c.covered) << c.x << ", " << c.y;
}

TEST(FaceGeometryRegion, OnlyTheFourCornersAreCut) {
    int cut = 0;
    for (int y = 0; y < kClockWindowHeight; ++y) {
        for (int x = 0; x < kClockWindowWidth; ++x) {
            if (RegionCovers(x, y)) continue;
            ++cut;
            const bool nearVerticalEdge = x < 9 || x >= kClockWindowWidth - 9;
            const bool nearHorizontalEdge = y < 9 || y >= kClockWindowHeight - 9;
            EXPECT_TRUE(nearVerticalEdge && nearHorizontalEdge) << x << ", " << y;
        }
    }
    EXPECT_GT(cut, 4);
}

TEST(FaceGeometryRegion, LeftAndRightCornersMirrorEachOther) {
    for (int y = 0; y < kClockWindowHeight; ++y) {
        for (int x = 0; x < kClockWindowWidth; ++x) {
            ASSERT_EQ(RegionCovers(x, y), RegionCovers(kClockWindowWidth - 1 - x, y)) << x << ", " << y;
        }
    }
}

}  // namespace