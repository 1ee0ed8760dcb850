// Plain integer geometry shared by the clock window's layout, evasion and glide code.
#pragma once

#include <iosfwd>

struct Point {
    int x = 0;
    int y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

struct Size {
    int width = 0;
    int height = 0;
    friend bool operator==(const Size&, const Size&) = default;
};

// Left and top inclusive, right and bottom exclusive, as window rectangles are.
struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    constexpr int Width() const { return right - left; }
    constexpr int Height() const { return bottom - top; }
    constexpr Point TopLeft() const { return {left, top}; }
    friend bool operator==(const Rect&, const Rect&) = default;
};

// The same rectangle with its top-left corner at `topLeft`.
Rect MovedTo(const Rect& rect, Point topLeft);

// The clock window is a fixed 165 x 422 pixel picture without border.
inline constexpr int kClockWindowWidth = 165;
inline constexpr int kClockWindowHeight = 422;

std::ostream& operator<<(std::ostream& out, const Point& point);
std::ostream& operator<<(std::ostream& out, const Size& size);
std::ostream& operator<<(std::ostream& out, const Rect& rect);
