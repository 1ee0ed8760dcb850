#include "controls/CHoverButton.h"

#include <commctrl.h>
#include <windowsx.h>

#include <optional>

#include "ui/BufferDC.h"
#include "ui/Redraw.h"
#include "ui/Resources.h"
#include "ui/Text.h"

namespace {

constexpr COLORREF kLightEdge = RGB(230, 188, 156);
constexpr COLORREF kDarkEdge = RGB(182, 124, 30);
constexpr COLORREF kCheckedBackground = RGB(230, 188, 156);

int Width(const RECT& r) { return r.right - r.left; }
int Height(const RECT& r) { return r.bottom - r.top; }

// A one-pixel line through the given points (the last point itself is not drawn).
void DrawLine(HDC dc, COLORREF colour, std::initializer_list<POINT> points) {
    ui::gdi::Pen pen = ui::gdi::MakePen(PS_SOLID, 0, colour);
    ui::gdi::Select select(dc, pen.Get());
    auto point = points.begin();
    MoveToEx(dc, point->x, point->y, nullptr);
    for (++point; point != points.end(); ++point) LineTo(dc, point->x, point->y);
}

void FrameWith(HDC dc, const RECT& r, COLORREF colour) {
    ui::gdi::Brush brush = ui::gdi::MakeSolidBrush(colour);
    FrameRect(dc, &r, brush.Get());
}

}  // namespace

// The parent's pixels under the button, taken once for the transparent look.
struct CHoverButton::BackgroundCopy {
    explicit BackgroundCopy(HDC compatible) : dc(compatible) {}
    BackgroundCopy(const BackgroundCopy&) = delete;
    BackgroundCopy& operator=(const BackgroundCopy&) = delete;
    ui::gdi::MemoryDC dc;
    ui::gdi::Bitmap bitmap;
    std::optional<ui::gdi::Select> selection;  // leaves before the DC and the bitmap go
};

CHoverButton::CHoverButton()
    : m_normalBackground(GetSysColor(COLOR_BTNFACE)),
      m_normalText(GetSysColor(COLOR_BTNTEXT)),
      m_hoverBackgroundColour(GetSysColor(COLOR_BTNFACE)),
      m_hoverText(GetSysColor(COLOR_BTNTEXT)) {}

CHoverButton::~CHoverButton() { m_background.reset(); }

// ---- Taking over the button --------------------------------------------------------------

