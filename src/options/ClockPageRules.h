// What the clock page keeps: the hands' colours as a picker reports them, and the
// range and standard value of the clock's height.
#pragma once
#include <cstdint>

#include "common/Colour.h"

// The track bar's range: the clock's centre, in pixels from the top of the window.
inline constexpr int kLowestClockHeight = 120;
inline constexpr int kHighestClockHeight = 320;
inline constexpr int kStandardClockHeight = 220;

inline constexpr Colour kStandardLineColour = MakeColour(0, 0, 0);
inline constexpr Colour kStandardFillColour = MakeColour(179, 158, 93);

struct HandColours {
    Colour line = kStandardLineColour;
    Colour fill = kStandardFillColour;
    Colour shadow = ShadowOf(kStandardFillColour);  // always follows the fill

    friend bool operator==(const HandColours&, const HandColours&) = default;
};

enum class HandPart { Line, Fill };

// The colours after a picker reported `chosen` (a COLORREF; "自動" arrives as
// 0xFF000000). Only the red, green and blue bytes count: black, and so the automatic
// choice, stands for the standard colour of that part.
HandColours TakeChosenColour(HandColours colours, HandPart part, std::uint32_t chosen);
