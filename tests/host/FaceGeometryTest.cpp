#include "clock/FaceGeometry.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstdlib>
#include <string>

namespace {

// ---- Hands -------------------------------------------------------------------------------

TEST(FaceGeometryHands, HourHandAtTwelveIsAKiteOnTheVerticalAxis) {
    const HandPoints hand = ComputeHandPoints(kHourHand, 0);
    EXPECT_EQ(hand.tip, (Point{0, 320}));
    EXPECT_EQ(hand.right, (Point{40, 0}));
    EXPECT_EQ(hand.back, (Point{0, -40}));
    EXPECT_EQ(hand.left, (Point{-40, 0}));
}

TEST(FaceGeometryHands, HourHandAtThreeFallsOneUnitShort) {
    const HandPoints hand = ComputeHandPoints(kHourHand, 90);
    EXPECT_EQ(hand.tip, (Point{319, 0}));
    EXPECT_EQ(hand.right, (Point{0, -39}));
    EXPECT_EQ(hand.back, (Point{-39, 0}));
    EXPECT_EQ(hand.left, (Point{0, 39}));
}

TEST(FaceGeometryHands, HourHandAtSixAndNineFallOneUnitShort) {
    const HandPoints six = ComputeHandPoints(kHourHand, 180);
    EXPECT_EQ(six.tip, (Point{0, -319}));
    EXPECT_EQ(six.right, (Point{-39, 0}));  // clockwise side of a hand pointing down
    EXPECT_EQ(six.back, (Point{0, 39}));

    const HandPoints nine = ComputeHandPoints(kHourHand, 270);
    EXPECT_EQ(nine.tip, (Point{-319, 0}));
    EXPECT_EQ(nine.right, (Point{0, 39}));
}

TEST(FaceGeometryHands, MinuteHandAtFifteenMinutes) {
    const HandPoints hand = ComputeHandPoints(kMinuteHand, HandAnglesFor(0, 15, 0).minute);
    EXPECT_EQ(hand.tip, (Point{439, 0}));
    EXPECT_EQ(hand.right, (Point{0, -36}));
    EXPECT_EQ(hand.left, (Point{0, 36}));
}

TEST(FaceGeometryHands, SecondHandAtFifteenSeconds) {
    const SecondHandPoints hand = ComputeSecondHandPoints(kSecondHand, HandAnglesFor(0, 0, 15).second);
    EXPECT_EQ(hand.tip, (Point{449, 0}));
    EXPECT_EQ(hand.back, (Point{-56, 0}));
}

TEST(FaceGeometryHands, TruncationGoesTowardZeroInEveryQuadrant) {
    // 440 x sin(45 deg) = 311.13 in each quadrant, with the sign of the quadrant.
    EXPECT_EQ(ComputeHandPoints(kMinuteHand, 45).tip, (Point{311, 311}));
    EXPECT_EQ(ComputeHandPoints(kMinuteHand, 135).tip, (Point{311, -311}));
    EXPECT_EQ(ComputeHandPoints(kMinuteHand, 225).tip, (Point{-311, -311}));
    EXPECT_EQ(ComputeHandPoints(kMinuteHand, 315).tip, (Point{-311, 311}));
    // -311 / 12 = -25.9 is cut to -25, not floored to -26.
    EXPECT_EQ(ComputeHandPoints(kMinuteHand, 45).back, (Point{-25, -25}));
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

TEST(FaceGeometryHands, ZeroDivisorCollapsesTheKiteInsteadOfDividing) {
    const HandPoints hand = ComputeHandPoints({100, 0}, 30);
    EXPECT_EQ(hand.back, (Point{0, 0}));
    EXPECT_EQ(hand.right, (Point{0, 0}));
    EXPECT_EQ(hand.left, (Point{0, 0}));
    EXPECT_EQ(ComputeSecondHandPoints({100, 0}, 30).back, (Point{0, 0}));
}

TEST(FaceGeometryHandAngles, HalfPastTwelveAndOneMinuteLater) {
    EXPECT_EQ(HandAnglesFor(0, 30, 0).hour, 15);
    EXPECT_EQ(HandAnglesFor(0, 31, 0).hour, 15);
    EXPECT_EQ(HandAnglesFor(0, 32, 0).hour, 16);
}

TEST(FaceGeometryHandAngles, TwelveAndZeroAreTheSameHour) {
    EXPECT_EQ(HandAnglesFor(12, 0, 0).hour, 0);
    EXPECT_EQ(HandAnglesFor(0, 0, 0).hour, 0);
    EXPECT_EQ(HandAnglesFor(12, 59, 0).hour, HandAnglesFor(0, 59, 0).hour);
}

TEST(FaceGeometryHandAngles, LastMinuteOfTheDial) {
    const HandAngles angles = HandAnglesFor(11, 59, 59);
    EXPECT_EQ(angles.hour, 359);
    EXPECT_EQ(angles.minute, 354);
    EXPECT_EQ(angles.second, 354);
}

// ---- Roman numerals ----------------------------------------------------------------------

std::wstring RomanNumeral(int value) {
    static const struct {
        int value;
        const wchar_t* text;
    } kParts[] = {{10, L"X"}, {9, L"IX"}, {5, L"V"}, {4, L"IV"}, {1, L"I"}};
    std::wstring text;
    for (const auto& part : kParts) {
        for (; value >= part.value; value -= part.value) {
            text += part.text;
        }
    }
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

TEST(FaceGeometryNumerals, FontHeightAt96Dpi) {
    EXPECT_EQ(NumeralFontHeight(20, 96), 107);    // 106.67
    EXPECT_EQ(NumeralFontHeight(-20, 96), -107);  // character height from a font dialog
    EXPECT_EQ(NumeralFontHeight(0, 96), 0);
    EXPECT_EQ(NumeralFontHeight(20, 144), 160);
}

TEST(FaceGeometryNumerals, FontHeightTooLargeToScaleGivesMinusOne) {
    EXPECT_EQ(NumeralFontHeight(INT_MAX / 2, 96), -1);
    EXPECT_EQ(NumeralFontHeight(INT_MIN / 2, 96), -1);
}

TEST(FaceGeometryMulDiv, RoundsToNearestWithHalvesAwayFromZero) {
    EXPECT_EQ(MulDivRounded(1, 1, 2), 1);
    EXPECT_EQ(MulDivRounded(-1, 1, 2), -1);
    EXPECT_EQ(MulDivRounded(1, -1, 2), -1);
    EXPECT_EQ(MulDivRounded(-1, -1, 2), 1);
    EXPECT_EQ(MulDivRounded(3, 1, -2), -2);
    EXPECT_EQ(MulDivRounded(-3, 1, -2), 2);
    EXPECT_EQ(MulDivRounded(5, 1, 3), 2);    // 1.67
    EXPECT_EQ(MulDivRounded(4, 1, 3), 1);    // 1.33
    EXPECT_EQ(MulDivRounded(-5, 1, 3), -2);  // -1.67
    EXPECT_EQ(MulDivRounded(-4, 1, 3), -1);  // -1.33
    EXPECT_EQ(MulDivRounded(0, -7, 3), 0);
}

TEST(FaceGeometryMulDiv, WideIntermediateAndFailures) {
    EXPECT_EQ(MulDivRounded(INT_MAX, INT_MAX, INT_MAX), INT_MAX);
    EXPECT_EQ(MulDivRounded(INT_MIN, 2, 2), INT_MIN);
    EXPECT_EQ(MulDivRounded(1 << 20, 1 << 20, 1 << 10), 1 << 30);
    EXPECT_EQ(MulDivRounded(INT_MAX, 2, 1), -1);
    EXPECT_EQ(MulDivRounded(INT_MIN, 2, 1), -1);
    EXPECT_EQ(MulDivRounded(5, 5, 0), -1);
}

// ---- Window shape ------------------------------------------------------------------------

// Elliptic regions cover the pixels whose centres lie inside the ellipse inscribed in the
// box shortened by one pixel at the right and bottom.
bool Covers(const RegionPiece& piece, int x, int y) {
    const Rect& r = piece.bounds;
    if (piece.shape == RegionShape::Rectangle) {
        return x >= r.left && x < r.right && y >= r.top && y < r.bottom;
    }
    const double rx = (r.right - 1 - r.left) / 2.0;
    const double ry = (r.bottom - 1 - r.top) / 2.0;
    const double dx = (x + 0.5 - (r.left + rx)) / rx;
    const double dy = (y + 0.5 - (r.top + ry)) / ry;
    return dx * dx + dy * dy <= 1.0;
}

bool RegionCovers(int x, int y) {
    for (const RegionPiece& piece : kWindowRegionPieces) {
        if (Covers(piece, x, y)) {
            return true;
        }
    }
    return false;
}

TEST(FaceGeometryRegion, CornerPixelsAreCutAndEdgeMiddlesKept) {
    EXPECT_FALSE(RegionCovers(0, 0));
    EXPECT_FALSE(RegionCovers(164, 0));
    EXPECT_FALSE(RegionCovers(0, 421));
    EXPECT_FALSE(RegionCovers(164, 421));
    EXPECT_TRUE(RegionCovers(82, 0));
    EXPECT_TRUE(RegionCovers(82, 421));
    EXPECT_TRUE(RegionCovers(0, 211));
    EXPECT_TRUE(RegionCovers(164, 211));
}

TEST(FaceGeometryRegion, OnlyTheFourCornersAreCut) {
    int cut = 0;
    for (int y = 0; y < kClockWindowHeight; ++y) {
        for (int x = 0; x < kClockWindowWidth; ++x) {
            if (RegionCovers(x, y)) {
                continue;
            }
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