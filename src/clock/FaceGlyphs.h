// Where the built-in glyph bitmaps go on the clock face, in client pixels
// (the bitmap layer: origin at the top-left corner, y down).
#pragma once

#include "common/Geometry.h"

#include <vector>

inline constexpr Point kIllustrationPosition{0, 0};
inline constexpr Point kWeekdayGlyphPosition{60, 19};

enum class DateGlyphKind { Digit, Separator };

struct DateGlyph {
    DateGlyphKind kind;
    int digit;  // 0 to 9 for a digit, 0 for the separator
    Point position;
    friend bool operator==(const DateGlyph&, const DateGlyph&) = default;
};

// The date "month/day" as glyphs from left to right: one or two digits for the month,
// the separator, one or two digits for the day. The four layouts differ by which numbers
// have two digits. A number of more than two digits shows its first and last digit; a
// negative one is shown by its magnitude.
std::vector<DateGlyph> DateGlyphLayout(int month, int day);

// Bitmap resource of a glyph (a digit or the separator).
int DateGlyphResource(const DateGlyph& glyph);

// Bitmap resource of the digit 0 to 9; other values use their last decimal digit.
int DigitGlyphResource(int digit);

// Bitmap resource of the weekday glyph, 0 = Sunday to 6 = Saturday; other values wrap.
int WeekdayGlyphResource(int weekday);
