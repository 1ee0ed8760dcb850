#include "PixelTestSupport.h"

#include <algorithm>
#include <cstdio>
#include <iterator>
#include <string>

int Image::Count(COLORREF colour) const { return static_cast<int>(std::count(pixels.begin(), pixels.end(), colour)); }

RECT Image::InkBox(COLORREF background) const {
    RECT box{width, height, -1, -1};
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            if (At(x, y) == background) continue;
            box.left = std::min<LONG>(box.left, x);
            box.top = std::min<LONG>(box.top, y);
            box.right = std::max<LONG>(box.right, x + 1);
            box.bottom = std::max<LONG>(box.bottom, y + 1);
        }
    }
    return box;
}

Image Image::Part(const RECT& area) const {
    Image part{area.right - area.left, area.bottom - area.top, {}};
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x) part.pixels.push_back(At(x, y));
    return part;
}

testing::AssertionResult SameImage(const Image& actual, const Image& expected) {
    if (actual.width != expected.width || actual.height != expected.height)
        return testing::AssertionFailure() << "size " << actual.width << "x" << actual.height << ", expected "
                                           << expected.width << "x" << expected.height;
    int wrong = 0;
    std::string first;
    for (int y = 0; y < actual.height; ++y) {
        for (int x = 0; x < actual.width; ++x) {
            if (actual.At(x, y) == expected.At(x, y)) continue;
            if (wrong++ == 0) {
                char text[96];
                snprintf(text, sizeof(text), "first at (%d,%d): %06lx, expected %06lx", x, y,
                         static_cast<unsigned long>(actual.At(x, y)), static_cast<unsigned long>(expected.At(x, y)));
                first = text;
            }
        }
    }
    if (wrong == 0) return testing::AssertionSuccess() << "the images are the same";
    return testing::AssertionFailure() << wrong << " pixels differ, " << first;
}

Canvas::Canvas(int width, int height) : m_width(width), m_height(height) {
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

Canvas::~Canvas() {
    SelectObject(m_dc, m_old);
    DeleteObject(m_bitmap);
    DeleteDC(m_dc);
}

namespace {

COLORREF FromBgra(std::uint32_t v) { return RGB((v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF); }

}  // namespace

COLORREF Canvas::Pixel(int x, int y) const {
    GdiFlush();
    return FromBgra(m_bits[y * m_width + x]);
}

Image Canvas::Pixels() const {
    GdiFlush();
    Image image{m_width, m_height, {}};
    std::transform(m_bits, m_bits + m_width * m_height, std::back_inserter(image.pixels), FromBgra);
    return image;
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

void Canvas::Draw(UINT bitmapId) const {
    HBITMAP picture = LoadResourceBitmap(bitmapId);
    SIZE size = BitmapSize(picture);
    HDC source = CreateCompatibleDC(m_dc);
    HGDIOBJ old = SelectObject(source, picture);
    BitBlt(m_dc, 0, 0, size.cx, size.cy, source, 0, 0, SRCCOPY);
    SelectObject(source, old);
    DeleteDC(source);
    DeleteObject(picture);
}

bool Canvas::ShowsBitmap(UINT bitmapId, int x, int y) const {
    HBITMAP glyph = LoadResourceBitmap(bitmapId);
    if (!glyph) return false;
    const SIZE size = BitmapSize(glyph);
    DeleteObject(glyph);
    Canvas expected(size.cx, size.cy);
    expected.Draw(bitmapId);
    return SameImage(Pixels().Part({x, y, x + size.cx, y + size.cy}), expected.Pixels());
}

Image ReadPixels(HDC dc, const RECT& area) {
    Canvas copy(area.right - area.left, area.bottom - area.top);
    BitBlt(copy.Dc(), 0, 0, area.right - area.left, area.bottom - area.top, dc, area.left, area.top, SRCCOPY);
    return copy.Pixels();
}

Image ShownPixels(HWND hwnd) {
    RECT client{};
    GetClientRect(hwnd, &client);
    return ShownPixels(hwnd, client);
}

Image ShownPixels(HWND hwnd, const RECT& area) {
    HDC dc = GetDC(hwnd);
    Image image = ReadPixels(dc, area);
    ReleaseDC(hwnd, dc);
    return image;
}

Image RepaintedPixels(HWND hwnd) {
    RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    return ShownPixels(hwnd);
}

Image RepaintedPixels(HWND hwnd, const RECT& area) {
    RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    return ShownPixels(hwnd, area);
}

Image PrintedPixels(HWND hwnd) {
    RECT client{};
    GetClientRect(hwnd, &client);
    Canvas canvas(client.right, client.bottom);
    SendMessageW(hwnd, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.Dc()), PRF_CLIENT | PRF_ERASEBKGND);
    return canvas.Pixels();
}
