#include "ui/Palette.h"

namespace ui::gdi {

Palette MakePalette(const std::vector<COLORREF>& colours) {
    if (colours.empty()) return Palette();
    std::vector<BYTE> buffer(sizeof(LOGPALETTE) + (colours.size() - 1) * sizeof(PALETTEENTRY));
    auto* palette = reinterpret_cast<LOGPALETTE*>(buffer.data());
    palette->palVersion = 0x300;
    palette->palNumEntries = static_cast<WORD>(colours.size());
    for (size_t i = 0; i < colours.size(); ++i)
        palette->palPalEntry[i] = {GetRValue(colours[i]), GetGValue(colours[i]), GetBValue(colours[i]), 0};
    return Palette(CreatePalette(palette));
}

bool IsPaletteDevice(HDC dc) { return (GetDeviceCaps(dc, RASTERCAPS) & RC_PALETTE) != 0; }

PaletteSelection::PaletteSelection(HDC dc, HPALETTE palette) : m_dc(dc), m_old(SelectPalette(dc, palette, FALSE)) {
    RealizePalette(dc);
}

PaletteSelection::~PaletteSelection() {
    if (m_old) SelectPalette(m_dc, m_old, FALSE);
}

}  // namespace ui::gdi
