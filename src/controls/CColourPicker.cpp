#include "controls/CColourPicker.h"

#include <commctrl.h>

#include "ui/BufferDC.h"
#include "ui/Redraw.h"
#include "controls/ColourPickerLayout.h"
#include "controls/ColourPickerMessages.h"
#include "ui/Gdi.h"
#include "ui/Text.h"

namespace {

RECT ToRect(const Rect& r) { return {r.left, r.top, r.right, r.bottom}; }

PickerMetrics SystemMetrics() {
    return {GetSystemMetrics(SM_CXEDGE), GetSystemMetrics(SM_CYEDGE), GetSystemMetrics(SM_CXHTHUMB),
            GetSystemMetrics(SM_CYVTHUMB)};
}

}  // namespace

CColourPicker::CColourPicker()
    : m_background(GetSysColor(COLOR_BTNFACE)),
      m_text(GetSysColor(COLOR_BTNTEXT)),
      m_defaultColour(GetSysColor(COLOR_BTNFACE)) {}

CColourPicker::~CColourPicker() { ClosePopup(); }

// ---- Colours -----------------------------------------------------------------------------

COLORREF CColourPicker::GetColour() const { return m_selectionMode == kTextColour ? m_text : m_background; }

void CColourPicker::SetColour(COLORREF colour) {
    (m_selectionMode == kTextColour ? m_text : m_background) = colour;
    if (m_hwnd) ui::RedrawNow(m_hwnd);
}

void CColourPicker::SetDefaultColour(COLORREF colour) {
    m_defaultColour = colour;
    if (m_hwnd) InvalidateRect(m_hwnd, nullptr, FALSE);
}

// ---- Taking over the button --------------------------------------------------------------

void CColourPicker::OnAttached() {
    LONG_PTR style = GetWindowLongPtrW(m_hwnd, GWL_STYLE);
    Send(BM_SETSTYLE, static_cast<WPARAM>((style & ~BS_TYPEMASK) | BS_OWNERDRAW), FALSE);
    RECT r{};
    GetWindowRect(m_hwnd, &r);
    const Size size = PickerSize(SystemMetrics(), r.right - r.left);
    SetWindowPos(m_hwnd, nullptr, 0, 0, size.width, size.height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    InvalidateRect(m_hwnd, nullptr, FALSE);
}

// ---- Messages ----------------------------------------------------------------------------

bool CColourPicker::OnReflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (message) {
    case WM_DRAWITEM:
        DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        result = TRUE;
        return true;
    case WM_COMMAND:
        if (HIWORD(wParam) != BN_CLICKED) return false;
        OpenPopup();
        result = 0;
        return true;
    default: return false;
    }
}

LRESULT CColourPicker::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case kColourChosenMessage:
    case kColourCancelledMessage: OnPopupEnded(message, static_cast<COLORREF>(wParam)); return 0;
    case kColourHighlightedMessage: OnPopupHighlighted(static_cast<COLORREF>(wParam)); return 0;
    case WM_ERASEBKGND: return TRUE;  // the owner draw covers every pixel
    case WM_DESTROY: OnDestroy(); return Default(message, wParam, lParam);
    default: return Default(message, wParam, lParam);
    }
}

void CColourPicker::OpenPopup() {
    if (m_active) return;
    m_active = true;
    ui::RedrawNow(m_hwnd, false);
    ColourPopupArgs args;
    args.picker = m_hwnd;
    GetWindowRect(m_hwnd, &args.button);
    args.colour = GetColour();
    args.automaticText = m_automaticText;
    args.moreColoursText = m_moreColoursText;
    args.colourDialog = m_colourDialog;
    m_popup = CColourPopup::Open(std::move(args));
    if (!m_popup) {
        m_active = false;
        ui::RedrawNow(m_hwnd, false);
        return;
    }
    NotifyParent(kColourPopupOpenedMessage, GetColour());
}

// The popup ended with a colour (chosen) or with the colour it opened on (cancelled).
void CColourPicker::OnPopupEnded(UINT message, COLORREF colour) {
    m_active = false;
    m_popup = nullptr;
    SetColour(colour);
    NotifyParent(kColourPopupClosedMessage, colour);
    NotifyParent(message, colour);
}

void CColourPicker::OnPopupHighlighted(COLORREF colour) {
    if (m_trackSelection) SetColour(colour);
    NotifyParent(kColourHighlightedMessage, colour);
}

void CColourPicker::OnDestroy() { ClosePopup(); }

// A popup still open when the button goes away goes with it, quietly.
void CColourPicker::ClosePopup() {
    HWND popup = m_popup;
    m_popup = nullptr;
    m_active = false;
    if (popup && IsWindow(popup)) DestroyWindow(popup);
}

void CColourPicker::NotifyParent(UINT message, COLORREF colour) const {
    SendToParent(message, colour, GetDlgCtrlID(m_hwnd));
}

// ---- Drawing -----------------------------------------------------------------------------

void CColourPicker::DrawItem(const DRAWITEMSTRUCT& item) const {
    ui::gdi::BufferDC buffer(item.hDC);
    HDC dc = buffer.Get();
    RECT r = item.rcItem;
    const Size client{r.right - r.left, r.bottom - r.top};
    const PickerMetrics metrics = SystemMetrics();
    const bool pressed = m_active || (item.itemState & ODS_SELECTED);
    const bool disabled = (item.itemState & ODS_DISABLED) != 0;

    FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
    RECT arrow = ToRect(PickerArrow(metrics, client));
    DrawFrameControl(dc, &arrow, DFC_SCROLL,
                     DFCS_SCROLLDOWN | (pressed ? DFCS_PUSHED : 0) | (disabled ? DFCS_INACTIVE : 0));
    DrawEdge(dc, &r, EDGE_SUNKEN, BF_RECT);

    RECT swatch = ToRect(PickerSwatch(metrics, client));
    const bool useDefault = disabled || m_background == CLR_DEFAULT;
    ui::gdi::Brush brush = ui::gdi::MakeSolidBrush(useDefault ? m_defaultColour : m_background);
    FillRect(dc, &swatch, brush.Get());

    DrawCaption(dc, swatch, disabled);
    if (item.itemState & ODS_FOCUS) {
        InflateRect(&swatch, -1, -1);
        DrawFocusRect(dc, &swatch);
    }
}

// A caption, when the button has one: centred on the swatch, embossed while disabled.
void CColourPicker::DrawCaption(HDC dc, RECT r, bool disabled) const {
    const std::wstring text = ui::WindowText(m_hwnd);
    if (text.empty()) return;
    HFONT font = Font();
    ui::gdi::Select select(dc, font ? static_cast<HGDIOBJ>(font) : GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(dc, TRANSPARENT);
    const UINT format = DT_SINGLELINE | DT_CENTER | DT_VCENTER;
    const int length = static_cast<int>(text.size());
    if (disabled) {
        RECT raised = r;
        OffsetRect(&raised, 1, 1);
        SetTextColor(dc, GetSysColor(COLOR_BTNHIGHLIGHT));
        DrawTextW(dc, text.c_str(), length, &raised, format);
        SetTextColor(dc, GetSysColor(COLOR_BTNSHADOW));
        DrawTextW(dc, text.c_str(), length, &r, format);
        return;
    }
    SetTextColor(dc, m_text == CLR_DEFAULT ? RGB(0, 0, 0) : m_text);
    DrawTextW(dc, text.c_str(), length, &r, format);
}
