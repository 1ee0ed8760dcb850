// Pixels read back from windows, device contexts and off-screen canvases, and
// images compared pixel by pixel.
#pragma once
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

// Pixels as COLORREF values, row by row.
struct Image {
    int width = 0;
    int height = 0;
    std::vector<COLORREF> pixels;

    COLORREF At(int x, int y) const { return pixels[static_cast<size_t>(y * width + x)]; }
    int Count(COLORREF colour) const;
    int CountOther(COLORREF colour) const { return static_cast<int>(pixels.size()) - Count(colour); }
    RECT InkBox(COLORREF background) const;  // the bounding box of every pixel not the background
    Image Part(const RECT& area) const;
};

// Same size and every pixel the same; else says how many differ and where the first is.
testing::AssertionResult SameImage(const Image& actual, const Image& expected);

// A 32-bit top-down off-screen picture with direct access to its pixels.
class Canvas {
public:
    Canvas(int width, int height);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    HDC Dc() const { return m_dc; }
    COLORREF Pixel(int x, int y) const;
    Image Pixels() const;
    void Draw(UINT bitmapId) const;  // a bitmap resource at the top-left corner
    // Whether the block at (x, y) shows exactly the given bitmap resource.
    bool ShowsBitmap(UINT bitmapId, int x, int y) const;

private:
    int m_width;
    int m_height;
    HDC m_dc = nullptr;
    HBITMAP m_bitmap = nullptr;
    HGDIOBJ m_old = nullptr;
    std::uint32_t* m_bits = nullptr;
};

Image ReadPixels(HDC dc, const RECT& area);
// What the window's client area shows on the screen now (all of it, or `area`).
Image ShownPixels(HWND hwnd);
Image ShownPixels(HWND hwnd, const RECT& area);
// The same after a full repaint of the window.
Image RepaintedPixels(HWND hwnd);
Image RepaintedPixels(HWND hwnd, const RECT& area);
// The client area as the window paints it into a canvas through WM_PRINTCLIENT.
Image PrintedPixels(HWND hwnd);
