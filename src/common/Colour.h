// Colours as 0x00BBGGRR values, red in the low byte.
#pragma once
#include <cstdint>

using Colour = std::uint32_t;

constexpr Colour MakeColour(unsigned red, unsigned green, unsigned blue) {
    return (red & 0xFFu) | ((green & 0xFFu) << 8) | ((blue & 0xFFu) << 16);
}
constexpr unsigned RedOf(Colour c) { return c & 0xFFu; }
constexpr unsigned GreenOf(Colour c) { return (c >> 8) & 0xFFu; }
constexpr unsigned BlueOf(Colour c) { return (c >> 16) & 0xFFu; }

// The hands' shadow half: each component of the fill divided by 3.
constexpr Colour ShadowOf(Colour fill) { return MakeColour(RedOf(fill) / 3, GreenOf(fill) / 3, BlueOf(fill) / 3); }
