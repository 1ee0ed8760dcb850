#include "clock/Evasion.h"

#include <algorithm>

namespace {

// What a corner does: sideways when a vertical glide would leave the window under the
// pointer, otherwise the glide of the first band the pointer is in.
struct CornerRule {
    bool topCorner;  // top corners also require the pointer in the lower window-height
    Glide sideways;
    Glide nearTop;
    Glide nearBottom;
    Glide nearLeft;
    Glide nearRight;
};

constexpr CornerRule kTopLeftRule{true, Glide::Right, Glide::Down, Glide::Right, Glide::Right, Glide::Down};
constexpr CornerRule kTopRightRule{true, Glide::Left, Glide::Down, Glide::Left, Glide::Down, Glide::Left};
constexpr CornerRule kBottomLeftRule{false, Glide::Right, Glide::Right, Glide::Up, Glide::Right, Glide::Up};
constexpr CornerRule kBottomRightRule{false, Glide::Left, Glide::Left, Glide::Up, Glide::Up, Glide::Left};

Glide CornerGlide(const CornerRule& rule, Point pointerClient, int pointerScreenY, const Rect& window,
                  const Rect& workArea, Point monitorOrigin) {
    const PointerBands bands = EdgeBands(pointerClient);
    const int height = window.Height();
    const bool sideBand = bands.nearLeft || bands.nearRight;
    const bool underBothPlaces =
        pointerScreenY - monitorOrigin.y < height && (!rule.topCorner || pointerScreenY > workArea.bottom - height);
    if (sideBand && underBothPlaces) {
        return rule.sideways;
    }
    if (bands.nearTop) {
        return rule.nearTop;
    }
    if (bands.nearBottom) {
        return rule.nearBottom;
    }
    if (bands.nearLeft) {
        return rule.nearLeft;
    }
    if (bands.nearRight) {
        return rule.nearRight;
    }
    return Glide::None;
}

// Away from the window's edges only a pointer first seen in the narrow outer bands counts.
Glide FreeGlide(Point pointerClient) {
    if (pointerClient.y < kFreeBand) {
        return Glide::Down;
    }
    if (pointerClient.y > kNearBottomY) {
        return Glide::Up;
    }
    if (pointerClient.x < kFreeBand) {
        return Glide::Right;
    }
    if (pointerClient.x > kNearRightX) {
        return Glide::Left;
    }
    return Glide::None;
}

}  // namespace

bool ModifiersHoldEvasion(int mouseFlags) { return mouseFlags == kMouseFlagShift || mouseFlags == kMouseFlagControl; }

Point PullIntoWorkArea(const Rect& window, const Rect& workArea) {
    Point topLeft{std::max(window.left, workArea.left), std::max(window.top, workArea.top)};
    if (window.right > workArea.right) {
        topLeft.x = workArea.right - window.Width();
    }
    if (window.bottom > workArea.bottom) {
        topLeft.y = workArea.bottom - window.Height();
    }
    return topLeft;
}

WindowPlace ClassifyWindowPlace(const Rect& window, const Rect& workArea, Point monitorOrigin) {
    const bool atLeft = window.left == monitorOrigin.x;
    const bool atTop = window.top == monitorOrigin.y;
    const bool atRight = window.right == workArea.right;
    const bool atBottom = window.bottom == workArea.bottom;
    if (atLeft && atTop) {
        return WindowPlace::TopLeftCorner;
    }
    if (atRight && atTop) {
        return WindowPlace::TopRightCorner;
    }
    if (atLeft && atBottom) {
        return WindowPlace::BottomLeftCorner;
    }
    if (atRight && atBottom) {
        return WindowPlace::BottomRightCorner;
    }
    if (atTop || atBottom) {
        return WindowPlace::TopOrBottomEdge;
    }
    if (atLeft || atRight) {
        return WindowPlace::LeftOrRightEdge;
    }
    return WindowPlace::Free;
}

PointerBands EdgeBands(Point pointerClient) {
    return {pointerClient.x<kEdgeBand, pointerClient.x> kNearRightX,
            pointerClient.y<kEdgeBand, pointerClient.y> kNearBottomY};
}

Glide ChooseGlide(WindowPlace place, Point pointerClient, int pointerScreenY, const Rect& window, const Rect& workArea,
                  Point monitorOrigin) {
    const auto corner = [&](const CornerRule& rule) {
        return CornerGlide(rule, pointerClient, pointerScreenY, window, workArea, monitorOrigin);
    };
    switch (place) {
    case WindowPlace::TopLeftCorner: return corner(kTopLeftRule);
    case WindowPlace::TopRightCorner: return corner(kTopRightRule);
    case WindowPlace::BottomLeftCorner: return corner(kBottomLeftRule);
    case WindowPlace::BottomRightCorner: return corner(kBottomRightRule);
    // The work area's right and bottom as the monitor counts them, from its own origin.
    case WindowPlace::TopOrBottomEdge:
        return window.Width() / 2 < (workArea.right - monitorOrigin.x) / 2 ? Glide::Right : Glide::Left;
    case WindowPlace::LeftOrRightEdge:
        return window.Height() / 2 < (workArea.bottom - monitorOrigin.y) / 2 ? Glide::Down : Glide::Up;
    case WindowPlace::Free: return FreeGlide(pointerClient);
    }
    return Glide::None;
}

std::vector<Point> GlidePath(Glide glide, const Rect& window, const Rect& workArea) {
    bool vertical = true;
    int target = 0;
    int step = kGlideStep;
    switch (glide) {
    case Glide::None: return {};
    case Glide::Up:
        target = workArea.top;
        step = -kGlideStep;
        break;
    case Glide::Down: target = workArea.bottom - window.Height(); break;
    case Glide::Left:
        vertical = false;
        target = workArea.left;
        step = -kGlideStep;
        break;
    case Glide::Right:
        vertical = false;
        target = workArea.right - window.Width();
        break;
    }

    const auto at = [&](int coordinate) {
        return vertical ? Point{window.left, coordinate} : Point{coordinate, window.top};
    };
    const auto shortOfTarget = [&](int coordinate) { return step > 0 ? coordinate < target : coordinate > target; };

    std::vector<Point> path;
    for (int c = (vertical ? window.top : window.left) + step; shortOfTarget(c); c += step) {
        path.push_back(at(c));
    }
    path.push_back(at(target));
    return path;
}

EvasionPlan PlanEvasion(const EvasionInput& input) {
    EvasionPlan plan;
    if (!input.escapeEnabled || ModifiersHoldEvasion(input.mouseFlags)) {
        return plan;
    }
    const Rect& window = input.window;
    const int pointerScreenY = window.top + input.pointerClient.y;

    plan.active = true;
    plan.pullTo = PullIntoWorkArea(window, input.workArea);
    // The place is judged from where the window was before the pull; the glide starts
    // from where the pull put it.
    plan.place = ClassifyWindowPlace(window, input.workArea, input.monitorOrigin);
    plan.glide =
        ChooseGlide(plan.place, input.pointerClient, pointerScreenY, window, input.workArea, input.monitorOrigin);
    plan.glidePath = GlidePath(plan.glide, MovedTo(window, plan.pullTo), input.workArea);
    return plan;
}
