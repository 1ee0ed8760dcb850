#include "controls/CHyperLink.h"

#include <windowsx.h>

#include "ui/Text.h"

namespace {

LinkColours g_colours;           // shared by every link
HCURSOR g_linkCursor = nullptr;  // a shared system cursor, never destroyed

HCURSOR HandCursor() { return LoadCursorW(nullptr, IDC_HAND); }

}  // namespace

CHyperLink::CHyperLink() : m_shell(ui::MakeSystemLinkShell()) {}

// ---- Shared colours and cursor --------------------------------------------------------------

void CHyperLink::SetColours(COLORREF link, COLORREF pressed, COLORREF visited, COLORREF hover) {
    SetColours(LinkColours{static_cast<LinkColour>(link), static_cast<LinkColour>(pressed),
                           static_cast<LinkColour>(visited), static_cast<LinkColour>(hover)});
}

void CHyperLink::SetColours(const LinkColours& colours) { g_colours = colours; }

LinkColours CHyperLink::Colours() { return g_colours; }

void CHyperLink::SetLinkCursor(HCURSOR cursor) { g_linkCursor = cursor ? cursor : HandCursor(); }

// ---- Taking over the static -----------------------------------------------------------------

bool CHyperLink::IsPicture() const {
    switch (GetWindowLongPtrW(m_hwnd, GWL_STYLE) & SS_TYPEMASK) {
    case SS_BITMAP:
    case SS_ICON:
    case SS_ENHMETAFILE: return true;
    default: return false;
    }
}

// A picture link keeps its window text: a picture static would take new text for the
// name of another image.
void CHyperLink::OnAttached() {
    if (!IsPicture()) {
        std::wstring text = ui::WindowText(m_hwnd);
        if (m_address.empty()) m_address = text;
        if (text.empty() && !m_address.empty()) SetWindowTextW(m_hwnd, m_address.c_str());
        if (auto font = Font()) {
            MakeLinkFont(font);
            SizeToText();
        } else {
            m_style &= ~kLinkAutoSize;
        }
    }
    if (!(m_style & kLinkNoHandCursor) && !g_linkCursor) g_linkCursor = HandCursor();
    m_tooltip.Create(m_hwnd, m_address);
}

// ---- Settings -------------------------------------------------------------------------------

void CHyperLink::SetAddress(const std::wstring& address) {
    m_address = address;
    if (!m_hwnd) return;
    SizeToText();
    m_tooltip.SetText(m_address);
}

void CHyperLink::SetLinkText(const std::wstring& text) {
    if (!m_hwnd || IsPicture()) return;
    SetWindowTextW(m_hwnd, text.c_str());
    SizeToText();
    Repaint();
}

void CHyperLink::SetLinkFont(HFONT font) {
    if (!m_hwnd || IsPicture() || !font) return;
    MakeLinkFont(font);
    SizeToText();
}

bool CHyperLink::ModifyLinkStyle(unsigned remove, unsigned add, bool apply) {
    std::optional<unsigned> changed = ChangeLinkStyle(m_style, remove, add);
    if (!changed) return false;
    const unsigned before = m_style;
    m_style = *changed;
    if (!apply || !m_hwnd || IsPicture()) return true;
    const unsigned flipped = before ^ m_style;
    if ((flipped & kLinkUnderline) && m_linkFont) MakeLinkFont(m_linkFont.Get());
    if ((flipped & kLinkUnderline) || (flipped & m_style & kLinkAutoSize)) SizeToText();
    if (flipped & (kLinkUnderline | kLinkUseHover | kLinkNoPressedColour)) Repaint();
    return true;
}

void CHyperLink::SetVisited(bool visited) {
    m_state.visited = visited;
    Repaint();
}

COLORREF CHyperLink::CurrentColour() const {
    LinkColour colour = ChooseLinkColour(g_colours, m_state, m_style);
    return colour == kLinkSystemHighlight ? GetSysColor(COLOR_HIGHLIGHT) : colour;
}

void CHyperLink::MakeLinkFont(HFONT from) {
    LOGFONTW font{};
    if (!GetObjectW(from, sizeof(font), &font)) return;
    font.lfUnderline = (m_style & kLinkUnderline) ? TRUE : FALSE;
    ui::gdi::Font made(CreateFontIndirectW(&font));
    if (!made) return;
    Send(WM_SETFONT, reinterpret_cast<WPARAM>(made.Get()), TRUE);
    m_linkFont = std::move(made);  // the font the control used until now goes only after it was replaced
}

