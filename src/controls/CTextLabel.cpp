#include "controls/CTextLabel.h"

void CTextLabel::SetBackgroundColour(COLORREF colour) {
    m_background = colour;
    m_brush = ui::gdi::MakeSolidBrush(colour);
    if (m_hwnd) InvalidateRect(m_hwnd, nullptr, TRUE);
}

void CTextLabel::SetFont(HFONT font, bool redraw) {
    if (m_hwnd) SendMessageW(m_hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), redraw ? TRUE : FALSE);
}

bool CTextLabel::OnReflected(UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
    if (message != WM_CTLCOLORSTATIC) return false;
    HDC dc = reinterpret_cast<HDC>(wParam);
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    SetBkColor(dc, m_background);
    if (!m_brush) m_brush = ui::gdi::MakeSolidBrush(m_background);
    result = reinterpret_cast<LRESULT>(m_brush.Get());
    return true;
}
