// The two isotropic mappings the face is drawn in, and where a logical point lands in
// client pixels.
#pragma once

#include "common/Geometry.h"

// The extents and origin handed to SetWindowExtEx, SetViewportExtEx and SetViewportOrgEx
// after selecting MM_ISOTROPIC.
struct IsotropicMapping {
    Size windowExtent;
    Size viewportExtent;
    Point viewportOrigin;
};

// The clock mapping's units across the window.
inline constexpr int kClockUnitsAcross = 1000;

// Pixels, y down, origin at the top-left corner of the window.
IsotropicMapping BitmapLayerMapping();

// Origin at the clock centre (clientWidth / 2, centreHeight), y up, 1000 units across:
// window extent (1000, 1000), viewport extent (clientWidth, -clientHeight).
IsotropicMapping ClockMapping(int clientWidth, int clientHeight, int centreHeight);

// The client pixel that a logical point maps to. As MM_ISOTROPIC does (for square pixels),
// both axes use the smaller of |viewport / window| extent ratios, each axis keeping the
// sign of its own extents. The device coordinate is rounded to the nearest pixel with
// halves rounded up (toward +infinity); a rasteriser may place an exact half one pixel off.
// A zero extent maps every point to the origin.
Point LogicalToClient(const IsotropicMapping& mapping, Point logical);
