#include "ui/Shape.h"

#include "ui/Gdi.h"

namespace ui {

void SetWindowShape(HWND hwnd, std::span<const ShapePiece> pieces) {
    gdi::Region shape(CreateRectRgn(0, 0, 0, 0));
    for (const ShapePiece& piece : pieces) {
        const RECT& b = piece.bounds;
        gdi::Region part(piece.ellipse ? CreateEllipticRgn(b.left, b.top, b.right, b.bottom)
                                       : CreateRectRgn(b.left, b.top, b.right, b.bottom));
        CombineRgn(shape.Get(), shape.Get(), part.Get(), RGN_OR);
    }
    SetWindowRgn(hwnd, shape.Release(), TRUE);
}

LRESULT FaceDragHitTest(HWND hwnd, LPARAM point, bool leftButtonDown) {
    LRESULT hit = DefWindowProcW(hwnd, WM_NCHITTEST, 0, point);
    return hit == HTCLIENT && leftButtonDown ? HTCAPTION : hit;
}

}  // namespace ui
