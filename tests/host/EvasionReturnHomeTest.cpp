#include "clock/ReturnHome.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

constexpr Rect kWorkArea{0, 0, 1024, 738};

Rect WindowAt(int x, int y) { return {x, y, x + kClockWindowWidth, y + kClockWindowHeight}; }

ReturnHomeInput Input(int mode, Point window, Point homePoint = {0, 0}, const Rect& workArea = kWorkArea) {
    return {mode, homePoint, false, WindowAt(window.x, window.y), workArea, {}};
}

TEST(EvasionReturnHomeTarget, CentreOfA1024By738WorkArea) {
    EXPECT_EQ(CentreTarget(kWorkArea), (Point{430, 158}));
    EXPECT_EQ(HomeTarget(kHomeCentre, {5, 5}, kWorkArea), (Point{430, 158}));
}

TEST(EvasionReturnHomeTarget, CentreFollowsAWorkAreaThatDoesNotStartAtTheOrigin) {
    // Taskbar on the left, 60 wide; then one at the top, 40 high.
    EXPECT_EQ(CentreTarget({60, 0, 1024, 768}), (Point{60 + 482 - 82, 384 - 211}));
    EXPECT_EQ(CentreTarget({0, 40, 1280, 1024}), (Point{640 - 82, 40 + 492 - 211}));
}

TEST(EvasionReturnHomeTarget, HomePointAndNoHome) {
    EXPECT_EQ(HomeTarget(kHomePoint, {12, 34}, kWorkArea), (Point{12, 34}));
    EXPECT_FALSE(HomeTarget(kHomeNone, {12, 34}, kWorkArea).has_value());
    EXPECT_FALSE(HomeTarget(3, {12, 34}, kWorkArea).has_value());
    EXPECT_FALSE(HomeTarget(-1, {12, 34}, kWorkArea).has_value());
}

TEST(EvasionReturnHome, NothingToDo) {
    EXPECT_FALSE(PlanReturnHome(Input(kHomeNone, {600, 300})).move);
    EXPECT_FALSE(PlanReturnHome(Input(kHomePoint, {12, 34}, {12, 34})).move);
    EXPECT_FALSE(PlanReturnHome(Input(kHomeCentre, {430, 158})).move);
    ReturnHomeInput minimized = Input(kHomeCentre, {600, 300});
    minimized.minimized = true;
    EXPECT_FALSE(PlanReturnHome(minimized).move);
    EXPECT_TRUE(PlanReturnHome(minimized).path.empty());
}

TEST(EvasionReturnHome, ThirtyMovesFromTheCornerToTheCentre) {
    const ReturnHomePlan plan = PlanReturnHome(Input(kHomeCentre, {0, 0}));
    ASSERT_TRUE(plan.move);
    EXPECT_EQ(plan.target, (Point{430, 158}));
    ASSERT_EQ(plan.path.size(), 30u);
    // dx = 430 / 30 = 14, dy = 158 / 30 = 5; the first move is to the start itself.
    EXPECT_EQ(plan.path[0], (Point{0, 0}));
    EXPECT_EQ(plan.path[1], (Point{14, 5}));
    EXPECT_EQ(plan.path[28], (Point{392, 140}));
    EXPECT_EQ(plan.path[29], (Point{430, 158}));
}

TEST(EvasionReturnHome, StepsTruncateTowardZeroGoingUpAndLeft) {
    // dx = -470 / 30 = -15 (not -16), dy = -442 / 30 = -14 (not -15).
    const ReturnHomePlan plan = PlanReturnHome(Input(kHomeCentre, {900, 600}));
    ASSERT_EQ(plan.path.size(), 30u);
    EXPECT_EQ(plan.path[1], (Point{885, 586}));
    EXPECT_EQ(plan.path[28], (Point{480, 208}));
    EXPECT_EQ(plan.path[29], (Point{430, 158}));
}

TEST(EvasionReturnHome, ShortDistanceWaitsThenJumps) {
    const ReturnHomePlan plan = PlanReturnHome(Input(kHomePoint, {100, 100}, {129, 71}));
    ASSERT_EQ(plan.path.size(), 30u);
    for (std::size_t i = 0; i < 29; ++i) {
        EXPECT_EQ(plan.path[i], (Point{100, 100})) << i;
    }
    EXPECT_EQ(plan.path[29], (Point{129, 71}));
}

TEST(EvasionReturnHome, FarHomePointDoesNotOverflow) {
    const std::vector<Point> path = ReturnHomePath({INT_MIN + 10, 0}, {INT_MAX - 10, 0});
    ASSERT_EQ(path.size(), 30u);
    for (std::size_t i = 1; i < path.size(); ++i) {
        EXPECT_GT(path[i].x, path[i - 1].x) << i;
    }
    EXPECT_EQ(path.back(), (Point{INT_MAX - 10, 0}));
}

}  // namespace