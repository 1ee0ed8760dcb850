// The flat, icon-only caption button of the clock window.
#pragma once
#include <windows.h>

#include <string>

#include "ui/Control.h"
#include "ui/Gdi.h"

class CHoverButton : public ui::Control {
public:
    void SetIcons(UINT iconId);
    void SetTooltipText(const std::wstring& text, bool activate);
    void SetNormalBackground(COLORREF colour, bool redraw);
    void SetHoverBackground(COLORREF colour, bool redraw);
    void SetChecked(bool checked, bool redraw = true);
    bool IsChecked() const { return m_checked; }
    UINT IconId() const { return m_iconId; }
    const std::wstring& TooltipText() const { return m_tooltipText; }

    bool OnReflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void Draw(const DRAWITEMSTRUCT& item) const;
    void EnsureTooltip();

    UINT m_iconId = 0;
    ui::gdi::Icon m_icon;
    COLORREF m_normalBackground = RGB(242, 148, 76);
    COLORREF m_hoverBackground = RGB(242, 148, 76);
    bool m_checked = false;
    std::wstring m_tooltipText;
    HWND m_tooltip = nullptr;
};
