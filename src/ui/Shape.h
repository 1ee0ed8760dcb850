// Window shapes made of ellipses and rectangles.
#pragma once
#include <windows.h>

#include <span>

namespace ui {

struct ShapePiece {
    bool ellipse;  // else a rectangle
    RECT bounds;   // client pixels, as the region calls take them
};

// OR-combines the pieces into one region and gives it to the window, which owns it from then on.
void SetWindowShape(HWND hwnd, std::span<const ShapePiece> pieces);

}  // namespace ui
