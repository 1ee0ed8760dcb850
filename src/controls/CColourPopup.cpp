#include "controls/CColourPopup.h"

#include <commdlg.h>
#include <windowsx.h>

#include <vector>

#include "ui/BufferDC.h"
#include "ui/CommonDialogs.h"
#include "ui/Dpi.h"
#include "ui/WindowView.h"
#include "controls/ColourPickerMessages.h"
#include "controls/ColourPopupRules.h"
#include "controls/ColourTable.h"

namespace {

constexpr wchar_t kClassName[] = L"PokomiColourPopup";
constexpr COLORREF kRgbMask = 0x00FFFFFF;

RECT ToRect(const Rect& r) { return {r.left, r.top, r.right, r.bottom}; }
Rect FromRect(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }

// The system's message font as a window at that DPI gets it.
ui::gdi::Font MessageFont(DpiScale scale) {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    if (!SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0,
                                    static_cast<UINT>(scale.dpi)) &&
        !SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0))
        return ui::gdi::Font();
    return ui::gdi::Font(CreateFontIndirectW(&metrics.lfMessageFont));
}

// A caption's extent in the font as it is drawn (an "&" marks the mnemonic); none for no caption.
std::optional<Size> CaptionExtent(HDC dc, const std::wstring& text) {
    if (text.empty()) return std::nullopt;
    RECT r{0, 0, 0, 0};
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r, DT_SINGLELINE | DT_CALCRECT);
    return Size{r.right - r.left, r.bottom - r.top};
}

// The cells are as large, in proportion, as at 96 DPI on the picker's monitor.
ColourPopupLayout Measure(HFONT font, DpiScale scale, const std::wstring& automaticText, const std::wstring& moreText) {
    ui::gdi::ClientDC screen(nullptr);
    ui::gdi::Select select(screen.Get(), font ? static_cast<HGDIOBJ>(font) : GetStockObject(DEFAULT_GUI_FONT));
    ColourPopupInput input;
    input.colourCount = static_cast<int>(kColourTable.size());
    input.margin = ui::SystemMetric(SM_CXEDGE, scale);
    input.boxSize = scale.Px(ColourPopupLayout::kBoxSize);
    input.automaticText = CaptionExtent(screen.Get(), automaticText);
    input.moreColoursText = CaptionExtent(screen.Get(), moreText);
    return ColourPopupLayout(input);
}

