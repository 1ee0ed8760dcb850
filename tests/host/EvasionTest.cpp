#include "clock/Evasion.h"

#include <gtest/gtest.h>

namespace {

constexpr Rect kWorkArea{0, 0, 1024, 738};
constexpr Rect kShortWorkArea{0, 0, 1024, 600};     // less than two windows tall
constexpr int kRightX = 1024 - kClockWindowWidth;   // 859
constexpr int kBottomY = 738 - kClockWindowHeight;  // 316

Rect WindowAt(int x, int y) { return {x, y, x + kClockWindowWidth, y + kClockWindowHeight}; }

EvasionPlan Evade(const Rect& window, Point client, const Rect& workArea = kWorkArea, int flags = 0) {
    return PlanEvasion({true, flags, client, window, workArea, {0, 0}});
}

Glide GlideFrom(const Rect& window, Point client, const Rect& workArea = kWorkArea) {
    return Evade(window, client, workArea).glide;
}

// ---- When evasion runs at all ------------------------------------------------------------

TEST(EvasionSwitches, OffDoesNothingNotEvenThePull) {
    const EvasionPlan plan = PlanEvasion({false, 0, {5, 200}, WindowAt(400, 150), kWorkArea, {0, 0}});
    EXPECT_FALSE(plan.active);
    EXPECT_EQ(plan.glide, Glide::None);
    EXPECT_TRUE(plan.glidePath.empty());
}

TEST(EvasionSwitches, ShiftOrCtrlAloneHoldsItBack) {
    EXPECT_FALSE(Evade(WindowAt(400, 150), {5, 200}, kWorkArea, kMouseFlagShift).active);
    EXPECT_FALSE(Evade(WindowAt(400, 150), {5, 200}, kWorkArea, kMouseFlagControl).active);
}

TEST(EvasionSwitches, ShiftWithCtrlOrWithAButtonDoesNot) {
    const int shiftAndCtrl = kMouseFlagShift | kMouseFlagControl;
    const int shiftAndLeftButton = kMouseFlagShift | 0x0001;
    for (const int flags : {0, shiftAndCtrl, shiftAndLeftButton}) {
        const EvasionPlan plan = Evade(WindowAt(400, 150), {5, 200}, kWorkArea, flags);
        EXPECT_TRUE(plan.active) << flags;
        EXPECT_EQ(plan.glide, Glide::Right) << flags;
    }
}

// ---- Free window -------------------------------------------------------------------------

TEST(EvasionFree, PointerFromTheLeftGlidesToTheRightEdge) {
    const EvasionPlan plan = Evade(WindowAt(400, 150), {5, 200});
    EXPECT_EQ(plan.place, WindowPlace::Free);
    EXPECT_EQ(plan.pullTo, (Point{400, 150}));
    ASSERT_EQ(plan.glidePath.size(), 46u);  // 410 ... 850, then 859
    EXPECT_EQ(plan.glidePath.front(), (Point{410, 150}));
    EXPECT_EQ(plan.glidePath[44], (Point{850, 150}));
    EXPECT_EQ(plan.glidePath.back(), (Point{kRightX, 150}));
}

TEST(EvasionFree, OnlyTheTenPixelBandsCount) {
    const Rect window = WindowAt(400, 150);
    EXPECT_EQ(GlideFrom(window, {15, 200}), Glide::None);
    EXPECT_EQ(GlideFrom(window, {80, 200}), Glide::None);
    EXPECT_EQ(GlideFrom(window, {9, 200}), Glide::Right);
    EXPECT_EQ(GlideFrom(window, {10, 200}), Glide::None);
    EXPECT_EQ(GlideFrom(window, {80, 9}), Glide::Down);
    EXPECT_EQ(GlideFrom(window, {80, 10}), Glide::None);
    EXPECT_EQ(GlideFrom(window, {146, 200}), Glide::Left);
    EXPECT_EQ(GlideFrom(window, {145, 200}), Glide::None);
    EXPECT_EQ(GlideFrom(window, {80, 403}), Glide::Up);
    EXPECT_EQ(GlideFrom(window, {80, 402}), Glide::None);
}

TEST(EvasionFree, TopAndBottomBandsComeBeforeTheSides) {
    const Rect window = WindowAt(400, 150);
    EXPECT_EQ(GlideFrom(window, {5, 5}), Glide::Down);
    EXPECT_EQ(GlideFrom(window, {150, 410}), Glide::Up);
}

TEST(EvasionFree, QuietPointerStillPullsTheWindowIn) {
    const EvasionPlan plan = Evade(WindowAt(900, 400), {80, 200});
    EXPECT_TRUE(plan.active);
    EXPECT_EQ(plan.pullTo, (Point{kRightX, kBottomY}));
    EXPECT_EQ(plan.glide, Glide::None);
    EXPECT_TRUE(plan.glidePath.empty());
}

// ---- Edges -------------------------------------------------------------------------------

TEST(EvasionEdges, TopEdgeGlidesRightWhereverThePointerIs) {
    const Rect window = WindowAt(400, 0);
    EXPECT_EQ(ClassifyWindowPlace(window, kWorkArea), WindowPlace::TopOrBottomEdge);
    for (const Point client : {Point{80, 200}, Point{5, 200}, Point{150, 200}, Point{80, 5}, Point{80, 410}}) {
        const EvasionPlan plan = Evade(window, client);
        EXPECT_EQ(plan.glide, Glide::Right) << client;
        ASSERT_FALSE(plan.glidePath.empty());
        EXPECT_EQ(plan.glidePath.back(), (Point{kRightX, 0})) << client;
    }
}

TEST(EvasionEdges, BottomEdgeGlidesRight) { EXPECT_EQ(GlideFrom(WindowAt(400, kBottomY), {80, 200}), Glide::Right); }

TEST(EvasionEdges, SideEdgesGlideDown) {
    EXPECT_EQ(ClassifyWindowPlace(WindowAt(0, 150), kWorkArea), WindowPlace::LeftOrRightEdge);
    const EvasionPlan left = Evade(WindowAt(0, 150), {80, 200});
    EXPECT_EQ(left.glide, Glide::Down);
    EXPECT_EQ(left.glidePath.back(), (Point{0, kBottomY}));
    EXPECT_EQ(GlideFrom(WindowAt(kRightX, 150), {80, 200}), Glide::Down);
}

TEST(EvasionEdges, NarrowOrLowWorkAreasTurnTheEdgeGlidesAround) {
    // Half the window no longer fits in half the work area.
    const Rect narrow{0, 0, 160, 738};
    EXPECT_EQ(GlideFrom(WindowAt(-2, 0), {80, 200}, narrow), Glide::Left);
    const Rect low{0, 0, 1024, 420};
    EXPECT_EQ(GlideFrom(WindowAt(0, 100), {80, 200}, low), Glide::Up);
}

// ---- Corners -----------------------------------------------------------------------------

struct CornerCase {
    const char* name;
    Point topLeft;
    Point client;
    Glide expected;
};

TEST(EvasionCorners, EachBandOfEachCorner) {
    const Point topLeft{0, 0};
    const Point topRight{kRightX, 0};
    const Point bottomLeft{0, kBottomY};
    const Point bottomRight{kRightX, kBottomY};
    const Point top{80, 5};
    const Point bottom{80, 410};
    const Point left{5, 200};
    const Point right{150, 200};
    const CornerCase cases[] = {
        {"top-left, top", topLeft, top, Glide::Down},
        {"top-left, bottom", topLeft, bottom, Glide::Right},
        {"top-left, left", topLeft, left, Glide::Right},
        {"top-left, right", topLeft, right, Glide::Down},
        {"top-right, top", topRight, top, Glide::Down},
        {"top-right, bottom", topRight, bottom, Glide::Left},
        {"top-right, left", topRight, left, Glide::Down},
        {"top-right, right", topRight, right, Glide::Left},
        {"bottom-left, top", bottomLeft, top, Glide::Right},
        {"bottom-left, bottom", bottomLeft, bottom, Glide::Up},
        {"bottom-left, left", bottomLeft, left, Glide::Right},
        {"bottom-left, right", bottomLeft, right, Glide::Up},
        {"bottom-right, top", bottomRight, top, Glide::Left},
        {"bottom-right, bottom", bottomRight, bottom, Glide::Up},
        {"bottom-right, left", bottomRight, left, Glide::Up},
        {"bottom-right, right", bottomRight, right, Glide::Left},
        {"top-left, deep inside", topLeft, {80, 200}, Glide::None},
        {"bottom-right, deep inside", bottomRight, {80, 200}, Glide::None},
    };
    for (const CornerCase& c : cases) {
        EXPECT_EQ(GlideFrom(WindowAt(c.topLeft.x, c.topLeft.y), c.client), c.expected) << c.name;
    }
}

TEST(EvasionCorners, ClassesOfTheFourCorners) {
    EXPECT_EQ(ClassifyWindowPlace(WindowAt(0, 0), kWorkArea), WindowPlace::TopLeftCorner);
    EXPECT_EQ(ClassifyWindowPlace(WindowAt(kRightX, 0), kWorkArea), WindowPlace::TopRightCorner);
    EXPECT_EQ(ClassifyWindowPlace(WindowAt(0, kBottomY), kWorkArea), WindowPlace::BottomLeftCorner);
    EXPECT_EQ(ClassifyWindowPlace(WindowAt(kRightX, kBottomY), kWorkArea), WindowPlace::BottomRightCorner);
}

TEST(EvasionCorners, TopLeftGlidesDownToTheBottomEdge) {
    const EvasionPlan plan = Evade(WindowAt(0, 0), {80, 5});
    ASSERT_EQ(plan.glidePath.size(), 32u);  // 10 ... 310, then 316
    EXPECT_EQ(plan.glidePath.front(), (Point{0, 10}));
    EXPECT_EQ(plan.glidePath.back(), (Point{0, kBottomY}));
}

TEST(EvasionCorners, ShortWorkAreaSendsTopCornersSideways) {
    // The window spans 0..422 and would span 178..600 after a vertical glide; a pointer in
    // a side band between those (screen y 300) would still be under it.
    EXPECT_EQ(GlideFrom(WindowAt(0, 0), {150, 300}, kShortWorkArea), Glide::Right);
    EXPECT_EQ(GlideFrom(WindowAt(0, 0), {5, 300}, kShortWorkArea), Glide::Right);
    EXPECT_EQ(GlideFrom(WindowAt(1024 - 165, 0), {150, 300}, kShortWorkArea), Glide::Left);
    // Above the overlap the usual right-band rule holds.
    EXPECT_EQ(GlideFrom(WindowAt(0, 0), {150, 150}, kShortWorkArea), Glide::Down);
    // A top-band pointer is not in a side band.
    EXPECT_EQ(GlideFrom(WindowAt(0, 0), {80, 5}, kShortWorkArea), Glide::Down);
}

TEST(EvasionCorners, TallWorkAreaKeepsTopCornersVertical) {
    EXPECT_EQ(GlideFrom(WindowAt(0, 0), {150, 300}), Glide::Down);
}

TEST(EvasionCorners, ShortWorkAreaSendsBottomCornersSideways) {
    const int bottomY = 600 - kClockWindowHeight;  // 178
    // Screen y = 178 + client y; below 422 the window would still cover it at the top.
    EXPECT_EQ(GlideFrom(WindowAt(0, bottomY), {150, 200}, kShortWorkArea), Glide::Right);
    EXPECT_EQ(GlideFrom(WindowAt(1024 - 165, bottomY), {5, 200}, kShortWorkArea), Glide::Left);
    EXPECT_EQ(GlideFrom(WindowAt(0, bottomY), {150, 300}, kShortWorkArea), Glide::Up);
}

// ---- Pull into the work area -------------------------------------------------------------

TEST(EvasionPull, WindowsHangingOverAnyEdgeComeBack) {
    EXPECT_EQ(PullIntoWorkArea(WindowAt(900, 400), kWorkArea), (Point{kRightX, kBottomY}));
    EXPECT_EQ(PullIntoWorkArea(WindowAt(-30, -20), kWorkArea), (Point{0, 0}));
    EXPECT_EQ(PullIntoWorkArea(WindowAt(400, 150), kWorkArea), (Point{400, 150}));
    const Rect offset{60, 30, 1024, 768};
    EXPECT_EQ(PullIntoWorkArea(WindowAt(10, 10), offset), (Point{60, 30}));
}

TEST(EvasionPull, PlaceIsJudgedBeforeThePullAndTheGlideStartsAfterIt) {
    // Hanging over the top-left: not a corner yet, so the free bands apply; the glide then
    // starts from the pulled position.
    const EvasionPlan plan = Evade(WindowAt(-30, -20), {80, 5});
    EXPECT_EQ(plan.place, WindowPlace::Free);
    EXPECT_EQ(plan.pullTo, (Point{0, 0}));
    EXPECT_EQ(plan.glide, Glide::Down);
    ASSERT_FALSE(plan.glidePath.empty());
    EXPECT_EQ(plan.glidePath.front(), (Point{0, 10}));
    EXPECT_EQ(plan.glidePath.back(), (Point{0, kBottomY}));
}

// ---- Glide paths -------------------------------------------------------------------------

TEST(EvasionGlide, StepsOfTenNeverPassTheTarget) {
    const Rect window = WindowAt(400, 150);
    const auto up = GlidePath(Glide::Up, window, kWorkArea);
    ASSERT_EQ(up.size(), 15u);  // 140 ... 10, then 0
    EXPECT_EQ(up.front(), (Point{400, 140}));
    EXPECT_EQ(up[13], (Point{400, 10}));
    EXPECT_EQ(up.back(), (Point{400, 0}));

    const auto left = GlidePath(Glide::Left, WindowAt(405, 150), kWorkArea);
    ASSERT_EQ(left.size(), 41u);  // 395 ... 5, then 0
    EXPECT_EQ(left[39], (Point{5, 150}));
    EXPECT_EQ(left.back(), (Point{0, 150}));

    for (const Glide glide : {Glide::Up, Glide::Down, Glide::Left, Glide::Right}) {
        const auto path = GlidePath(glide, window, kWorkArea);
        for (const Point p : path) {
            EXPECT_GE(p.x, 0);
            EXPECT_LE(p.x, kRightX);
            EXPECT_GE(p.y, 0);
            EXPECT_LE(p.y, kBottomY);
        }
    }
}

TEST(EvasionGlide, DistanceOfWholeStepsEndsWithoutARepeat) {
    const auto path = GlidePath(Glide::Right, WindowAt(kRightX - 30, 150), kWorkArea);
    EXPECT_EQ(path, (std::vector<Point>{{kRightX - 20, 150}, {kRightX - 10, 150}, {kRightX, 150}}));
}

TEST(EvasionGlide, AlreadyThereIsOneExactMove) {
    EXPECT_EQ(GlidePath(Glide::Down, WindowAt(70, kBottomY), kWorkArea), (std::vector<Point>{{70, kBottomY}}));
    EXPECT_EQ(GlidePath(Glide::Up, WindowAt(70, 3), kWorkArea), (std::vector<Point>{{70, 0}}));
    EXPECT_TRUE(GlidePath(Glide::None, WindowAt(70, 3), kWorkArea).empty());
}

TEST(EvasionGlide, WorkAreaOffsetFromTheScreenOrigin) {
    const Rect area{60, 30, 1024, 768};
    EXPECT_EQ(GlidePath(Glide::Left, WindowAt(80, 100), area).back(), (Point{60, 100}));
    EXPECT_EQ(GlidePath(Glide::Up, WindowAt(80, 100), area).back(), (Point{80, 30}));
    EXPECT_EQ(GlidePath(Glide::Down, WindowAt(80, 100), area).back(), (Point{80, 346}));
}

}  // namespace