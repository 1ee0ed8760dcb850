// Numbers for drawing the clock face: the window shape, the hands and the Roman numerals.
// Hand and numeral coordinates are in the clock mapping (see FaceMapping.h): origin at the
// clock centre, y up, 1000 units across the window.
#pragma once

#include "common/Colour.h"
#include "common/Geometry.h"

#include <array>

// ---- Window shape ------------------------------------------------------------------------

enum class RegionShape { Ellipse, Rectangle };

struct RegionPiece {
    RegionShape shape;
    Rect bounds;  // client pixels, as handed to the region-creation call
};

// OR-combined, these give the 165 x 422 window with corners rounded by 18 x 18 ellipses.
// The ellipses reach one pixel past the window because elliptic regions stop short of
// their bounding box's right and bottom edges.
inline constexpr std::array<RegionPiece, 6> kWindowRegionPieces = {{
    {RegionShape::Ellipse, {0, 0, 18, 18}},
    {RegionShape::Ellipse, {148, 0, 166, 18}},
    {RegionShape::Ellipse, {0, 405, 18, 423}},
    {RegionShape::Ellipse, {148, 405, 166, 423}},
    {RegionShape::Rectangle, {0, 6, 165, 417}},
    {RegionShape::Rectangle, {6, 0, 159, 423}},
}};

// ---- Hands -------------------------------------------------------------------------------

struct HandShape {
    int length;
    int divisor;  // tail length and half-width are length / divisor
};

inline constexpr HandShape kHourHand{320, 8};
inline constexpr HandShape kMinuteHand{440, 12};
inline constexpr HandShape kSecondHand{450, 8};

// A kite: tip, right (clockwise side), back (tail) and left points.
struct HandPoints {
    Point tip;
    Point right;
    Point back;
    Point left;
};

// The line of the second hand, drawn from the tip back through the centre.
struct SecondHandPoints {
    Point tip;
    Point back;
};

// Degrees clockwise from twelve o'clock for each hand.
struct HandAngles {
    int hour;
    int minute;
    int second;
};

// The radians factor is the one the face has always used; it is a little under pi / 180,
// so tips that should lie on an axis at 3, 6 and 9 o'clock fall one unit short.
inline constexpr double kRadiansPerDegree = 0.017453292;

// Tip = (trunc(L sin t), trunc(L cos t)); the other points follow from -tip / divisor.
// A divisor of 0 collapses the kite onto the line from the centre to the tip.
HandPoints ComputeHandPoints(HandShape hand, int angleDegrees);
SecondHandPoints ComputeSecondHandPoints(HandShape hand, int angleDegrees);

// Hour 0 and 12 are the same; minute / 2 is integer division, so the hour hand moves
// in whole degrees every two minutes.
HandAngles HandAnglesFor(int hour, int minute, int second);

// ---- Roman numerals ----------------------------------------------------------------------

inline constexpr Colour kNumeralColour = MakeColour(0, 0, 0);
inline constexpr Colour kNumeralPaleColour = MakeColour(254, 252, 180);

struct NumeralEntry {
    int escapement;  // tenths of a degree, the font's lfEscapement
    const wchar_t* text;
    Point anchor;  // 450 x (sin, cos) of the clock angle, rounded
};

inline constexpr std::array<NumeralEntry, 12> kRomanNumerals = {{
    {0, L"XII", {0, 450}},
    {300, L"I", {225, 390}},
    {600, L"II", {390, 225}},
    {900, L"III", {450, 0}},
    {1200, L"IV", {390, -225}},
    {1500, L"V", {225, -390}},
    {1800, L"VI", {0, -450}},
    {2100, L"VII", {-225, -390}},
    {2400, L"VIII", {-390, -225}},
    {2700, L"IX", {-450, 0}},
    {3000, L"X", {-390, 225}},
    {3300, L"XI", {-225, 390}},
}};

// The pale copy drawn first lies 6 units right of and 6 units below the numeral.
inline constexpr Point kPaleCopyOffset{6, -6};
Point PaleCopyPoint(Point anchor);

// lfHeight for the numerals: MulDiv(lfHeight x 4, dpi, 72). lfHeight x 4 is formed without
// wrapping; a height too large to scale gives -1, the same answer MulDiv gives on overflow.
int NumeralFontHeight(int lfHeight, int dpi);

// number x numerator / denominator with a 64-bit intermediate, rounded to the nearest
// integer with halves away from zero; -1 for a zero denominator or a result outside int.
int MulDivRounded(int number, int numerator, int denominator);