// The work area of the monitor the picker is on.
Rect WorkAreaOf(HWND hwnd) {
    MONITORINFO info{};
    info.cbSize = sizeof(info);
    if (GetMonitorInfoW(MonitorFromWindow(hwnd, MONITOR_DEFAULTTONEAREST), &info)) return FromRect(info.rcWork);
    return {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

ui::gdi::Palette TablePalette() {
    std::vector<COLORREF> colours;
    for (const NamedColour& entry : kColourTable) colours.push_back(entry.colour);
    return ui::gdi::MakePalette(colours);
}

void DrawLine(HDC dc, int colourIndex, int left, int right, int y) {
    ui::gdi::Pen pen = ui::gdi::MakePen(PS_SOLID, 1, GetSysColor(colourIndex));
    ui::gdi::Select select(dc, pen.Get());
    MoveToEx(dc, left, y, nullptr);
    LineTo(dc, right, y);
}

void DrawCaption(HDC dc, const std::wstring& text, RECT r) {
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
}

}  // namespace

std::optional<COLORREF> ShowSystemColourDialog(HWND owner, COLORREF initial) {
    static COLORREF customColours[16] = {
        0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF,
        0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF,
    };
    CHOOSECOLORW choose{};
    choose.lStructSize = sizeof(choose);
    choose.hwndOwner = owner;
    choose.rgbResult = initial & kRgbMask;  // the automatic colour is no colour the dialog knows
    choose.lpCustColors = customColours;
    choose.Flags = CC_FULLOPEN | CC_ANYCOLOR | CC_RGBINIT;
    if (!ui::RunColourDialog(choose)) return std::nullopt;
    return choose.rgbResult & kRgbMask;
}

// ---- Opening -----------------------------------------------------------------------------

HWND CColourPopup::Open(ColourPopupArgs args) {
    const DpiScale scale = ui::WindowDpi(args.picker);
    ui::gdi::Font font = MessageFont(scale);
    const ColourPopupLayout layout = Measure(font.Get(), scale, args.automaticText, args.moreColoursText);
    const RECT& button = args.button;
    const Rect placed = PlaceColourPopup(layout.WindowSize(), {button.left, button.bottom}, button.bottom - button.top,
                                         WorkAreaOf(args.picker));
    auto* popup = new CColourPopup(std::move(args), std::move(font), layout);
    if (!popup->CreateAt(ToRect(placed))) {
        delete popup;
        return nullptr;
    }
    return popup->Handle();
}

ColourPopupLayout CColourPopup::LayoutFor(const std::wstring& automaticText, const std::wstring& moreColoursText) {
    const DpiScale scale = ui::SystemDpi();
    ui::gdi::Font font = MessageFont(scale);
    return Measure(font.Get(), scale, automaticText, moreColoursText);
}

CColourPopup::CColourPopup(ColourPopupArgs args, ui::gdi::Font font, const ColourPopupLayout& layout)
    : m_args(std::move(args)),
      m_layout(layout),
      m_font(std::move(font)),
      m_palette(TablePalette()),
      m_chosen(ChosenElement(m_args.colour, m_layout)),
      m_colour(m_args.colour) {}

// Created at its final place and size, so it never shows anywhere else first.
bool CColourPopup::CreateAt(const RECT& screen) {
    ui::WindowCreateArgs create;
    create.className = kClassName;
    create.classStyle = CS_VREDRAW | CS_HREDRAW | CS_CLASSDC | CS_SAVEBITS;
    create.classBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
    create.style = WS_POPUP | WS_VISIBLE;
    create.rect = screen;
    create.parent = m_args.picker;
    if (!CreateWindowObject(create)) return false;
    CreateTooltips();
    SetCapture(m_hwnd);
    return true;
}

void CColourPopup::CreateTooltips() {
    if (!m_tooltip.Create(m_hwnd)) return;
    for (int i = 0; i < m_layout.Count(); ++i)
        m_tooltip.AddTool(static_cast<UINT_PTR>(i) + 1, ToRect(m_layout.Cell(i)),
                          kColourTable[static_cast<size_t>(i)].name);
}

// ---- Messages ----------------------------------------------------------------------------

LRESULT CColourPopup::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    m_tooltip.Relay(message, wParam, lParam);
    switch (message) {
    case WM_PAINT: OnPaint(); return 0;
    case WM_ERASEBKGND: return TRUE;  // the paint covers every pixel
    case WM_MOUSEMOVE: OnMouseMove(lParam); return 0;
    case WM_LBUTTONUP: OnLButtonUp(lParam); return 0;
    case WM_KEYDOWN: return OnKeyDown(wParam) ? 0 : Default(message, wParam, lParam);
    case WM_KILLFOCUS: OnKillFocus(); return 0;
    case WM_ACTIVATE: OnActivate(LOWORD(wParam)); return Default(message, wParam, lParam);
    case WM_ACTIVATEAPP: OnActivateApp(wParam != FALSE); return 0;
    case WM_CLOSE: End(Ending::Cancelled); return 0;
    case WM_QUERYNEWPALETTE: InvalidateRect(m_hwnd, nullptr, FALSE); return Default(message, wParam, lParam);
    case WM_PALETTECHANGED: OnPaletteChanged(reinterpret_cast<HWND>(wParam)); return 0;
    default: return Default(message, wParam, lParam);
    }
}

// Losing the focus lets the mouse go, nothing more.
void CColourPopup::OnKillFocus() {
    if (GetCapture() == m_hwnd) ReleaseCapture();
}

void CColourPopup::OnMouseMove(LPARAM point) {
    const int element = m_layout.HitTest({GET_X_LPARAM(point), GET_Y_LPARAM(point)});
    if (element != kNoElement && element != m_current) MoveHighlightTo(element);
}

