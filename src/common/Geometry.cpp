#include "common/Geometry.h"

#include <ostream>

Rect MovedTo(const Rect& rect, Point topLeft) {
    return {topLeft.x, topLeft.y, topLeft.x + rect.Width(), topLeft.y + rect.Height()};
}

std::ostream& operator<<(std::ostream& out, const Point& point) {
    return out << '(' << point.x << ", " << point.y << ')';
}

std::ostream& operator<<(std::ostream& out, const Size& size) { return out << size.width << " x " << size.height; }

std::ostream& operator<<(std::ostream& out, const Rect& rect) {
    return out << '(' << rect.left << ", " << rect.top << ", " << rect.right << ", " << rect.bottom << ')';
}
