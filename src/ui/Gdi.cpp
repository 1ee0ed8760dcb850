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

Icon& Icon::operator=(Icon&& other) noexcept {
    if (this != &other) {
        Reset();
        m_icon = std::exchange(other.m_icon, nullptr);
    }
    return *this;
}

void Icon::Reset() {
    if (m_icon) {
        DestroyIcon(m_icon);
        CountReleased();
        m_icon = nullptr;
    }
}

Menu& Menu::operator=(Menu&& other) noexcept {
    if (this != &other) {
        Reset();
        m_menu = std::exchange(other.m_menu, nullptr);
    }
    return *this;
}

void Menu::Reset() {
    if (m_menu) {
        DestroyMenu(m_menu);
        m_menu = nullptr;
    }
}

}  // namespace ui::gdi