// Releasing the button inside the popup takes what is under the pointer (or what
// was highlighted last, over a margin); anywhere else it cancels.
void CColourPopup::OnLButtonUp(LPARAM point) {
    OnMouseMove(point);
    POINT screen{GET_X_LPARAM(point), GET_Y_LPARAM(point)};
    ClientToScreen(m_hwnd, &screen);
    RECT window{};
    GetWindowRect(m_hwnd, &window);
    End(PtInRect(&window, screen) ? Ending::Chosen : Ending::Cancelled);
}

bool CColourPopup::OnKeyDown(WPARAM key) {
    auto move = [this](ArrowKey arrow) {
        MoveHighlightTo(MoveHighlight(m_current, arrow, m_layout));
        return true;
    };
    switch (key) {
    case VK_UP: return move(ArrowKey::Up);
    case VK_DOWN: return move(ArrowKey::Down);
    case VK_LEFT: return move(ArrowKey::Left);
    case VK_RIGHT: return move(ArrowKey::Right);
    case VK_RETURN:
    case VK_SPACE: End(Ending::Chosen); return true;
    case VK_ESCAPE: End(Ending::Cancelled); return true;
    default: return false;
    }
}

// Another window taking the activation (a message box, another program) cancels,
// as switching to another program does. A popup being hidden or destroyed, or one
// waiting for its colour dialog, is already ending.
void CColourPopup::OnActivate(WORD state) {
    if (state == WA_INACTIVE && IsWindowVisible(m_hwnd)) End(Ending::Cancelled);
}

void CColourPopup::OnActivateApp(bool active) {
    if (!active && IsWindowVisible(m_hwnd)) End(Ending::Cancelled);
}

void CColourPopup::OnPaletteChanged(HWND changedBy) {
    if (changedBy != m_hwnd) InvalidateRect(m_hwnd, nullptr, FALSE);
}

// ---- Highlight and ending ----------------------------------------------------------------

void CColourPopup::MoveHighlightTo(int element) {
    const int previous = m_current;
    m_current = element;
    RedrawElement(previous);
    RedrawElement(element);
    // The more-colours box offers no colour of its own until its dialog has run.
    if (element != kMoreColoursBox) m_colour = ElementColour(element, m_args.colour);
    ui::WindowView(m_args.picker).Send(kColourHighlightedMessage, ElementColour(element, m_args.colour));
}

void CColourPopup::RedrawElement(int element) {
    const Rect r = m_layout.Element(element);
    if (r.Width() <= 0 || r.Height() <= 0) return;
    const RECT update = ToRect(r);
    InvalidateRect(m_hwnd, &update, FALSE);
    UpdateWindow(m_hwnd);
}

void CColourPopup::End(Ending ending) {
    if (m_ending) return;  // the colour dialog is open, or the end is under way
    m_ending = true;
    OnKillFocus();
    if (ending == Ending::Chosen && m_current == kMoreColoursBox) {
        std::optional<COLORREF> picked = RunColourDialog();
        if (picked)
            m_colour = *picked;
        else
            ending = Ending::Cancelled;
    }
    if (ending == Ending::Cancelled) m_colour = m_args.colour;
    ui::WindowView(m_args.picker)
        .Send(ending == Ending::Chosen ? kColourChosenMessage : kColourCancelledMessage, m_colour);
    if (m_hwnd) DestroyWindow(m_hwnd);
}

// The dialog is owned by the popup, which it disables; the window the picker is
// on is disabled too, so that nothing there can be used until the dialog ends.
std::optional<COLORREF> CColourPopup::RunColourDialog() {
    if (!m_args.colourDialog) return std::nullopt;
    ui::WindowView owner(GetWindow(m_hwnd, GW_OWNER));
    const bool disable = owner && owner.IsEnabled();
    if (disable) owner.Enable(false);
    std::optional<COLORREF> picked = m_args.colourDialog(m_hwnd, m_args.colour);
    if (disable && IsWindow(owner.Handle())) owner.Enable(true);
    return picked;
}

