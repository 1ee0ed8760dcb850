// A 165 x 422 off-screen picture of the clock face, with direct pixel access.
#pragma once
#include <windows.h>

#include <cstdint>
#include <vector>

class FaceCanvas {
public:
    FaceCanvas(int width = 165, int height = 422);
    ~FaceCanvas();
    FaceCanvas(const FaceCanvas&) = delete;
    FaceCanvas& operator=(const FaceCanvas&) = delete;

    HDC Dc() const { return m_dc; }
    COLORREF Pixel(int x, int y) const;
    std::vector<std::uint32_t> Pixels() const;
    // Copies a bitmap resource to the top-left corner.
    void Draw(UINT bitmapId) const;
    // Whether the block at (x, y) shows exactly the given bitmap resource.
    bool ShowsBitmap(UINT bitmapId, int x, int y) const;
    void ResetMapping() const;

private:
    int m_width;
    int m_height;
    HDC m_dc = nullptr;
    HBITMAP m_bitmap = nullptr;
    HGDIOBJ m_old = nullptr;
    std::uint32_t* m_bits = nullptr;
};
