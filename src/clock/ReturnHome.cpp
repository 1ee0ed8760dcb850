#include "clock/ReturnHome.h"

#include "clock/ScreenPlacement.h"

Point CentreTarget(const Rect& workArea, Size window) {
    // Offset by the work area's own top-left, so a taskbar on the left or at the top
    // does not pull the window off centre.
    return {workArea.left + workArea.Width() / 2 - window.width / 2,
            workArea.top + workArea.Height() / 2 - window.height / 2};
}

std::optional<Point> HomeTarget(int homeMode, Point homePoint, const Rect& workArea, Size window) {
    switch (homeMode) {
    case kHomeCentre: return CentreTarget(workArea, window);
    case kHomePoint: return homePoint;
    default: return std::nullopt;
    }
}

std::vector<Point> ReturnHomePath(Point start, Point target) {
    // Differences in 64 bits: a far home point must not overflow. Every intermediate
    // position lies between start and target, so it fits an int again.
    const long long dx = (static_cast<long long>(target.x) - start.x) / kReturnHomeMoves;
    const long long dy = (static_cast<long long>(target.y) - start.y) / kReturnHomeMoves;
    std::vector<Point> path;
    path.reserve(kReturnHomeMoves);
    for (int i = 0; i < kReturnHomeMoves - 1; ++i) {
        path.push_back({static_cast<int>(start.x + dx * i), static_cast<int>(start.y + dy * i)});
    }
    path.push_back(target);
    return path;
}

ReturnHomePlan PlanReturnHome(const ReturnHomeInput& input) {
    ReturnHomePlan plan;
    if (input.minimized) {
        return plan;
    }
    const Size window{input.window.Width(), input.window.Height()};
    std::optional<Point> target = HomeTarget(input.homeMode, input.homePoint, input.workArea, window);
    if (target && input.homeMode == kHomePoint) {
        target = OnScreenTopLeft(*target, window, input.monitors);
    }
    if (!target || input.window.TopLeft() == *target) {
        return plan;
    }
    plan.move = true;
    plan.target = *target;
    plan.path = ReturnHomePath(input.window.TopLeft(), *target);
    return plan;
}
