#include "ui/BufferDC.h"

namespace ui::gdi {

namespace {

bool IsPrinter(HDC dc) { return GetDeviceCaps(dc, TECHNOLOGY) == DT_RASPRINTER; }

}  // namespace

BufferDC::BufferDC(HDC target) : m_target(target), m_buffered(target && !IsPrinter(target)) {
    if (!m_buffered) return;
    GetClipBox(target, &m_rect);
    m_memory.emplace(target);
    m_bitmap = Bitmap(CreateCompatibleBitmap(target, m_rect.right - m_rect.left, m_rect.bottom - m_rect.top));
    if (!m_memory->Get() || !m_bitmap) {
        // Out of resources: paint straight into the target rather than not at all.
        m_bitmap.Reset();
        m_memory.reset();
        m_buffered = false;
        return;
    }
    m_selection.emplace(m_memory->Get(), m_bitmap.Get());
    SetWindowOrgEx(m_memory->Get(), m_rect.left, m_rect.top, nullptr);
}

BufferDC::~BufferDC() {
    if (!m_buffered) return;
    BitBlt(m_target, m_rect.left, m_rect.top, m_rect.right - m_rect.left, m_rect.bottom - m_rect.top, m_memory->Get(),
           m_rect.left, m_rect.top, SRCCOPY);
    m_selection.reset();  // the bitmap leaves the memory DC before either is deleted
}

}  // namespace ui::gdi
