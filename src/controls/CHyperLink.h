// A static control turned into a link: its text underlined in the link colours (or
// its picture), a hand cursor and a tooltip with the address. A click or Space opens
// the address in the user's browser; a link that opened once shows as visited. The
// four colours and the hand cursor are shared by every link of the program.
#pragma once
#include <windows.h>

#include <string>

#include "controls/CLinkShell.h"
#include "controls/LinkRules.h"
#include "ui/Control.h"
#include "ui/Gdi.h"
#include "ui/Tooltip.h"

class CHyperLink : public ui::Control {
public:
    CHyperLink();

    // The address to open; also the tooltip. Set before attaching, the window text is used.
    void SetAddress(const std::wstring& address);
    const std::wstring& Address() const { return m_address; }
    void SetLinkText(const std::wstring& text);
    // A copy of the font, underlined when the style says so, becomes the link's font.
    void SetLinkFont(HFONT font);
    HFONT LinkFont() const { return m_linkFont.Get(); }

    unsigned LinkStyle() const { return m_style; }
    // Clears `remove` and sets `add`; false (and no change) when the two overlap.
    // With `apply`, an attached link re-creates its font, resizes and repaints as needed.
    bool ModifyLinkStyle(unsigned remove, unsigned add, bool apply = true);

    bool IsVisited() const { return m_state.visited; }
    void SetVisited(bool visited);
    bool IsHover() const { return m_state.hover; }
    bool IsPressed() const { return m_state.pressed; }
    COLORREF CurrentColour() const;

    // Shared by all links. A hover colour of -1 is the system's highlight colour.
    static void SetColours(COLORREF link, COLORREF pressed, COLORREF visited, COLORREF hover = kLinkSystemHighlight);
    static void SetColours(const LinkColours& colours);
    static LinkColours Colours();
    // The cursor shown over links; null means the system's hand. Not owned.
    static void SetLinkCursor(HCURSOR cursor);

    // Where opening goes; the system's shell unless a test replaces it.
    void SetShell(ui::LinkShell shell) { m_shell = std::move(shell); }
    // Opens the address now, as a click does. True when it opened.
    bool Open();

    std::wstring TooltipText() const { return m_tooltip.Text(); }

    bool OnReflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

protected:
    void OnAttached() override;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    bool IsPicture() const;
    void MakeLinkFont(HFONT from);
    void SizeToText();
    void Repaint();
    HBRUSH ParentBackground(HDC dc, LPARAM self);

    void OnMouseMove(LPARAM point);
    void OnLButtonDown();
    void OnLButtonUp();
    void OnSetFocus();
    void OnKillFocus();
    bool OnKeyDown(WPARAM key);
    bool OnSetCursor();
    void OnCaptureChanged(HWND newCapture);
    void OnDestroy();

    LinkState m_state;
    unsigned m_style = kLinkDefaultStyle;
    std::wstring m_address;
    ui::gdi::Font m_linkFont;
    ui::Tooltip m_tooltip;
    ui::LinkShell m_shell;
    bool m_askingParent = false;  // the parent is being asked for its background
};
