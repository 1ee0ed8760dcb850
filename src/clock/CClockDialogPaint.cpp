// Drawing the clock face: the illustration, weekday and date, numerals and hands.
#include "clock/CClockDialog.h"

#include "ui/Redraw.h"

#include "clock/BitmapHeader.h"
#include "clock/FaceGeometry.h"
#include "clock/FaceGlyphs.h"
#include "clock/FaceMapping.h"
#include "resource.h"
#include "ui/Files.h"
#include "ui/Resources.h"
#include "ui/Text.h"

using namespace pokomi;

namespace {

void SelectMapping(HDC dc, const IsotropicMapping& mapping) {
    SetMapMode(dc, MM_ISOTROPIC);
    SetWindowExtEx(dc, mapping.windowExtent.width, mapping.windowExtent.height, nullptr);
    SetViewportExtEx(dc, mapping.viewportExtent.width, mapping.viewportExtent.height, nullptr);
    SetViewportOrgEx(dc, mapping.viewportOrigin.x, mapping.viewportOrigin.y, nullptr);
}

POINT ToPoint(Point p) { return POINT{p.x, p.y}; }

}  // namespace

void CClockDialog::SelectClockMapping(HDC dc) const {
    RECT client{};
    GetClientRect(m_hwnd, &client);
    SelectMapping(dc, ClockMapping(client.right, client.bottom, m_settings.Height));
}

bool CClockDialog::OnPaint() {
    {
        ui::gdi::PaintDC paint(m_hwnd);
        PaintFace(paint.Get());
    }
    RedrawCaptionControls(true);
    return true;
}

void CClockDialog::PaintFace(HDC dc) const {
    SelectClockMapping(dc);
    DrawFace(dc);
    HandAngles angles = HandAnglesFor(m_lastHour, m_lastMinute, m_lastSecond);
    DrawHand(dc, kHourHand.length, kHourHand.divisor, angles.hour);
    DrawHand(dc, kMinuteHand.length, kMinuteHand.divisor, angles.minute);
    DrawSecondHand(dc, kSecondHand.length, kSecondHand.divisor, angles.second);
}

void CClockDialog::RedrawCaptionControls(bool withLabel) const {
    for (HWND control : {m_minimizeButton.Handle(), m_topMostButton.Handle(), m_closeButton.Handle()})
        ui::RedrawNow(control);
    if (withLabel) ui::RedrawNow(m_label.Handle());
}

void CClockDialog::DrawFace(HDC dc) const {
    SelectMapping(dc, BitmapLayerMapping());
    std::wstring path = DataPath(ui::Format(L"bitmap%d.bmp", m_illustrationIndex).c_str());
    ui::gdi::Bitmap illustration = LoadIllustration(path);
    if (illustration)
        ui::gdi::DrawBitmap(dc, illustration.Get(), kIllustrationPosition.x, kIllustrationPosition.y);
    else
        DrawResourceBitmap(dc, IDB_FALLBACK_ILLUSTRATION, kIllustrationPosition);

    LocalTime today = m_env.now();
    DrawResourceBitmap(dc, static_cast<UINT>(WeekdayGlyphResource(today.weekday)), kWeekdayGlyphPosition);
    for (const DateGlyph& glyph : DateGlyphLayout(today.month, today.day))
        DrawResourceBitmap(dc, static_cast<UINT>(DateGlyphResource(glyph)), glyph.position);

    SelectClockMapping(dc);
    if (m_settings.TitleFace) DrawNumerals(dc);
}

