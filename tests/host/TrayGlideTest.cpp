#include "clock/TrayGlide.h"

#include <gtest/gtest.h>

namespace {

constexpr Rect kTaskbar{0, 570, 800, 600};
constexpr Point kRestore{300, 200};

TEST(TrayGlideTarget, FiftyPixelsInFromTheTaskbarsBottomRight) {
    EXPECT_EQ(TrayTarget(kTaskbar), (Point{750, 600}));
    EXPECT_EQ(TrayTarget({0, 0, 1920, 40}), (Point{1870, 40}));
}

TEST(TrayGlideMinimize, WorkedExample) {
    const TrayGlide glide = MinimizeGlide(kRestore, kTaskbar);
    EXPECT_EQ(glide.target, (Point{750, 600}));
    EXPECT_EQ(glide.dx, 22);  // 450 / 20 = 22.5
    EXPECT_EQ(glide.dy, 20);
    ASSERT_EQ(glide.steps.size(), 20u);
    EXPECT_EQ(glide.steps[0], (WindowStep{322, 220, 165, 18}));
    EXPECT_EQ(glide.steps[18], (WindowStep{718, 580, 21, 18}));
    EXPECT_EQ(glide.steps[19], (WindowStep{750, 600, 32, 18}));
}

TEST(TrayGlideMinimize, NarrowsByEightAndKeepsTheStripHeight) {
    const TrayGlide glide = MinimizeGlide(kRestore, kTaskbar);
    for (std::size_t i = 1; i < 19; ++i) {
        EXPECT_EQ(glide.steps[i].width, glide.steps[i - 1].width - 8) << i;
        EXPECT_EQ(glide.steps[i].x - glide.steps[i - 1].x, 22) << i;
    }
    for (const WindowStep& step : glide.steps) {
        EXPECT_EQ(step.height, 18);
        EXPECT_GT(step.width, 0);
    }
}

TEST(TrayGlideRestore, WorkedExample) {
    const TrayGlide glide = RestoreGlide(kRestore, kTaskbar);
    ASSERT_EQ(glide.steps.size(), 20u);
    EXPECT_EQ(glide.steps[0], (WindowStep{728, 580, 0, 18}));
    EXPECT_EQ(glide.steps[18], (WindowStep{332, 220, 144, 18}));
    EXPECT_EQ(glide.steps[19], (WindowStep{300, 200, 165, 422}));
}

TEST(TrayGlideRestore, RetracesTheMinimizePositionsInReverse) {
    // With dx and dy exact (no remainder) the two glides visit the same points.
    const Point restore{150, 200};  // P - restore = (600, 400)
    const TrayGlide out = MinimizeGlide(restore, kTaskbar);
    const TrayGlide back = RestoreGlide(restore, kTaskbar);
    for (std::size_t i = 0; i < 19; ++i) {
        const WindowStep& forward = out.steps[18 - i];
        const WindowStep& reverse = back.steps[i];
        EXPECT_EQ(reverse.x, forward.x) << i;
        EXPECT_EQ(reverse.y, forward.y) << i;
    }
}

TEST(TrayGlideSteps, TruncateTowardZeroWhenTheTaskbarIsAboveAndLeft) {
    // P = (750, 30); P - restore = (-250, -670): dx = -12 (-12.5), dy = -33 (-33.5).
    const Rect topTaskbar{0, 0, 800, 30};
    const TrayGlide glide = MinimizeGlide({1000, 700}, topTaskbar);
    EXPECT_EQ(glide.dx, -12);
    EXPECT_EQ(glide.dy, -33);
    EXPECT_EQ(glide.steps[0], (WindowStep{988, 667, 165, 18}));
    EXPECT_EQ(glide.steps[19], (WindowStep{750, 30, 32, 18}));
    const TrayGlide restore = RestoreGlide({1000, 700}, topTaskbar);
    EXPECT_EQ(restore.steps[0], (WindowStep{762, 63, 0, 18}));
    EXPECT_EQ(restore.steps[19], (WindowStep{1000, 700, 165, 422}));
}

}  // namespace