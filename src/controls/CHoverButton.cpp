#include "controls/CHoverButton.h"

#include <commctrl.h>

#include "ui/Resources.h"

namespace {
constexpr COLORREF kCheckedBackground = RGB(230, 188, 156);
constexpr COLORREF kLightEdge = RGB(230, 188, 156);
constexpr COLORREF kDarkEdge = RGB(182, 124, 30);
}  // namespace

void CHoverButton::SetIcons(UINT iconId) {
    m_iconId = iconId;
    m_icon = ui::LoadIconResource(iconId, 16);
    if (m_hwnd) InvalidateRect(m_hwnd, nullptr, TRUE);
}

void CHoverButton::SetTooltipText(const std::wstring& text, bool activate) {
    m_tooltipText = text;
    EnsureTooltip();
    if (!m_tooltip) return;
    TOOLINFOW info{};
    info.cbSize = sizeof(info);
    info.hwnd = m_hwnd;
    info.uId = reinterpret_cast<UINT_PTR>(m_hwnd);
    info.lpszText = m_tooltipText.data();
    SendMessageW(m_tooltip, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&info));
    SendMessageW(m_tooltip, TTM_ACTIVATE, activate ? TRUE : FALSE, 0);
}

void CHoverButton::SetNormalBackground(COLORREF colour, bool redraw) {
    m_normalBackground = colour;
    if (redraw && m_hwnd) InvalidateRect(m_hwnd, nullptr, TRUE);
}

void CHoverButton::SetHoverBackground(COLORREF colour, bool redraw) {
    m_hoverBackground = colour;
    if (redraw && m_hwnd) InvalidateRect(m_hwnd, nullptr, TRUE);
}

void CHoverButton::SetChecked(bool checked, bool redraw) {
    m_checked = checked;
    if (redraw && m_hwnd) InvalidateRect(m_hwnd, nullptr, TRUE);
}

void CHoverButton::EnsureTooltip() {
    if (m_tooltip || !m_hwnd) return;
    m_tooltip = CreateWindowExW(0, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT, CW_USEDEFAULT,
                                CW_USEDEFAULT, CW_USEDEFAULT, m_hwnd, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (!m_tooltip) return;
    TOOLINFOW info{};
    info.cbSize = sizeof(info);
    info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    info.hwnd = m_hwnd;
    info.uId = reinterpret_cast<UINT_PTR>(m_hwnd);
    info.lpszText = m_tooltipText.data();
    SendMessageW(m_tooltip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
}

bool CHoverButton::OnReflected(UINT message, WPARAM, LPARAM lParam, LRESULT& result) {
    if (message != WM_DRAWITEM) return false;
    Draw(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
    result = TRUE;
    return true;
}

LRESULT CHoverButton::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ERASEBKGND: return TRUE;  // the draw fills every pixel
    case WM_DESTROY:
        if (m_tooltip) DestroyWindow(m_tooltip);
        m_tooltip = nullptr;
        return Default(message, wParam, lParam);
    default: return Default(message, wParam, lParam);
    }
}

void CHoverButton::Draw(const DRAWITEMSTRUCT& item) const {
    HDC dc = item.hDC;
    RECT r = item.rcItem;
    bool pressed = (item.itemState & ODS_SELECTED) != 0;
    bool sunken = pressed || m_checked;
    COLORREF background = m_checked ? kCheckedBackground : m_normalBackground;
    ui::gdi::Brush fill = ui::gdi::MakeSolidBrush(background);
    FillRect(dc, &r, fill.Get());
    if (sunken) {
        ui::gdi::Brush dark = ui::gdi::MakeSolidBrush(kDarkEdge);
        ui::gdi::Brush light = ui::gdi::MakeSolidBrush(kLightEdge);
        RECT top{r.left, r.top, r.right, r.top + 1}, left{r.left, r.top, r.left + 1, r.bottom};
        RECT bottom{r.left, r.bottom - 1, r.right, r.bottom}, right{r.right - 1, r.top, r.right, r.bottom};
        FillRect(dc, &top, dark.Get());
        FillRect(dc, &left, dark.Get());
        FillRect(dc, &bottom, light.Get());
        FillRect(dc, &right, light.Get());
    }
    if (m_icon) {
        int shift = sunken ? 1 : 0;
        int x = r.left + (r.right - r.left - 16) / 2 + shift;
        int y = r.top + (r.bottom - r.top - 16) / 2 + shift;
        DrawIconEx(dc, x, y, m_icon.Get(), 16, 16, 0, nullptr, DI_NORMAL);
    }
}