void CClockDialog::DrawNumerals(HDC dc) const {
    SetBkMode(dc, TRANSPARENT);
    SetTextAlign(dc, TA_CENTER | TA_TOP);
    LOGFONTW font = DialLogFont();
    font.lfHeight = NumeralFontHeight(font.lfHeight, GetDeviceCaps(dc, LOGPIXELSY));
    for (const NumeralEntry& numeral : kRomanNumerals) {
        font.lfEscapement = numeral.escapement;
        ui::gdi::Font rotated(CreateFontIndirectW(&font));
        ui::gdi::Select select(dc, rotated.Get());
        int length = static_cast<int>(wcslen(numeral.text));
        Point pale = PaleCopyPoint(numeral.anchor);
        SetTextColor(dc, kNumeralPaleColour);
        TextOutW(dc, pale.x, pale.y, numeral.text, length);
        SetTextColor(dc, kNumeralColour);
        TextOutW(dc, numeral.anchor.x, numeral.anchor.y, numeral.text, length);
    }
}

LOGFONTW CClockDialog::DialLogFont() const {
    LOGFONTW font{};
    font.lfHeight = m_settings.dialFont.height;
    font.lfWeight = m_settings.dialFont.weight;
    font.lfItalic = m_settings.dialFont.italic;
    font.lfCharSet = DEFAULT_CHARSET;
    font.lfClipPrecision = CLIP_LH_ANGLES;
    lstrcpynW(font.lfFaceName, m_settings.dialFont.faceName.c_str(), LF_FACESIZE);
    return font;
}

void CClockDialog::DrawHand(HDC dc, int length, int divisor, int angle) const {
    HandPoints hand = ComputeHandPoints({length, divisor}, angle);
    POINT kite[] = {ToPoint(hand.tip), ToPoint(hand.right), ToPoint(hand.back), ToPoint(hand.left)};
    {
        ui::gdi::Brush fill = ui::gdi::MakeSolidBrush(m_settings.fillColour);
        ui::gdi::Select select(dc, fill.Get());
        Polygon(dc, kite, 4);
    }
    {
        ui::gdi::Brush shadow = ui::gdi::MakeSolidBrush(m_settings.shadowColour);
        ui::gdi::Select select(dc, shadow.Get());
        Polygon(dc, kite, 3);  // the clockwise half: tip, right, back
    }
    ui::gdi::Pen line = ui::gdi::MakePen(PS_SOLID, 0, m_settings.lineColour);
    ui::gdi::Select select(dc, line.Get());
    MoveToEx(dc, kite[0].x, kite[0].y, nullptr);
    for (const POINT& p : {kite[1], kite[2], kite[3], kite[0], kite[2]}) LineTo(dc, p.x, p.y);
}

void CClockDialog::DrawSecondHand(HDC dc, int length, int divisor, int angle) const {
    if (!m_settings.SecondHand) return;
    SecondHandPoints hand = ComputeSecondHandPoints({length, divisor}, angle);
    ui::gdi::Pen pen = ui::gdi::MakePen(PS_SOLID, 0, RGB(0, 0, 0));
    ui::gdi::Select select(dc, pen.Get());
    MoveToEx(dc, hand.tip.x, hand.tip.y, nullptr);
    SetROP2(dc, R2_NOT);  // drawing the same line again restores the pixels
    LineTo(dc, hand.back.x, hand.back.y);
    SetROP2(dc, R2_COPYPEN);
}

// Loaded for this one drawing and released right after it.
void CClockDialog::DrawResourceBitmap(HDC dc, UINT id, Point at) const {
    ui::gdi::Bitmap bitmap = ui::LoadBitmapResource(id);
    ui::gdi::DrawBitmap(dc, bitmap.Get(), at.x, at.y);
}

// The headers are checked first: a damaged picture gives the fallback, not a crash.
ui::gdi::Bitmap CClockDialog::LoadIllustration(const std::wstring& path) const {
    std::optional<ui::FileHead> head = ui::ReadFileHead(path, kBitmapHeadSize);
    if (!head || !IsDrawableBitmap(head->bytes, head->size)) return {};
    return ui::gdi::Bitmap(static_cast<HBITMAP>(
        LoadImageW(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_DEFAULTSIZE | LR_CREATEDIBSECTION)));
}
