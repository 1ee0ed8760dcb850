#include "clock/TrayGlide.h"

#include <ostream>

namespace {

constexpr int kWidthStep = 8;

// origin + delta x count; the glides only visit points between restore and P, which fit an
// int even where the product alone would not.
int Advance(int origin, int delta, int count) {
    return static_cast<int>(origin + static_cast<long long>(delta) * count);
}

// P, dx and dy; the steps are left to the caller.
TrayGlide GlideBetween(Point restore, const Rect& taskbar) {
    const Point target = TrayTarget(taskbar);
    const long long dx = (static_cast<long long>(target.x) - restore.x) / kTrayGlideMoves;
    const long long dy = (static_cast<long long>(target.y) - restore.y) / kTrayGlideMoves;
    return {target, static_cast<int>(dx), static_cast<int>(dy), {}};
}

}  // namespace

Point TrayTarget(const Rect& taskbar) { return {taskbar.right - 50, taskbar.bottom}; }

TrayGlide MinimizeGlide(Point restore, const Rect& taskbar) {
    TrayGlide glide = GlideBetween(restore, taskbar);
    glide.steps.reserve(kTrayGlideMoves);
    for (int i = 0; i < kTrayGlideMoves - 1; ++i) {
        glide.steps.push_back({Advance(restore.x, glide.dx, i + 1), Advance(restore.y, glide.dy, i + 1),
                               kMinimizedStripSize.width - kWidthStep * i, kMinimizedStripSize.height});
    }
    glide.steps.push_back({glide.target.x, glide.target.y, kMinimizedEndSize.width, kMinimizedEndSize.height});
    return glide;
}

TrayGlide RestoreGlide(Point restore, const Rect& taskbar) {
    TrayGlide glide = GlideBetween(restore, taskbar);
    glide.steps.reserve(kTrayGlideMoves);
    for (int i = 0; i < kTrayGlideMoves - 1; ++i) {
        glide.steps.push_back({Advance(glide.target.x, -glide.dx, i + 1), Advance(glide.target.y, -glide.dy, i + 1),
                               kWidthStep * i, kMinimizedStripSize.height});
    }
    glide.steps.push_back({restore.x, restore.y, kClockWindowWidth, kClockWindowHeight});
    return glide;
}

std::ostream& operator<<(std::ostream& out, const WindowStep& step) {
    return out << '(' << step.x << ", " << step.y << ") " << step.width << " x " << step.height;
}
