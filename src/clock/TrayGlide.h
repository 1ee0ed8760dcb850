// The clock window's glides into the taskbar's notification corner and back, screen pixels.
#pragma once

#include "common/Geometry.h"

#include <vector>

inline constexpr int kTrayGlideMoves = 20;
inline constexpr Size kMinimizedStripSize{kClockWindowWidth, 18};
inline constexpr Size kMinimizedEndSize{32, 18};

// One SetWindowPos of a glide: position and size.
struct WindowStep {
    int x;
    int y;
    int width;
    int height;
    friend bool operator==(const WindowStep&, const WindowStep&) = default;
};

struct TrayGlide {
    Point target;  // P = (taskbar right - 50, taskbar bottom)
    int dx;        // (P - restore) / 20, truncated toward zero
    int dy;
    std::vector<WindowStep> steps;  // kTrayGlideMoves steps
};

// Where the window disappears into and reappears from.
Point TrayTarget(const Rect& taskbar);

// From the restore position (the window already shrunk to kMinimizedStripSize in place)
// to P: 19 steps narrowing by 8 pixels from 165, then P at 32 x 18.
TrayGlide MinimizeGlide(Point restore, const Rect& taskbar);

// Back from P: 19 steps widening by 8 pixels from 0, then the restore position at the
// full window size.
TrayGlide RestoreGlide(Point restore, const Rect& taskbar);

std::ostream& operator<<(std::ostream& out, const WindowStep& step);