void CHoverButton::OnAttached() {
    LONG_PTR style = GetWindowLongPtrW(m_hwnd, GWL_STYLE);
    m_default = (style & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
    Send(BM_SETSTYLE, static_cast<WPARAM>((style & ~BS_TYPEMASK) | BS_OWNERDRAW), TRUE);
}

// ---- Settings ----------------------------------------------------------------------------

void CHoverButton::SetIcons(UINT hoverIconId, UINT normalIconId) {
    auto load = [this](UINT id) {
        return ui::gdi::Icon(static_cast<HICON>(
            LoadImageW(ui::Instance(), MAKEINTRESOURCEW(id), IMAGE_ICON, m_iconSize, m_iconSize, LR_DEFAULTCOLOR)));
    };
    m_hoverIconId = hoverIconId;
    m_hoverIcon = load(hoverIconId);
    m_normalIcon = normalIconId != 0 ? load(normalIconId) : ui::gdi::Icon();
    m_iconWidth = m_iconHeight = 0;
    ICONINFO info{};
    if (m_hoverIcon && GetIconInfo(m_hoverIcon.Get(), &info)) {
        ui::gdi::Bitmap mask(info.hbmMask), colour(info.hbmColor);  // ours to delete
        m_iconWidth = static_cast<BYTE>(info.xHotspot * 2);
        m_iconHeight = static_cast<BYTE>(info.yHotspot * 2);
    }
    if (m_hwnd) ui::RedrawNow(m_hwnd);
}

void CHoverButton::SetTooltipText(UINT stringId, bool activate) {
    SetTooltipText(ui::LoadStringResource(stringId), activate);
}

void CHoverButton::SetTooltipText(const std::wstring& text, bool activate) {
    if (text.empty() || !m_hwnd) return;
    EnsureTooltip();
    m_tooltip.SetText(text);
    m_tooltip.Activate(activate);
}

std::wstring CHoverButton::TooltipText() const { return m_tooltip.Text(); }

void CHoverButton::SetNormalBackground(COLORREF colour, bool redraw) {
    m_normalBackground = colour;
    Redraw(redraw);
}

void CHoverButton::SetHoverBackground(COLORREF colour, bool redraw) {
    m_hoverBackgroundColour = colour;
    Redraw(redraw);
}

void CHoverButton::SetNormalTextColour(COLORREF colour, bool redraw) {
    m_normalText = colour;
    Redraw(redraw);
}

void CHoverButton::SetHoverTextColour(COLORREF colour, bool redraw) {
    m_hoverText = colour;
    Redraw(redraw);
}

void CHoverButton::SetChecked(bool checked, bool redraw) {
    m_checked = checked;
    Redraw(redraw);
}

void CHoverButton::SetFlat(bool flat, bool redraw) {
    m_flat = flat;
    Redraw(redraw);
}

void CHoverButton::SetHoverBorder(bool border, bool redraw) {
    m_hoverBorder = border;
    Redraw(redraw);
}

void CHoverButton::SetFocusInFlat(bool focus, bool redraw) {
    m_focusInFlat = focus;
    Redraw(redraw);
}

void CHoverButton::SetShowText(bool show, bool redraw) {
    m_showText = show;
    Redraw(redraw);
}

void CHoverButton::SetLayout(Layout layout, bool redraw) {
    m_layout = layout;
    Redraw(redraw);
}

void CHoverButton::SetTransparent(bool transparent, bool redraw) {
    m_transparent = transparent;
    if (!transparent) m_background.reset();
    Redraw(redraw);
}

void CHoverButton::SetButtonCursor(HCURSOR cursor) { m_cursor = cursor; }

void CHoverButton::Redraw(bool redraw) {
    if (redraw && m_hwnd) InvalidateRect(m_hwnd, nullptr, FALSE);
}

// ---- Messages ----------------------------------------------------------------------------

bool CHoverButton::OnReflected(UINT message, WPARAM, LPARAM lParam, LRESULT& result) {
    if (message != WM_DRAWITEM) return false;
    DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
    result = TRUE;
    return true;
}

LRESULT CHoverButton::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) RelayToTooltip(message, wParam, lParam);
    switch (message) {
    case WM_MOUSEMOVE: {
        LRESULT result = Default(message, wParam, lParam);
        OnMouseMove(wParam, lParam);
        return result;
    }
    // A double click is two clicks, not a BN_DOUBLECLICKED.
    case WM_LBUTTONDBLCLK: return Default(WM_LBUTTONDOWN, wParam, lParam);
    case WM_KEYDOWN: return 0;  // the keyboard never presses the button
    case WM_SETCURSOR: return OnSetCursor() ? TRUE : Default(message, wParam, lParam);
    case WM_KILLFOCUS: OnKillFocus(wParam, lParam); return 0;
    case WM_CAPTURECHANGED: OnCaptureChanged(reinterpret_cast<HWND>(lParam)); return Default(message, wParam, lParam);
    case WM_ERASEBKGND: return TRUE;  // the owner draw covers every pixel
    case WM_SIZE: OnSize(); return Default(message, wParam, lParam);
    case WM_DESTROY: OnDestroy(); return Default(message, wParam, lParam);
    default: return Default(message, wParam, lParam);
    }
}

void CHoverButton::EnsureTooltip() {
    if (m_tooltip.Handle() || !m_hwnd) return;
    if (m_tooltip.Create(m_hwnd)) m_tooltip.Activate(false);
}

void CHoverButton::RelayToTooltip(UINT message, WPARAM wParam, LPARAM lParam) {
    EnsureTooltip();
    m_tooltip.Relay(message, wParam, lParam);
}

bool CHoverButton::IsUnderPoint(POINT client) const {
    POINT screen = client;
    ClientToScreen(m_hwnd, &screen);
    return WindowFromPoint(screen) == m_hwnd;
}

