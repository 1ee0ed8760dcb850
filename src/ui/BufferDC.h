// An off-screen device context for flicker-free painting. Drawing goes into a
// bitmap covering the target's clip box, in the target's own coordinates, and
// reaches the target in one copy when the object is destroyed. Printer DCs are
// drawn into directly.
#pragma once
#include <windows.h>

#include <optional>

#include "ui/Gdi.h"

namespace ui::gdi {

class BufferDC {
public:
    explicit BufferDC(HDC target);
    BufferDC(const BufferDC&) = delete;
    BufferDC& operator=(const BufferDC&) = delete;
    ~BufferDC();

    HDC Get() const { return m_buffered ? m_memory->Get() : m_target; }
    bool IsBuffered() const { return m_buffered; }
    const RECT& Bounds() const { return m_rect; }  // the part of the target being painted

private:
    HDC m_target;
    RECT m_rect{};
    bool m_buffered = false;
    std::optional<MemoryDC> m_memory;
    Bitmap m_bitmap;
    std::optional<Select> m_selection;
};

}  // namespace ui::gdi
