// An owner-drawn push button showing an icon and optional text. In the flat
// look (the default) it raises a thin border while the pointer is over it and
// sinks it while pressed or checked; it captures the mouse while the pointer is
// over it so that it notices the pointer leaving. It keeps its own tooltip and
// paints through an off-screen buffer.
#pragma once
#include <windows.h>

#include <memory>
#include <string>

#include "ui/Control.h"
#include "ui/Gdi.h"
#include "ui/Tooltip.h"

class CHoverButton : public ui::Control {
public:
    enum Layout { kIconLeft = 0, kIconAbove = 1 };

    CHoverButton();
    ~CHoverButton() override;

    // Icon resources: the first is shown while hovered, pressed or checked, the
    // second otherwise (0: the first everywhere).
    void SetIcons(UINT hoverIconId, UINT normalIconId = 0);
    // The size the next SetIcons loads its icons at (square); 0 for the icon's own size.
    void SetIconSize(int pixels) { m_iconSize = pixels; }
    void SetTooltipText(UINT stringId, bool activate);  // nothing happens for an empty string
    void SetTooltipText(const std::wstring& text, bool activate);
    void SetNormalBackground(COLORREF colour, bool redraw);
    void SetHoverBackground(COLORREF colour, bool redraw);
    void SetNormalTextColour(COLORREF colour, bool redraw);
    void SetHoverTextColour(COLORREF colour, bool redraw);
    void SetChecked(bool checked, bool redraw = true);
    void SetFlat(bool flat, bool redraw = true);
    void SetHoverBorder(bool border, bool redraw = true);
    void SetFocusInFlat(bool focus, bool redraw = true);
    void SetShowText(bool show, bool redraw = true);
    void SetLayout(Layout layout, bool redraw = true);
    void SetTransparent(bool transparent, bool redraw = true);
    void SetButtonCursor(HCURSOR cursor);  // shown over the button; not owned

    bool IsChecked() const { return m_checked; }
    bool IsHover() const { return m_hover; }
    bool IsDefault() const { return m_default; }
    UINT IconId() const { return m_hoverIconId; }
    SIZE IconSize() const { return {m_iconWidth, m_iconHeight}; }
    HWND Tooltip() const { return m_tooltip.Handle(); }
    std::wstring TooltipText() const;

    bool OnReflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

protected:
    // The button taken over becomes owner-drawn and remembers BS_DEFPUSHBUTTON.
    void OnAttached() override;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    struct ItemState {
        bool pressed;
        bool focused;
        bool disabled;
        bool lit;  // hovered or pressed: the hover colours and icon
    };
    struct BackgroundCopy;

    void RelayToTooltip(UINT message, WPARAM wParam, LPARAM lParam);
    void EnsureTooltip();
    void Redraw(bool redraw);
    bool IsUnderPoint(POINT client) const;

    void OnMouseMove(WPARAM flags, LPARAM point);
    void OnKillFocus(WPARAM wParam, LPARAM lParam);
    void OnCaptureChanged(HWND newCapture);
    bool OnSetCursor();
    void OnSize();
    void OnDestroy();

    void DrawItem(const DRAWITEMSTRUCT& item);
    void DrawBackground(HDC dc, const RECT& r, const ItemState& state);
    void DrawBorder(HDC dc, const RECT& r, const ItemState& state) const;
    void DrawIcon(HDC dc, const RECT& item, bool hasText, const ItemState& state, RECT& caption) const;
    void DrawCaption(HDC dc, const std::wstring& text, RECT caption, const ItemState& state) const;
    void CopyParentBackground(HDC dc, const RECT& r, const RECT& item);
    HICON NormalIcon() const { return m_normalIcon ? m_normalIcon.Get() : m_hoverIcon.Get(); }

    int m_layout = kIconLeft;
    bool m_showText = true;
    bool m_hoverBorder = true;
    bool m_flat = true;
    bool m_hover = false;
    bool m_focusInFlat = false;
    bool m_checked = false;
    HCURSOR m_cursor = nullptr;
    ui::Tooltip m_tooltip;
    UINT m_hoverIconId = 0;
    int m_iconSize = 0;
    ui::gdi::Icon m_hoverIcon;
    ui::gdi::Icon m_normalIcon;  // empty when the hover icon serves both
    BYTE m_iconWidth = 0;
    BYTE m_iconHeight = 0;
    std::unique_ptr<BackgroundCopy> m_background;
    bool m_transparent = false;
    bool m_default = false;
    COLORREF m_normalBackground;
    COLORREF m_normalText;
    COLORREF m_hoverBackgroundColour;
    COLORREF m_hoverText;
};