void CHyperLink::SizeToText() {
    if (!m_hwnd || !(m_style & kLinkAutoSize) || IsPicture()) return;
    const LONG_PTR style = GetWindowLongPtrW(m_hwnd, GWL_STYLE);
    std::wstring text = ui::WindowText(m_hwnd);
    RECT measured{};
    {
        ui::gdi::ClientDC dc(m_hwnd);
        HGDIOBJ font = m_linkFont ? static_cast<HGDIOBJ>(m_linkFont.Get()) : GetStockObject(SYSTEM_FONT);
        ui::gdi::Select keep(dc.Get(), font);
        UINT format = DT_CALCRECT | ((style & SS_NOPREFIX) ? DT_NOPREFIX : 0);
        DrawTextW(dc.Get(), text.c_str(), static_cast<int>(text.size()), &measured, format);
    }
    RECT window{}, client{};
    GetWindowRect(m_hwnd, &window);
    MapWindowPoints(HWND_DESKTOP, GetParent(m_hwnd), reinterpret_cast<POINT*>(&window), 2);
    GetClientRect(m_hwnd, &client);

    LinkFit fit;
    fit.window = {window.left, window.top, window.right, window.bottom};
    fit.borderWidth = (window.right - window.left) - client.right;
    fit.borderHeight = (window.bottom - window.top) - client.bottom;
    fit.textWidth = measured.right - measured.left;
    fit.textHeight = measured.bottom - measured.top;
    const LONG_PTR type = style & SS_TYPEMASK;
    fit.align = type == SS_CENTER ? LinkAlign::Centre : type == SS_RIGHT ? LinkAlign::Right : LinkAlign::Left;
    fit.centreVertically = (style & SS_CENTERIMAGE) != 0;
    LinkBox box = FitLinkToText(fit);
    SetWindowPos(m_hwnd, nullptr, box.left, box.top, box.right - box.left, box.bottom - box.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    m_tooltip.FitToClient();
}

void CHyperLink::Repaint() {
    if (m_hwnd) InvalidateRect(m_hwnd, nullptr, FALSE);  // the static fills its background as it paints
}

// ---- Opening --------------------------------------------------------------------------------

bool CHyperLink::Open() {
    if (!m_hwnd) return false;
    HWND owner = GetAncestor(m_hwnd, GA_ROOT);
    if (!OpenLinkAddress(owner ? owner : m_hwnd, m_address, m_shell)) return false;
    SetVisited(true);
    return true;
}

// ---- Messages -------------------------------------------------------------------------------

// The text colour is the link's; the background is whatever the parent paints behind
// its statics, so that a colour change repaints cleanly over it.
bool CHyperLink::OnReflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (message != WM_CTLCOLORSTATIC || m_askingParent) return false;
    auto dc = reinterpret_cast<HDC>(wParam);
    HBRUSH background = ParentBackground(dc, lParam);
    SetTextColor(dc, CurrentColour());
    SetBkMode(dc, TRANSPARENT);
    result = reinterpret_cast<LRESULT>(background);
    return true;
}

HBRUSH CHyperLink::ParentBackground(HDC dc, LPARAM self) {
    HBRUSH brush = nullptr;
    if (GetParent(m_hwnd)) {
        m_askingParent = true;  // the parent's answer must not come back here
        brush = reinterpret_cast<HBRUSH>(SendToParent(WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), self));
        m_askingParent = false;
    }
    return brush ? brush : static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
}

LRESULT CHyperLink::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) m_tooltip.Relay(message, wParam, lParam);
    switch (message) {
    case WM_NCHITTEST: return HTCLIENT;  // a static is transparent to the mouse otherwise
    case WM_SETCURSOR: return OnSetCursor() ? TRUE : Default(message, wParam, lParam);
    case WM_MOUSEMOVE: OnMouseMove(lParam); return 0;
    case WM_LBUTTONDOWN: OnLButtonDown(); return 0;
    case WM_LBUTTONUP: OnLButtonUp(); return 0;
    case WM_SETFOCUS: OnSetFocus(); return 0;
    case WM_KILLFOCUS: OnKillFocus(); return 0;
    case WM_KEYDOWN: return OnKeyDown(wParam) ? 0 : Default(message, wParam, lParam);
    case WM_CAPTURECHANGED: OnCaptureChanged(reinterpret_cast<HWND>(lParam)); return 0;
    case WM_SIZE: m_tooltip.FitToClient(); return Default(message, wParam, lParam);
    case WM_DESTROY: OnDestroy(); return Default(message, wParam, lParam);
    default: return Default(message, wParam, lParam);
    }
}

// Hovering holds the mouse capture, so the link hears the pointer leave.
void CHyperLink::OnMouseMove(LPARAM point) {
    RECT client{};
    GetClientRect(m_hwnd, &client);
    const bool inside = PtInRect(&client, POINT{GET_X_LPARAM(point), GET_Y_LPARAM(point)}) != FALSE;
    if (!m_state.hover) {
        if (!inside) return;
        m_state.hover = true;
        Repaint();
        SetCapture(m_hwnd);
        return;
    }
    if (inside) return;
    m_state.hover = false;
    if (GetCapture() == m_hwnd) ReleaseCapture();
    Repaint();
}

void CHyperLink::OnLButtonDown() {
    if (m_style & kLinkFocusOnClick) SetFocus(m_hwnd);
    if (m_style & kLinkOpenOnDown) Open();
    m_state.pressed = true;
    Repaint();
}

void CHyperLink::OnLButtonUp() {
    if (m_state.pressed && !(m_style & kLinkOpenOnDown)) Open();
}

void CHyperLink::OnSetFocus() {
    m_state.pressed = true;
    Repaint();
}

void CHyperLink::OnKillFocus() {
    m_state.hover = false;
    m_state.pressed = false;
    if (GetCapture() == m_hwnd) ReleaseCapture();
    Repaint();
}

bool CHyperLink::OnKeyDown(WPARAM key) {
    if (key != VK_SPACE) return false;
    Open();
    return true;
}

bool CHyperLink::OnSetCursor() {
    if ((m_style & kLinkNoHandCursor) || !g_linkCursor) return false;
    SetCursor(g_linkCursor);
    return true;
}

// Another window took the mouse: the link no longer hears the pointer leave.
void CHyperLink::OnCaptureChanged(HWND newCapture) {
    if (newCapture == m_hwnd || !m_state.hover) return;
    m_state.hover = false;
    Repaint();
}

void CHyperLink::OnDestroy() {
    if (GetCapture() == m_hwnd) ReleaseCapture();
    m_tooltip.Destroy();
}
