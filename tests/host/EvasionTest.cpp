#include "clock/Evasion.h"

#include <gtest/gtest.h>

#include <utility>

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
    for (const Point client : {Point{80, 200}, Point{5, 200}, Point{150, 200}, Point{80, 5}, Point{80, 410}}) {
        const EvasionPlan plan = Evade(window, client);
        EXPECT_EQ(plan.glide, Glide::Right) << client;
        ASSERT_FALSE(plan.glidePath.empty());
        EXPECT_EQ(plan.glidePath.back(), (Point{kRightX, 0})) << client;
    }
}

TEST(EvasionEdges, SideEdgesGlideDown) {
    const EvasionPlan left = Evade(WindowAt(0, 150), {80, 200});
    EXPECT_EQ(left.glide, Glide::Down);
    EXPECT_EQ(left.glidePath.back(), (Point{0, kBottomY}));
}

TEST(EvasionPlaces, EdgesAndCornersAreTold) {
    const std::pair<Point, WindowPlace> cases[] = {
        {{400, 0}, WindowPlace::TopOrBottomEdge},       {{0, 150}, WindowPlace::LeftOrRightEdge},
        {{0, 0}, WindowPlace::TopLeftCorner},           {{kRightX, 0}, WindowPlace::TopRightCorner},
        {{0, kBottomY}, WindowPlace::BottomLeftCorner}, {{kRightX, kBottomY}, WindowPlace::BottomRightCorner},
    };
    for (auto [at, place] : cases) EXPECT_EQ(ClassifyWindowPlace(WindowAt(at.x, at.y), kWorkArea), place) << at;
}

// Where the window stands, where the pointer is in it, and over what work area: the glide away.
TEST(EvasionPlaces, EachPlaceGlidesAwayFromThePointersBand) {
    const Point freeAt{400, 150}, topLeft{0, 0}, topRight{kRightX, 0}, bottomLeft{0, kBottomY};
    const Point bottomRight{kRightX, kBottomY}, top{80, 5}, bottom{80, 410}, left{5, 200}, right{150, 200};
    const Point inside{80, 200};
    const int shortBottomY = 600 - kClockWindowHeight;  // 178
    const struct Case {
        const char* what;
        Point at;
        Point client;
        Glide expected;
        Rect area = kWorkArea;
    } cases[] = {
        // A free window: only the ten-pixel bands count.
        {"free, 15 from the left", freeAt, {15, 200}, Glide::None},
        {"free, middle", freeAt, inside, Glide::None},
        {"free, 9 from the left", freeAt, {9, 200}, Glide::Right},
        {"free, 10 from the left", freeAt, {10, 200}, Glide::None},
        {"free, 9 from the top", freeAt, {80, 9}, Glide::Down},
        {"free, 10 from the top", freeAt, {80, 10}, Glide::None},
        {"free, 146 from the left", freeAt, {146, 200}, Glide::Left},
        {"free, 145 from the left", freeAt, {145, 200}, Glide::None},
        {"free, 403 from the top", freeAt, {80, 403}, Glide::Up},
        {"free, 402 from the top", freeAt, {80, 402}, Glide::None},
        // The top and bottom bands come before the sides.
        {"free, top-left", freeAt, {5, 5}, Glide::Down},
        {"free, bottom-right", freeAt, {150, 410}, Glide::Up},
        // Edges.
        {"bottom edge", {400, kBottomY}, inside, Glide::Right},
        {"right edge", {kRightX, 150}, inside, Glide::Down},
        // Half the window no longer fits in half the work area: the edge glides turn around.
        {"narrow work area", {-2, 0}, inside, Glide::Left, {0, 0, 160, 738}},
        {"low work area", {0, 100}, inside, Glide::Up, {0, 0, 1024, 420}},
        // Each band of each corner.
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
        {"top-left, deep inside", topLeft, inside, Glide::None},
        {"bottom-right, deep inside", bottomRight, inside, Glide::None},
        // The window spans 0..422 and would span 178..600 after a vertical glide: a pointer
        // in a side band between those (screen y 300) would still be under it.
        {"short, top-left, right band", topLeft, {150, 300}, Glide::Right, kShortWorkArea},
        {"short, top-left, left band", topLeft, {5, 300}, Glide::Right, kShortWorkArea},
        {"short, top-right, right band", {1024 - 165, 0}, {150, 300}, Glide::Left, kShortWorkArea},
        {"short, above the overlap", topLeft, {150, 150}, Glide::Down, kShortWorkArea},  // the usual right band
        {"short, top band", topLeft, top, Glide::Down, kShortWorkArea},                  // not a side band
        {"tall, top-left, right band", topLeft, {150, 300}, Glide::Down},
        // Screen y = 178 + client y; below 422 the window would still cover it at the top.
        {"short, bottom-left, right band", {0, shortBottomY}, {150, 200}, Glide::Right, kShortWorkArea},
        {"short, bottom-right, left band", {1024 - 165, shortBottomY}, {5, 200}, Glide::Left, kShortWorkArea},
        {"short, bottom-left, low right band", {0, shortBottomY}, {150, 300}, Glide::Up, kShortWorkArea},
    };
    for (const Case& c : cases) EXPECT_EQ(GlideFrom(WindowAt(c.at.x, c.at.y), c.client, c.area), c.expected) << c.what;
}

// ---- Corners -----------------------------------------------------------------------------

TEST(EvasionCorners, TopLeftGlidesDownToTheBottomEdge) {
    const EvasionPlan plan = Evade(WindowAt(0, 0), {80, 5});
    ASSERT_EQ(plan.glidePath.size(), 32u);  // 10 ... 310, then 316
    EXPECT_EQ(plan.glidePath.front(), (Point{0, 10}));
    EXPECT_EQ(plan.glidePath.back(), (Point{0, kBottomY}));
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