// ---- Painting ----------------------------------------------------------------------------

void CColourPopup::OnPaint() {
    ui::gdi::PaintDC paint(m_hwnd);
    ui::gdi::BufferDC buffer(paint.Get());
    Paint(buffer.Get());
}

void CColourPopup::Paint(HDC dc) const {
    RECT client{};
    GetClientRect(m_hwnd, &client);
    FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
    ui::gdi::Select font(dc, m_font ? static_cast<HGDIOBJ>(m_font.Get()) : GetStockObject(DEFAULT_GUI_FONT));
    const bool palette = m_palette && ui::gdi::IsPaletteDevice(dc);
    std::optional<ui::gdi::PaletteSelection> selection;
    if (palette) selection.emplace(dc, m_palette.Get());

    if (m_layout.HasAutomaticBox()) DrawAutomaticBox(dc);
    for (int i = 0; i < m_layout.Count(); ++i) DrawCell(dc, i, palette);
    if (m_layout.HasMoreColoursBox()) DrawMoreColoursBox(dc);
    DrawEdge(dc, &client, EDGE_RAISED, BF_RECT);
}

// The highlighted element stands out raised, the chosen one sunk; the chosen one
// is also lighter while the highlight is elsewhere.
void CColourPopup::DrawElementBack(HDC dc, int element, RECT r, bool textBox) const {
    const bool highlighted = element == m_current;
    const bool chosen = element == m_chosen;
    int background = COLOR_BTNFACE;
    if (chosen && !highlighted) background = textBox ? COLOR_3DLIGHT : COLOR_BTNHIGHLIGHT;
    FillRect(dc, &r, GetSysColorBrush(background));
    const UINT edge = (highlighted ? BDR_RAISEDINNER : 0) | (chosen ? BDR_SUNKENOUTER : 0);
    if (edge) DrawEdge(dc, &r, edge, BF_RECT);
}

void CColourPopup::DrawCell(HDC dc, int index, bool palette) const {
    RECT cell = ToRect(m_layout.Cell(index));
    DrawElementBack(dc, index, cell, false);
    const int inset = m_layout.Margin() + 1;
    InflateRect(&cell, -inset, -inset);
    const COLORREF colour = kColourTable[static_cast<size_t>(index)].colour;
    ui::gdi::Brush brush =
        ui::gdi::MakeSolidBrush(palette ? PALETTERGB(GetRValue(colour), GetGValue(colour), GetBValue(colour)) : colour);
    ui::gdi::Pen pen = ui::gdi::MakePen(PS_SOLID, 1, GetSysColor(COLOR_BTNSHADOW));
    ui::gdi::Select selectBrush(dc, brush.Get());
    ui::gdi::Select selectPen(dc, pen.Get());
    Rectangle(dc, cell.left, cell.top, cell.right, cell.bottom);
}

void CColourPopup::DrawAutomaticBox(HDC dc) const {
    RECT box = ToRect(m_layout.AutomaticBox());
    DrawElementBack(dc, kAutomaticBox, box, true);
    const int inset = m_layout.Margin() + 1;
    InflateRect(&box, -inset, -inset);
    FrameRect(dc, &box, GetSysColorBrush(COLOR_BTNSHADOW));
    DrawCaption(dc, m_args.automaticText, box);
}

void CColourPopup::DrawMoreColoursBox(HDC dc) const {
    RECT box = ToRect(m_layout.MoreColoursBox());
    DrawElementBack(dc, kMoreColoursBox, box, true);
    const int indent = 2 * m_layout.Margin();
    const int y = box.top + m_layout.Margin();
    DrawLine(dc, COLOR_BTNSHADOW, box.left + indent, box.right - indent, y);
    DrawLine(dc, COLOR_BTNHIGHLIGHT, box.left + indent, box.right - indent, y + 1);
    box.top = y + 2;
    DrawCaption(dc, m_args.moreColoursText, box);
}
