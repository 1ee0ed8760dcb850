#include "clock/ScreenPlacement.h"

#include <gtest/gtest.h>

#include "clock/Evasion.h"
#include "clock/ReturnHome.h"

namespace {

// A 1024 x 768 primary monitor, and others beside it, below it and left of it.
const MonitorArea kPrimary{{0, 0, 1024, 768}, {0, 0, 1024, 738}, true};
const MonitorArea kRight{{1024, 0, 2304, 1024}, {1024, 0, 2304, 984}};
const MonitorArea kBelow{{0, 768, 1280, 1792}, {0, 768, 1280, 1752}};
const MonitorArea kLeft{{-1280, 0, 0, 1024}, {-1280, 30, 0, 1024}};
const MonitorArea kShortBelow{{0, 768, 1024, 1368}, {0, 768, 1024, 1368}};  // less than two windows tall
const MonitorArea kWidePrimary{{0, 0, 1920, 1080}, {0, 0, 1920, 1040}, true};
const Point kDefault{1024 / 2 - 183, 738 / 2 - 211};
const Size kWindow{kClockWindowWidth, kClockWindowHeight};

Rect WindowAt(Point p) { return MovedTo({0, 0, kWindow.width, kWindow.height}, p); }

TEST(ScreenPlacementTest, TheMonitorOfARectangleIsTheOneSharingMostPixels) {
    const MonitorLayout sideBySide{kPrimary, kRight};
    EXPECT_EQ(MonitorOfRect(sideBySide, WindowAt({900, 100})), kPrimary);  // 124 pixels wide on it
    EXPECT_EQ(MonitorOfRect(sideBySide, WindowAt({1000, 100})), kRight);
    EXPECT_EQ(MonitorOfRect({kPrimary, kBelow}, WindowAt({100, 700})), kBelow);
    EXPECT_FALSE(MonitorOfRect(sideBySide, WindowAt({5000, 5000})).has_value());
}

TEST(ScreenPlacementTest, AWindowOnNoMonitorComesBackAtThePrimaryDefault) {
    struct Row {
        MonitorLayout monitors;
        Point wanted;
        Point expected;
    };
    const Row rows[] = {
        {{kPrimary}, {100, 100}, {100, 100}},
        {{kPrimary}, {5000, 5000}, kDefault},
        {{kPrimary}, {32767, 32767}, kDefault},
        {{kPrimary}, {-164, -421}, {-164, -421}},  // one pixel shows: where the user put it
        {{kPrimary}, {-165, 0}, kDefault},
        {{kPrimary, kRight}, {1500, 200}, {1500, 200}},
        {{kPrimary}, {1500, 200}, kDefault},  // the right monitor removed
        {{kPrimary, kBelow}, {100, 1000}, {100, 1000}},
        {{kPrimary, kLeft}, {-1000, 100}, {-1000, 100}},
        {{kRight, kWidePrimary}, {-3000, 0}, {1920 / 2 - 183, 1040 / 2 - 211}},  // primary listed second
        {{}, {5000, 5000}, {5000, 5000}},                                        // nothing known: left alone
    };
    for (const Row& row : rows)
        EXPECT_EQ(OnScreenTopLeft(row.wanted, kWindow, row.monitors), row.expected) << row.wanted;
}

TEST(ScreenPlacementTest, EvasionGlidesWithinTheMonitorTheWindowIsOn) {
    struct Row {
        MonitorArea monitor;
        Point window;
        Point client;
        Glide glide;
        Point end;
    };
    const Row rows[] = {
        {kRight, {1024, 0}, {80, 5}, Glide::Down, {1024, 984 - 422}},   // its top-left corner
        {kRight, {1500, 0}, {80, 200}, Glide::Right, {2304 - 165, 0}},  // its top edge
        {kBelow, {0, 768}, {5, 200}, Glide::Right, {1280 - 165, 768}},  // its top-left corner
        {kBelow, {500, 1330}, {80, 200}, Glide::Right, {1115, 1330}},   // its bottom edge
        {kLeft, {-1280, 300}, {80, 200}, Glide::Down, {-1280, 602}},    // its left edge
        {kShortBelow, {859, 768}, {5, 300}, Glide::Left, {0, 768}},     // sideways: under the pointer both ways
    };
    for (const Row& row : rows) {
        const EvasionPlan plan = PlanEvasion(
            {true, 0, row.client, WindowAt(row.window), row.monitor.workArea, row.monitor.bounds.TopLeft()});
        EXPECT_EQ(plan.glide, row.glide) << row.window;
        ASSERT_FALSE(plan.glidePath.empty()) << row.window;
        EXPECT_EQ(plan.glidePath.back(), row.end) << row.window;
    }
}

TEST(ScreenPlacementTest, HomeIsTheCentreOfTheWindowsMonitorOrAPointOnSomeMonitor) {
    struct Row {
        int mode;
        Point home;
        MonitorLayout monitors;
        Point expected;
    };
    const Row rows[] = {
        {kHomeCentre, {0, 0}, {kPrimary, kRight}, {1024 + 640 - 82, 492 - 211}},
        {kHomePoint, {1500, 300}, {kPrimary, kRight}, {1500, 300}},
        {kHomePoint, {1500, 300}, {kPrimary}, kDefault},  // its monitor removed
        {kHomePoint, {32767, -32768}, {kPrimary, kRight}, kDefault},
        {kHomePoint, {-100, 50}, {kPrimary}, {-100, 50}},
    };
    for (const Row& row : rows) {
        const ReturnHomePlan plan =
            PlanReturnHome({row.mode, row.home, false, WindowAt({1100, 100}), kRight.workArea, row.monitors});
        EXPECT_EQ(plan.target, row.expected) << row.home;
    }
}

TEST(ScreenPlacementTest, AWindowOpenedOverItsOwnerKeepsWhollyToTheOwnersMonitor) {
    const Rect sheet{100, 100, 500, 400};
    const Rect owner = WindowAt({1500, 200});
    EXPECT_EQ(PlaceOnAnchorMonitor(sheet, WindowAt({100, 100}), kPrimary, kPrimary), (Point{100, 100}));
    EXPECT_EQ(PlaceOnAnchorMonitor(sheet, owner, kPrimary, kRight), (Point{1500 - 117, 200 + 61}));
    EXPECT_EQ(PlaceOnAnchorMonitor(MovedTo(sheet, {900, 600}), owner, kPrimary, kPrimary), (Point{624, 438}));
    EXPECT_EQ(KeepInside({2000, 900, 3500, 2000}, kRight.workArea), (Point{1024, 0}));  // larger than the area
}

}  // namespace
