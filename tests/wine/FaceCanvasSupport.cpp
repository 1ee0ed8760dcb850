#include "FaceCanvasSupport.h"

FaceCanvas::FaceCanvas(int width, int height) : m_width(width), m_height(height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    HDC screen = GetDC(nullptr);
    m_dc = CreateCompatibleDC(screen);
    ReleaseDC(nullptr, screen);
    void* bits = nullptr;
    m_bitmap = CreateDIBSection(m_dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    m_bits = static_cast<std::uint32_t*>(bits);
    m_old = SelectObject(m_dc, m_bitmap);
}

FaceCanvas::~FaceCanvas() {
    SelectObject(m_dc, m_old);
    DeleteObject(m_bitmap);
    DeleteDC(m_dc);
}

COLORREF FaceCanvas::Pixel(int x, int y) const {
    GdiFlush();
    std::uint32_t v = m_bits[y * m_width + x];
    return RGB((v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF);
}

std::vector<std::uint32_t> FaceCanvas::Pixels() const {
    GdiFlush();
    std::vector<std::uint32_t> copy(m_bits, m_bits + m_width * m_height);
    for (auto& v : copy) v &= 0xFFFFFF;
    return copy;
}

namespace {

HBITMAP LoadResourceBitmap(UINT bitmapId) {
    return static_cast<HBITMAP>(
        LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(bitmapId), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
}

SIZE BitmapSize(HBITMAP bitmap) {
    BITMAP info{};
    GetObjectW(bitmap, sizeof(info), &info);
    return {info.bmWidth, info.bmHeight};
}

}  // namespace

void FaceCanvas::Draw(UINT bitmapId) const {
    HBITMAP picture = LoadResourceBitmap(bitmapId);
    SIZE size = BitmapSize(picture);
    HDC source = CreateCompatibleDC(m_dc);
    HGDIOBJ old = SelectObject(source, picture);
    BitBlt(m_dc, 0, 0, size.cx, size.cy, source, 0, 0, SRCCOPY);
    SelectObject(source, old);
    DeleteDC(source);
    DeleteObject(picture);
}

bool FaceCanvas::ShowsBitmap(UINT bitmapId, int x, int y) const {
    HBITMAP glyph = LoadResourceBitmap(bitmapId);
    if (!glyph) return false;
    const SIZE size = BitmapSize(glyph);
    DeleteObject(glyph);
    FaceCanvas expected(size.cx, size.cy);
    expected.Draw(bitmapId);
    for (int gy = 0; gy < size.cy; ++gy)
        for (int gx = 0; gx < size.cx; ++gx)
            if (Pixel(x + gx, y + gy) != expected.Pixel(gx, gy)) return false;
    return true;
}

void FaceCanvas::ResetMapping() const {
    SetMapMode(m_dc, MM_TEXT);
    SetViewportOrgEx(m_dc, 0, 0, nullptr);
    SetWindowOrgEx(m_dc, 0, 0, nullptr);
}
