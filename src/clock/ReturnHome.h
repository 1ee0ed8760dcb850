// The clock window's glide back to its home position, screen pixels.
#pragma once

#include "common/Geometry.h"
#include "common/Monitors.h"
#include "content/ClockSettings.h"

#include <optional>
#include <vector>

inline constexpr int kReturnHomeMoves = 30;

struct ReturnHomeInput {
    int homeMode;
    Point homePoint;  // HomeX, HomeY
    bool minimized;
    Rect window;
    Rect workArea;  // of the monitor the window is on
    // Every monitor: a home point where the window would show on none is taken for the
    // default position on the primary one. None known: the point is taken as it is.
    MonitorLayout monitors;
};

struct ReturnHomePlan {
    // false: no home, minimised, or already home; no sound and no move.
    bool move = false;
    Point target;
    // kReturnHomeMoves top-left positions; the first is the start, the last the target.
    std::vector<Point> path;
};

inline constexpr Size kClockWindowSize{kClockWindowWidth, kClockWindowHeight};

// Top-left that centres a window of `window` (the 165 x 422 clock at 96 DPI) in the work area.
Point CentreTarget(const Rect& workArea, Size window = kClockWindowSize);

// The top-left the window returns to; none for home mode 0 or an unknown mode.
std::optional<Point> HomeTarget(int homeMode, Point homePoint, const Rect& workArea, Size window = kClockWindowSize);

// Steps of (target - start) / 30, truncated toward zero, from the start; the last move
// lands on the target exactly.
std::vector<Point> ReturnHomePath(Point start, Point target);

ReturnHomePlan PlanReturnHome(const ReturnHomeInput& input);