void CHoverButton::OnMouseMove(WPARAM flags, LPARAM point) {
    // A drag that started elsewhere does not light the button.
    if ((flags & MK_LBUTTON) && !m_hover) return;
    if (!m_flat) return;
    POINT p{GET_X_LPARAM(point), GET_Y_LPARAM(point)};
    HWND owner = GetWindow(m_hwnd, GW_OWNER);
    if (!owner) owner = GetParent(m_hwnd);
    if (GetCapture() != m_hwnd && GetActiveWindow() && owner) {
        SetCapture(m_hwnd);
        if (IsUnderPoint(p) && !m_checked) m_hover = true;
        InvalidateRect(m_hwnd, nullptr, FALSE);
        return;
    }
    if (IsUnderPoint(p)) return;
    if (m_hover) {
        m_hover = false;
        InvalidateRect(m_hwnd, nullptr, FALSE);
    }
    if (!(flags & MK_LBUTTON) && GetCapture() == m_hwnd) ReleaseCapture();
}

void CHoverButton::OnKillFocus(WPARAM wParam, LPARAM lParam) {
    Default(WM_KILLFOCUS, wParam, lParam);
    if (m_flat && m_hover) {
        m_hover = false;
        InvalidateRect(m_hwnd, nullptr, FALSE);
    }
}

// The capture went elsewhere: the button no longer hears the pointer leave, so it
// stops hovering. Taking the capture back from its new holder would break that
// window's own tracking, so it is left alone.
void CHoverButton::OnCaptureChanged(HWND newCapture) {
    if (newCapture == m_hwnd || !m_hover) return;
    m_hover = false;
    InvalidateRect(m_hwnd, nullptr, FALSE);
}

// The tool keeps covering the whole button when it is resized after the text was set.
void CHoverButton::OnSize() { m_tooltip.FitToClient(); }

void CHoverButton::OnDestroy() { m_tooltip.Destroy(); }

bool CHoverButton::OnSetCursor() {
    if (!m_cursor) return false;
    ::SetCursor(m_cursor);
    return true;
}

// ---- Drawing -----------------------------------------------------------------------------

void CHoverButton::DrawItem(const DRAWITEMSTRUCT& item) {
    ui::gdi::BufferDC buffer(item.hDC);
    HDC dc = buffer.Get();

    POINT cursor{};
    if (GetCursorPos(&cursor) && WindowFromPoint(cursor) == m_hwnd) m_hover = true;

    ItemState state{};
    state.pressed = (item.itemState & ODS_SELECTED) || m_checked;
    state.focused = (item.itemState & ODS_FOCUS) != 0;
    state.disabled = (item.itemState & ODS_DISABLED) != 0;
    state.lit = m_hover || state.pressed;
    RECT r = item.rcItem;

    if (!m_flat && (state.focused || m_default)) {
        FrameWith(dc, r, RGB(0, 0, 0));
        InflateRect(&r, -1, -1);
    }
    DrawBackground(dc, r, state);
    DrawBorder(dc, r, state);

    std::wstring text = m_showText ? ui::WindowText(m_hwnd) : std::wstring();
    RECT caption = item.rcItem;
    if (m_hoverIcon) DrawIcon(dc, item.rcItem, !text.empty(), state, caption);
    if (!text.empty()) DrawCaption(dc, text, caption, state);

    if (state.focused && (!m_flat || m_focusInFlat)) {
        RECT focus = r;
        InflateRect(&focus, -3, -3);
        DrawFocusRect(dc, &focus);
    }
}

void CHoverButton::DrawBackground(HDC dc, const RECT& r, const ItemState& state) {
    if (m_transparent) {
        RECT client{};
        GetClientRect(m_hwnd, &client);
        CopyParentBackground(dc, r, client);
        return;
    }
    COLORREF colour = m_checked ? kCheckedBackground : state.lit ? m_hoverBackgroundColour : m_normalBackground;
    ui::gdi::Brush brush = ui::gdi::MakeSolidBrush(colour);
    FillRect(dc, &r, brush.Get());
}

