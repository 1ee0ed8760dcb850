// Move-only owners of GDI objects and device contexts. Each counts itself while
// it holds a handle, so tests can check that painting leaks nothing (Wine's
// GetGuiResources always answers 0).
#pragma once
#include <windows.h>

#include <utility>

namespace ui::gdi {

long LiveObjects();  // handles currently owned by the types below
void CountCreated(bool created);
void CountReleased();

template <class Handle>
class Object {
public:
    Object() = default;
    explicit Object(Handle handle) : m_handle(handle) { CountCreated(handle != nullptr); }
    Object(Object&& other) noexcept : m_handle(std::exchange(other.m_handle, nullptr)) {}
    Object& operator=(Object&& other) noexcept {
        if (this != &other) {
            Reset();
            m_handle = std::exchange(other.m_handle, nullptr);
        }
        return *this;
    }
    Object(const Object&) = delete;
    Object& operator=(const Object&) = delete;
    ~Object() { Reset(); }

    Handle Get() const { return m_handle; }
    explicit operator bool() const { return m_handle != nullptr; }
    // The caller (or the system, as SetWindowRgn does) takes the handle over; it is no longer counted.
    Handle Release() {
        if (m_handle) CountReleased();
        return std::exchange(m_handle, nullptr);
    }
    void Reset() {
        if (m_handle) {
            DeleteObject(m_handle);
            CountReleased();
            m_handle = nullptr;
        }
    }

private:
    Handle m_handle = nullptr;
};

using Pen = Object<HPEN>;
using Brush = Object<HBRUSH>;
using Font = Object<HFONT>;
using Bitmap = Object<HBITMAP>;
using Region = Object<HRGN>;

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

class Icon {
public:
    Icon() = default;
    explicit Icon(HICON icon) : m_icon(icon) { CountCreated(icon != nullptr); }
    Icon(Icon&& other) noexcept : m_icon(std::exchange(other.m_icon, nullptr)) {}
    Icon& operator=(Icon&& other) noexcept;
    Icon(const Icon&) = delete;
    Icon& operator=(const Icon&) = delete;
    ~Icon() { Reset(); }
    HICON Get() const { return m_icon; }
    explicit operator bool() const { return m_icon != nullptr; }
    void Reset();

private:
    HICON m_icon = nullptr;
};

class Menu {
public:
    Menu() = default;
    explicit Menu(HMENU menu) : m_menu(menu) {}
    Menu(Menu&& other) noexcept : m_menu(std::exchange(other.m_menu, nullptr)) {}
    Menu& operator=(Menu&& other) noexcept;
    Menu(const Menu&) = delete;
    Menu& operator=(const Menu&) = delete;
    ~Menu() { Reset(); }
    HMENU Get() const { return m_menu; }
    void Reset();

private:
    HMENU m_menu = nullptr;
};

}  // namespace ui::gdi
