#include "controls/CTextLabel.h"

#include <string>

#include "ui/Gdi.h"
#include "ui/Text.h"

CTextLabel::CTextLabel() : m_textColour(GetSysColor(COLOR_BTNTEXT)) {}

void CTextLabel::SetFormat(UINT format) {
    m_format = format;
    if (m_hwnd) InvalidateRect(m_hwnd, nullptr, TRUE);
}

void CTextLabel::SetTextColour(COLORREF colour) {
    m_textColour = colour;
    if (m_hwnd) InvalidateRect(m_hwnd, nullptr, TRUE);
}

void CTextLabel::SetBackgroundColour(COLORREF colour) {
    m_backgroundColour = colour;
    if (m_hwnd) InvalidateRect(m_hwnd, nullptr, TRUE);
}

void CTextLabel::SetFont(HFONT font, bool redraw) {
    if (m_hwnd) Send(WM_SETFONT, reinterpret_cast<WPARAM>(font), redraw ? TRUE : FALSE);
}

int CTextLabel::MeasureTextHeight() {
    if (!m_hwnd) return m_textHeight;
    RECT bounds{};
    GetClientRect(m_hwnd, &bounds);
    ui::gdi::ClientDC dc(m_hwnd);
    return DrawLabelText(dc.Get(), bounds, m_format | DT_CALCRECT);
}

LRESULT CTextLabel::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT: OnPaint(); return 0;
    case WM_PRINTCLIENT: Paint(reinterpret_cast<HDC>(wParam)); return 0;
    case WM_ERASEBKGND: return TRUE;  // the paint fills every pixel
    default: return Default(message, wParam, lParam);
    }
}

void CTextLabel::OnPaint() {
    ui::gdi::PaintDC paint(m_hwnd);
    Paint(paint.Get());
}

void CTextLabel::Paint(HDC dc) {
    RECT bounds{};
    GetClientRect(m_hwnd, &bounds);
    {
        ui::gdi::Brush background = ui::gdi::MakeSolidBrush(m_backgroundColour);
        FillRect(dc, &bounds, background.Get());
    }
    DrawLabelText(dc, bounds, m_format);
}

int CTextLabel::DrawLabelText(HDC dc, RECT bounds, UINT format) {
    std::wstring text = ui::WindowText(m_hwnd);
    if (text.empty()) return m_textHeight = 0;
    SetTextColor(dc, m_textColour);
    SetBkColor(dc, m_backgroundColour);
    SetBkMode(dc, OPAQUE);
    HFONT font = Font();
    HGDIOBJ selected = font ? font : GetStockObject(SYSTEM_FONT);
    ui::gdi::Select keep(dc, selected);
    m_textHeight = DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &bounds, format);
    return m_textHeight;
}