void CHoverButton::DrawBorder(HDC dc, const RECT& r, const ItemState& state) const {
    if (m_flat) {
        if (!m_hoverBorder) return;
        if (state.pressed)
            ui::gdi::Draw3dRect(dc, r, kDarkEdge, kLightEdge);
        else if (m_hover)
            ui::gdi::Draw3dRect(dc, r, kLightEdge, kDarkEdge);
        return;
    }
    if (state.pressed) {
        FrameWith(dc, r, kDarkEdge);
        return;
    }
    // The 3D look shows its edges whether or not the pointer is over it.
    DrawLine(dc, kLightEdge, {{r.left, r.bottom - 1}, {r.left, r.top}, {r.right, r.top}});
    DrawLine(dc, kLightEdge, {{r.left + 1, r.bottom - 1}, {r.left + 1, r.top + 1}, {r.right, r.top + 1}});
    DrawLine(dc, GetSysColor(COLOR_3DDKSHADOW),
             {{r.left, r.bottom - 1}, {r.right - 1, r.bottom - 1}, {r.right - 1, r.top - 1}});
    DrawLine(dc, kDarkEdge, {{r.left + 1, r.bottom - 2}, {r.right - 2, r.bottom - 2}, {r.right - 2, r.top}});
}

void CHoverButton::DrawIcon(HDC dc, const RECT& item, bool hasText, const ItemState& state, RECT& caption) const {
    RECT i = item;
    if (m_layout == kIconLeft) {
        if (hasText) {
            i.left += 3;
            caption.left += m_iconWidth + 3;
        } else {
            i.left += (Width(item) - m_iconWidth) / 2;
        }
        i.top += (Height(item) - m_iconHeight) / 2;
    } else {
        i.left += (Width(item) - m_iconWidth) / 2;
        if (hasText)
            caption.top += m_iconHeight;
        else
            i.top += (Height(item) - m_iconHeight) / 2;
    }
    if (state.pressed) OffsetRect(&i, 1, 1);
    HICON icon = state.lit ? m_hoverIcon.Get() : NormalIcon();
    DrawStateW(dc, nullptr, nullptr, reinterpret_cast<LPARAM>(icon), 0, i.left, i.top, Width(i), Height(i),
               DST_ICON | (state.disabled ? DSS_DISABLED : 0));
}

void CHoverButton::DrawCaption(HDC dc, const std::wstring& text, RECT caption, const ItemState& state) const {
    if (state.pressed) OffsetRect(&caption, 1, 1);
    HFONT font = Font();
    ui::gdi::Select selectFont(dc, font ? static_cast<HGDIOBJ>(font) : GetStockObject(SYSTEM_FONT));
    SetTextColor(dc, state.lit ? m_hoverText : m_normalText);
    SetBkColor(dc, state.lit ? m_hoverBackgroundColour : m_normalBackground);

    RECT centred = caption;
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &centred, DT_SINGLELINE | DT_CALCRECT);
    OffsetRect(&centred, (Width(caption) - Width(centred)) / 2, (Height(caption) - Height(centred)) / 2);
    SetBkMode(dc, TRANSPARENT);
    DrawStateW(dc, nullptr, nullptr, reinterpret_cast<LPARAM>(text.c_str()), static_cast<WPARAM>(text.size()),
               centred.left, centred.top, Width(centred), Height(centred),
               DST_PREFIXTEXT | (state.disabled ? DSS_DISABLED : 0));
}

void CHoverButton::CopyParentBackground(HDC dc, const RECT& r, const RECT& client) {
    if (!m_background) {
        HWND parent = GetParent(m_hwnd);
        ui::gdi::ClientDC parentDc(parent);
        RECT window{};
        GetWindowRect(m_hwnd, &window);
        MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&window), 2);
        auto copy = std::make_unique<BackgroundCopy>(parentDc.Get());
        copy->bitmap = ui::gdi::Bitmap(CreateCompatibleBitmap(parentDc.Get(), Width(client), Height(client)));
        if (!copy->dc.Get() || !copy->bitmap) return;
        copy->selection.emplace(copy->dc.Get(), copy->bitmap.Get());
        BitBlt(copy->dc.Get(), 0, 0, Width(client), Height(client), parentDc.Get(), window.left, window.top, SRCCOPY);
        m_background = std::move(copy);
    }
    BitBlt(dc, r.left, r.top, Width(r), Height(r), m_background->dc.Get(), r.left - client.left, r.top - client.top,
           SRCCOPY);
}
