// Evading the mouse pointer: which edge of the work area the clock window glides to when
// the pointer enters it, and the positions of that glide.
// All rectangles and points are screen pixels unless named client.
#pragma once

#include "common/Geometry.h"

#include <vector>

// Mouse-message key flags (the MK_ values).
inline constexpr int kMouseFlagShift = 0x0004;
inline constexpr int kMouseFlagControl = 0x0008;

// Pointer bands, client pixels of the 165 x 422 window.
inline constexpr int kEdgeBand = 20;
inline constexpr int kFreeBand = 10;
inline constexpr int kNearRightX = kClockWindowWidth - kEdgeBand;    // 145
inline constexpr int kNearBottomY = kClockWindowHeight - kEdgeBand;  // 402

inline constexpr int kGlideStep = 10;

enum class Glide { None, Up, Down, Left, Right };

// Where the window lies. Left and top are compared with the origin of the monitor it is
// on (the screen origin on the primary one), right and bottom with its work area.
enum class WindowPlace {
    TopLeftCorner,
    TopRightCorner,
    BottomLeftCorner,
    BottomRightCorner,
    TopOrBottomEdge,
    LeftOrRightEdge,
    Free,
};

struct PointerBands {
    bool nearLeft;
    bool nearRight;
    bool nearTop;
    bool nearBottom;
};

struct EvasionInput {
    bool escapeEnabled;   // the Escape setting
    int mouseFlags;       // key flags of the mouse move
    Point pointerClient;  // pointer in client pixels of the 96-DPI window
    Rect window;          // window rectangle
    Rect workArea;        // of the monitor the window is on
    Point monitorOrigin;  // that monitor's top-left; (0, 0) for the primary one
};

struct EvasionPlan {
    // false: evasion is off or Shift or Ctrl alone is held; nothing moves at all.
    bool active = false;
    // The window is first moved here (pulled into the work area), whether or not it glides.
    Point pullTo;
    WindowPlace place = WindowPlace::Free;
    Glide glide = Glide::None;
    // Positions of the glide after the pull; empty when there is no glide.
    std::vector<Point> glidePath;
};

// Shift alone or Ctrl alone holds evasion back; both together, or either with a mouse
// button, do not.
bool ModifiersHoldEvasion(int mouseFlags);

// Top-left of the window moved back inside the work area.
Point PullIntoWorkArea(const Rect& window, const Rect& workArea);

WindowPlace ClassifyWindowPlace(const Rect& window, const Rect& workArea, Point monitorOrigin = {});

// The 20-pixel bands that the corner classes use.
PointerBands EdgeBands(Point pointerClient);

// Which way to glide. pointerScreenY is only read by the corner classes, to send the
// window sideways when a vertical glide would leave it under the pointer.
Glide ChooseGlide(WindowPlace place, Point pointerClient, int pointerScreenY, const Rect& window, const Rect& workArea,
                  Point monitorOrigin = {});

// Positions a glide moves the window through: steps of 10 from the window's coordinate
// while short of the target, then the target exactly. Never passes the target.
std::vector<Point> GlidePath(Glide glide, const Rect& window, const Rect& workArea);

// The whole reaction to a mouse move over the window. The window is borderless, so the
// pointer's screen position is the window's top-left plus the client point.
EvasionPlan PlanEvasion(const EvasionInput& input);
