#include "clock/FaceMapping.h"

#include "clock/FaceGeometry.h"

#include <gtest/gtest.h>

namespace {

const IsotropicMapping kClock = ClockMapping(kClockWindowWidth, kClockWindowHeight, 220);

TEST(FaceGeometryMapping, ClockMappingExtentsAndOrigin) {
    EXPECT_EQ(kClock.windowExtent, (Size{1000, 1000}));
    EXPECT_EQ(kClock.viewportExtent, (Size{165, -422}));
    EXPECT_EQ(kClock.viewportOrigin, (Point{82, 220}));
    EXPECT_EQ(ClockMapping(200, 300, 120).viewportOrigin, (Point{100, 120}));
}

TEST(FaceGeometryMapping, CentreLandsOnTheClockCentreHeight) {
    EXPECT_EQ(LogicalToClient(kClock, {0, 0}), (Point{82, 220}));
    EXPECT_EQ(LogicalToClient(ClockMapping(165, 422, 300), {0, 0}), (Point{82, 300}));
}

TEST(FaceGeometryMapping, OneUnitIsWidthOverThousandPixelsOnBothAxes) {
    // 450 units = 74.25 pixels; y points up.
    EXPECT_EQ(LogicalToClient(kClock, {450, 0}), (Point{156, 220}));
    EXPECT_EQ(LogicalToClient(kClock, {-450, 0}), (Point{8, 220}));   // 7.75
    EXPECT_EQ(LogicalToClient(kClock, {0, 450}), (Point{82, 146}));   // 145.75
    EXPECT_EQ(LogicalToClient(kClock, {0, -450}), (Point{82, 294}));  // 294.25
}

TEST(FaceGeometryMapping, ExactHalvesRoundUpInPixels) {
    // 100 units = 16.5 pixels.
    EXPECT_EQ(LogicalToClient(kClock, {100, 0}).x, 99);    // 98.5
    EXPECT_EQ(LogicalToClient(kClock, {-100, 0}).x, 66);   // 65.5
    EXPECT_EQ(LogicalToClient(kClock, {0, 100}).y, 204);   // 203.5
    EXPECT_EQ(LogicalToClient(kClock, {0, -100}).y, 237);  // 236.5
}

TEST(FaceGeometryMapping, TheShorterSideSetsTheScale) {
    // A wide client: the height is the limit, 0.3 pixels per unit.
    const IsotropicMapping wide = ClockMapping(500, 300, 150);
    EXPECT_EQ(LogicalToClient(wide, {1000, 1000}), (Point{550, -150}));
    EXPECT_EQ(LogicalToClient(wide, {-500, -500}), (Point{100, 300}));
}

TEST(FaceGeometryMapping, BitmapLayerIsPixels) {
    const IsotropicMapping bitmap = BitmapLayerMapping();
    EXPECT_EQ(LogicalToClient(bitmap, {60, 19}), (Point{60, 19}));
    EXPECT_EQ(LogicalToClient(bitmap, {164, 421}), (Point{164, 421}));
}

TEST(FaceGeometryMapping, ZeroExtentMapsToTheOrigin) {
    EXPECT_EQ(LogicalToClient(ClockMapping(0, 422, 220), {450, 450}), (Point{0, 220}));
}

TEST(FaceGeometryMapping, HandsAndNumeralsStayInsideTheWindow) {
    for (const NumeralEntry& entry : kRomanNumerals) {
        for (const Point logical : {entry.anchor, PaleCopyPoint(entry.anchor)}) {
            const Point pixel = LogicalToClient(kClock, logical);
            EXPECT_GE(pixel.x, 0);
            EXPECT_LT(pixel.x, kClockWindowWidth);
        }
    }
    // The pale copy lands one pixel right of and one below its numeral.
    const Point anchor = LogicalToClient(kClock, {0, 450});
    const Point pale = LogicalToClient(kClock, PaleCopyPoint({0, 450}));
    EXPECT_EQ(pale, (Point{anchor.x + 1, anchor.y + 1}));
    for (int angle = 0; angle < 360; angle += 6) {
        const Point tip = LogicalToClient(kClock, ComputeSecondHandPoints(kSecondHand, angle).tip);
        EXPECT_GE(tip.x, 0) << angle;
        EXPECT_LT(tip.x, kClockWindowWidth) << angle;
    }
}

}  // namespace