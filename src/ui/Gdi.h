// Move-only owners of GDI objects and device contexts. Each counts itself while
// it holds a handle, so tests can check that painting leaks nothing (Wine's
// GetGuiResources always answers 0).
#pragma once
#include <windows.h>
#include <commctrl.h>

#include <utility>

namespace ui::gdi {

long LiveObjects();  // handles currently owned by the types below
void CountCreated(bool created);
void CountReleased();

inline void DeleteGdiObject(HGDIOBJ handle) { DeleteObject(handle); }
inline void DestroyIconHandle(HICON handle) { DestroyIcon(handle); }
inline void DestroyMenuHandle(HMENU handle) { DestroyMenu(handle); }
inline void DestroyImageListHandle(HIMAGELIST handle) { ImageList_Destroy(handle); }

// Owns one handle and releases it with `ReleaseFn`; counted while it holds one.
template <class Handle, auto ReleaseFn>
class Owner {
public:
    Owner() = default;
    explicit Owner(Handle handle) : m_handle(handle) { CountCreated(handle != nullptr); }
    Owner(Owner&& other) noexcept : m_handle(std::exchange(other.m_handle, nullptr)) {}
    Owner& operator=(Owner&& other) noexcept {
        if (this != &other) {
            Reset();
            m_handle = std::exchange(other.m_handle, nullptr);
        }
        return *this;
    }
    Owner(const Owner&) = delete;
    Owner& operator=(const Owner&) = delete;
    ~Owner() { Reset(); }

    Handle Get() const { return m_handle; }
    explicit operator bool() const { return m_handle != nullptr; }
    // The caller (or the system, as SetWindowRgn does) takes the handle over; it is no longer counted.
    Handle Release() {
        if (m_handle) CountReleased();
        return std::exchange(m_handle, nullptr);
    }
    void Reset() {
        if (m_handle) {
            ReleaseFn(m_handle);
            CountReleased();
            m_handle = nullptr;
        }
    }

private:
    Handle m_handle = nullptr;
};

using Pen = Owner<HPEN, &DeleteGdiObject>;
using Brush = Owner<HBRUSH, &DeleteGdiObject>;
using Font = Owner<HFONT, &DeleteGdiObject>;
using Bitmap = Owner<HBITMAP, &DeleteGdiObject>;
using Region = Owner<HRGN, &DeleteGdiObject>;
using Palette = Owner<HPALETTE, &DeleteGdiObject>;
using Icon = Owner<HICON, &DestroyIconHandle>;
using Menu = Owner<HMENU, &DestroyMenuHandle>;
using ImageList = Owner<HIMAGELIST, &DestroyImageListHandle>;

inline Pen MakePen(int style, int width, COLORREF colour) { return Pen(CreatePen(style, width, colour)); }
inline Brush MakeSolidBrush(COLORREF colour) { return Brush(CreateSolidBrush(colour)); }

// Selects an object into a DC and restores what it replaced.
class Select {
public:
    Select(HDC dc, HGDIOBJ object) : m_dc(dc), m_old(SelectObject(dc, object)) {}
    Select(const Select&) = delete;
    Select& operator=(const Select&) = delete;
    ~Select() {
        if (m_old) SelectObject(m_dc, m_old);
    }

private:
    HDC m_dc;
    HGDIOBJ m_old;
};

// Saves a DC's state (mapping, clipping, selected objects) and restores it when it goes.
class SavedState {
public:
    explicit SavedState(HDC dc) : m_dc(dc), m_saved(SaveDC(dc)) {}
    SavedState(const SavedState&) = delete;
    SavedState& operator=(const SavedState&) = delete;
    ~SavedState() {
        if (m_saved) RestoreDC(m_dc, m_saved);
    }

private:
    HDC m_dc;
    int m_saved;
};

// Copies a bitmap to (x, y) at its own size.
void DrawBitmap(HDC dc, HBITMAP bitmap, int x, int y);
// Copies a bitmap into width x height at (x, y); a bitmap of another size is scaled
// smoothly (halftone).
void DrawBitmapScaled(HDC dc, HBITMAP bitmap, int x, int y, int width, int height);
// A bitmap's size in pixels; (0, 0) for none.
SIZE BitmapSize(HBITMAP bitmap);
// A copy of the bitmap scaled smoothly to width x height (a 24-bit DIB section).
Bitmap ScaledCopy(HBITMAP bitmap, int width, int height);
// A one-pixel frame: its top and left edges in one colour, its bottom and right edges
// (the two far corners included) in the other.
void Draw3dRect(HDC dc, const RECT& r, COLORREF topLeft, COLORREF bottomRight);

class MemoryDC {
public:
    explicit MemoryDC(HDC compatible);
    MemoryDC(const MemoryDC&) = delete;
    MemoryDC& operator=(const MemoryDC&) = delete;
    ~MemoryDC();
    HDC Get() const { return m_dc; }

private:
    HDC m_dc = nullptr;
};

class ClientDC {
public:
    explicit ClientDC(HWND hwnd);
    ClientDC(const ClientDC&) = delete;
    ClientDC& operator=(const ClientDC&) = delete;
    ~ClientDC();
    HDC Get() const { return m_dc; }

private:
    HWND m_hwnd = nullptr;
    HDC m_dc = nullptr;
};

class PaintDC {
public:
    explicit PaintDC(HWND hwnd);
    PaintDC(const PaintDC&) = delete;
    PaintDC& operator=(const PaintDC&) = delete;
    ~PaintDC();
    HDC Get() const { return m_dc; }
    const PAINTSTRUCT& Info() const { return m_paint; }

private:
    HWND m_hwnd = nullptr;
    PAINTSTRUCT m_paint{};
    HDC m_dc = nullptr;
};

}  // namespace ui::gdi
