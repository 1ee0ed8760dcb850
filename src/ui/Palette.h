// Logical palettes, for drawing exact colours on a palette display.
#pragma once
#include <windows.h>

#include <vector>

#include "ui/Gdi.h"

namespace ui::gdi {

Palette MakePalette(const std::vector<COLORREF>& colours);
bool IsPaletteDevice(HDC dc);

// Selects a palette into a DC in the foreground, realises it, and puts the old one back.
class PaletteSelection {
public:
    PaletteSelection(HDC dc, HPALETTE palette);
    PaletteSelection(const PaletteSelection&) = delete;
    PaletteSelection& operator=(const PaletteSelection&) = delete;
    ~PaletteSelection();

private:
    HDC m_dc;
    HPALETTE m_old;
};

}  // namespace ui::gdi
