// A static text control that paints itself: its own background, text colour,
// font and DrawText format, remembering the height DrawText reported.
#pragma once
#include <windows.h>

#include "ui/Control.h"

class CTextLabel : public ui::Control {
public:
    CTextLabel();

    // DrawText flags; with DT_CALCRECT a paint fills the background and only measures.
    void SetFormat(UINT format);
    UINT Format() const { return m_format; }
    void SetTextColour(COLORREF colour);
    COLORREF TextColour() const { return m_textColour; }
    void SetBackgroundColour(COLORREF colour);
    COLORREF BackgroundColour() const { return m_backgroundColour; }
    void SetFont(HFONT font, bool redraw);

    // What DrawText returned in the last paint or measurement (0 for an empty text).
    int TextHeight() const { return m_textHeight; }
    // Measures the text at the control's width with the format plus DT_CALCRECT,
    // without painting, keeps the height and returns it.
    int MeasureTextHeight();

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void OnPaint();
    void Paint(HDC dc);
    int DrawLabelText(HDC dc, RECT bounds, UINT format);

    int m_textHeight = 0;
    UINT m_format = 0;  // left-aligned, top, no wrapping
    COLORREF m_textColour;
    COLORREF m_backgroundColour = RGB(255, 255, 255);
};
