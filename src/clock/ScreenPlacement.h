// Where the clock window may stand among the desktop's monitors, screen pixels.
#pragma once

#include "common/Geometry.h"
#include "common/Monitors.h"

// The top-left of a first start: the default position in the primary monitor's work area.
Point PrimaryDefaultTopLeft(const MonitorLayout& monitors);

// The top-left the window takes for `wanted`: kept when a window of `size` there shows
// on some monitor, even in part (the user may keep it half off the screen); otherwise,
// lost off every monitor, the default position on the primary one.
Point OnScreenTopLeft(Point wanted, Size size, const MonitorLayout& monitors);
