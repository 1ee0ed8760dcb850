// Borderless windows: shapes made of ellipses and rectangles, and dragging by the face.
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

// The answer to WM_NCHITTEST of a window dragged by any point of its face: the
// default answer, but the caption for the client area while the left button is down.
LRESULT FaceDragHitTest(HWND hwnd, LPARAM point, bool leftButtonDown);

}  // namespace ui
