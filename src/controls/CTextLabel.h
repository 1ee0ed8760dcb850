// A static control that draws its own text on a chosen background.
#pragma once
#include <windows.h>

#include "ui/Control.h"
#include "ui/Gdi.h"

class CTextLabel : public ui::Control {
public:
    void SetBackgroundColour(COLORREF colour);
    COLORREF BackgroundColour() const { return m_background; }
    void SetFont(HFONT font, bool redraw);

    bool OnReflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    COLORREF m_background = RGB(255, 255, 255);
    ui::gdi::Brush m_brush;
};
