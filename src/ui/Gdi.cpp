#include "ui/Gdi.h"

namespace ui::gdi {

namespace {
long g_live = 0;  // the user-interface thread is the only one that paints
}

long LiveObjects() { return g_live; }
void CountCreated(bool created) {
    if (created) ++g_live;
}
void CountReleased() { --g_live; }

namespace {

void FillSolid(HDC dc, const RECT& r, COLORREF colour) {
    SetBkColor(dc, colour);
    ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &r, nullptr, 0, nullptr);
}

}  // namespace

void DrawBitmap(HDC dc, HBITMAP bitmap, int x, int y) {
    BITMAP info{};
    if (!bitmap || !GetObjectW(bitmap, sizeof(info), &info)) return;
    MemoryDC memory(dc);
    Select select(memory.Get(), bitmap);
    BitBlt(dc, x, y, info.bmWidth, info.bmHeight, memory.Get(), 0, 0, SRCCOPY);
}

SIZE BitmapSize(HBITMAP bitmap) {
    BITMAP info{};
    if (!bitmap || !GetObjectW(bitmap, sizeof(info), &info)) return {0, 0};
    return {info.bmWidth, info.bmHeight};
}

void DrawBitmapScaled(HDC dc, HBITMAP bitmap, int x, int y, int width, int height) {
    const SIZE size = BitmapSize(bitmap);
    if (size.cx == width && size.cy == height) return DrawBitmap(dc, bitmap, x, y);
    if (size.cx <= 0 || size.cy <= 0) return;
    MemoryDC memory(dc);
    Select select(memory.Get(), bitmap);
    int mode = SetStretchBltMode(dc, HALFTONE);
    POINT brushOrigin{};
    SetBrushOrgEx(dc, 0, 0, &brushOrigin);  // as HALFTONE asks
    StretchBlt(dc, x, y, width, height, memory.Get(), 0, 0, size.cx, size.cy, SRCCOPY);
    SetBrushOrgEx(dc, brushOrigin.x, brushOrigin.y, nullptr);
    SetStretchBltMode(dc, mode);
}

Bitmap ScaledCopy(HBITMAP bitmap, int width, int height) {
    if (!bitmap || width <= 0 || height <= 0) return {};
    BITMAPINFO format{};
    format.bmiHeader.biSize = sizeof(format.bmiHeader);
    format.bmiHeader.biWidth = width;
    format.bmiHeader.biHeight = height;
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 24;
    format.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    Bitmap copy(CreateDIBSection(nullptr, &format, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!copy) return {};
    MemoryDC target(nullptr);
    Select select(target.Get(), copy.Get());
    DrawBitmapScaled(target.Get(), bitmap, 0, 0, width, height);
    return copy;
}

void Draw3dRect(HDC dc, const RECT& r, COLORREF topLeft, COLORREF bottomRight) {
    const COLORREF background = GetBkColor(dc);
    FillSolid(dc, {r.left, r.top, r.right - 1, r.top + 1}, topLeft);
    FillSolid(dc, {r.left, r.top, r.left + 1, r.bottom - 1}, topLeft);
    FillSolid(dc, {r.right - 1, r.top, r.right, r.bottom}, bottomRight);
    FillSolid(dc, {r.left, r.bottom - 1, r.right, r.bottom}, bottomRight);
    SetBkColor(dc, background);
}

MemoryDC::MemoryDC(HDC compatible) : m_dc(CreateCompatibleDC(compatible)) { CountCreated(m_dc != nullptr); }
MemoryDC::~MemoryDC() {
    if (m_dc) {
        DeleteDC(m_dc);
        CountReleased();
    }
}

ClientDC::ClientDC(HWND hwnd) : m_hwnd(hwnd), m_dc(GetDC(hwnd)) { CountCreated(m_dc != nullptr); }
ClientDC::~ClientDC() {
    if (m_dc) {
        ReleaseDC(m_hwnd, m_dc);
        CountReleased();
    }
}

PaintDC::PaintDC(HWND hwnd) : m_hwnd(hwnd), m_dc(BeginPaint(hwnd, &m_paint)) { CountCreated(m_dc != nullptr); }
PaintDC::~PaintDC() {
    if (m_dc) {
        EndPaint(m_hwnd, &m_paint);
        CountReleased();
    }
}

}  // namespace ui::gdi
