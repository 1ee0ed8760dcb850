#include "clock/CFacePainter.h"

#include "clock/BitmapHeader.h"
#include "clock/FaceGeometry.h"
#include "clock/FaceGlyphs.h"
#include "resource.h"
#include "ui/Resources.h"

namespace {

POINT ToPoint(Point p) { return POINT{p.x, p.y}; }

// The headers are checked first: a damaged picture gives the fallback, not a crash.
ui::gdi::Bitmap LoadIllustration(const std::wstring& path) {
    std::optional<ui::FileHead> head = ui::ReadFileHead(path, kBitmapHeadSize);
    if (!head || !IsDrawableBitmap(head->bytes, head->size)) return {};
    return ui::gdi::Bitmap(static_cast<HBITMAP>(
        LoadImageW(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_DEFAULTSIZE | LR_CREATEDIBSECTION)));
}

}  // namespace

// MM_ISOTROPIC fits the viewport extents to the shape of the display's pixels whenever
// an extent or origin is set, and asks the system for that shape each time: under Wine
// a dozen round trips to its server per mapping, dearer than all the drawing of a face.
// The extents it settles on are kept (until the display changes) and set again in
// MM_ANISOTROPIC, which takes them as they are: the same mapping, point for point.
void CFacePainter::SelectMapping(HDC dc, const IsotropicMapping& mapping) const {
    std::array<int, 4> asked{mapping.windowExtent.width, mapping.windowExtent.height, mapping.viewportExtent.width,
                             mapping.viewportExtent.height};
    auto settled = m_settledExtents.find(asked);
    if (settled == m_settledExtents.end()) {
        SetMapMode(dc, MM_ISOTROPIC);
        SetWindowExtEx(dc, asked[0], asked[1], nullptr);
        SetViewportExtEx(dc, asked[2], asked[3], nullptr);
        SetViewportOrgEx(dc, mapping.viewportOrigin.x, mapping.viewportOrigin.y, nullptr);
        SIZE window{}, viewport{};
        GetWindowExtEx(dc, &window);
        GetViewportExtEx(dc, &viewport);
        m_settledExtents.emplace(asked, std::array<int, 4>{window.cx, window.cy, viewport.cx, viewport.cy});
        return;
    }
    const std::array<int, 4>& extents = settled->second;
    SetMapMode(dc, MM_ANISOTROPIC);
    SetWindowExtEx(dc, extents[0], extents[1], nullptr);
    SetViewportExtEx(dc, extents[2], extents[3], nullptr);
    SetViewportOrgEx(dc, mapping.viewportOrigin.x, mapping.viewportOrigin.y, nullptr);
}

void CFacePainter::ForgetDisplayShape() {
    m_settledExtents.clear();
    m_secondHandPixelsKnown = false;
}

void CFacePainter::SetClientSize(SIZE client) {
    if (client.cx == m_client.cx && client.cy == m_client.cy) return;
    m_client = client;
    m_secondHandPixelsKnown = false;
}

void CFacePainter::SetDpi(DpiScale scale) {
    if (scale == m_scale) return;
    m_scale = scale;
    m_builtInBitmaps.clear();
    m_illustration.Reset();
    m_illustrationFile.reset();
    ForgetDisplayShape();
}

// The clock's centre is `Height` pixels down at 96 DPI, as far down in proportion at any other.
void CFacePainter::SelectClockMapping(HDC dc) const {
    SelectMapping(dc, ClockMapping(m_client.cx, m_client.cy, m_scale.Px(m_settings.Height)));
}

void CFacePainter::Paint(HDC dc, const FaceScene& scene) const {
    DrawFace(dc, scene);  // leaves the clock mapping selected
    TakeSecondHandPixels(dc);
    HandAngles angles = HandAnglesFor(scene.hour12, scene.minute, scene.second);
    DrawHand(dc, kHourHand.length, kHourHand.divisor, angles.hour);
    DrawHand(dc, kMinuteHand.length, kMinuteHand.divisor, angles.minute);
    DrawSecondHand(dc, scene.second);
}

void CFacePainter::StepSecondHand(HDC dc, int oldSecond, int newSecond) const {
    DrawSecondHand(dc, oldSecond);
    DrawSecondHand(dc, newSecond);
}

void CFacePainter::DrawFace(HDC dc, const FaceScene& scene) const {
    SelectMapping(dc, BitmapLayerMapping());
    DrawIllustration(dc, scene.illustrationPath);

    const LocalTime& today = scene.today;
    DrawResourceBitmap(dc, static_cast<UINT>(WeekdayGlyphResource(today.weekday)), kWeekdayGlyphPosition);
    for (const DateGlyph& glyph : DateGlyphLayout(today.month, today.day))
        DrawResourceBitmap(dc, static_cast<UINT>(DateGlyphResource(glyph)), glyph.position);

    SelectClockMapping(dc);
    if (m_settings.TitleFace) DrawNumerals(dc);
}

void CFacePainter::DrawNumerals(HDC dc) const {
    SetBkMode(dc, TRANSPARENT);
    SetTextAlign(dc, TA_CENTER | TA_TOP);
    LOGFONTW font = DialLogFont();
    // The clock mapping already grows with the window: the numerals are sized as at 96 DPI.
    font.lfHeight = NumeralFontHeight(font.lfHeight, kDesignDpi);
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

LOGFONTW CFacePainter::DialLogFont() const {
    LOGFONTW font{};
    font.lfHeight = m_settings.dialFont.height;
    font.lfWeight = m_settings.dialFont.weight;
    font.lfItalic = m_settings.dialFont.italic;
    font.lfCharSet = DEFAULT_CHARSET;
    font.lfClipPrecision = CLIP_LH_ANGLES;
    lstrcpynW(font.lfFaceName, m_settings.dialFont.faceName.c_str(), LF_FACESIZE);
    return font;
}

// Lines are one pixel wide at 96 DPI (width 0, whatever the mapping); wider ones are
// given in the clock mapping's units.
int CFacePainter::LineWidthInClockUnits() const {
    const int pixels = m_scale.LineWidth();
    return pixels > 1 && m_client.cx > 0 ? MulDivRounded(pixels, kClockUnitsAcross, m_client.cx) : 0;
}

void CFacePainter::DrawHand(HDC dc, int length, int divisor, int angle) const {
    HandPoints hand = ComputeHandPoints({length, divisor}, angle);
    POINT kite[] = {ToPoint(hand.tip), ToPoint(hand.right), ToPoint(hand.back), ToPoint(hand.left)};
    const int width = LineWidthInClockUnits();
    ui::gdi::Pen edge = width ? ui::gdi::MakePen(PS_SOLID, width, RGB(0, 0, 0)) : ui::gdi::Pen();
    std::optional<ui::gdi::Select> edgeSelected;
    if (edge) edgeSelected.emplace(dc, edge.Get());
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
    ui::gdi::Pen line = ui::gdi::MakePen(PS_SOLID, width, m_settings.lineColour);
    ui::gdi::Select select(dc, line.Get());
    MoveToEx(dc, kite[0].x, kite[0].y, nullptr);
    for (const POINT& p : {kite[1], kite[2], kite[3], kite[0], kite[2]}) LineTo(dc, p.x, p.y);
}

// Where the clock mapping puts the second hand of every second, as the system maps
// them. The second hand is drawn from these pixels, by the paint and by every second
// step alike, so that the step takes off exactly the line a paint drew; and a step
// needs no mapping of its own (selecting one is far dearer than the two lines).
void CFacePainter::TakeSecondHandPixels(HDC clockMappedDc) const {
    for (int second = 0; second < 60; ++second) {
        SecondHandPoints hand = ComputeSecondHandPoints(kSecondHand, HandAnglesFor(0, 0, second).second);
        POINT line[] = {ToPoint(hand.tip), ToPoint(hand.back)};
        LPtoDP(clockMappedDc, line, 2);
        m_secondHandPixels[static_cast<size_t>(second)] = {line[0], line[1]};
    }
    m_secondHandPixelsKnown = true;
}

void CFacePainter::DrawSecondHand(HDC dc, int second) const {
    if (!m_settings.SecondHand) return;
    if (!m_secondHandPixelsKnown) {  // no paint yet: the mapping is taken here once
        ui::gdi::SavedState saved(dc);
        SelectClockMapping(dc);
        TakeSecondHandPixels(dc);
    }
    // Drawn in client pixels: a DC in a mapping (a paint's) is taken out of it meanwhile.
    POINT viewportOrigin{}, windowOrigin{};
    GetViewportOrgEx(dc, &viewportOrigin);
    GetWindowOrgEx(dc, &windowOrigin);
    bool inPixels = GetMapMode(dc) == MM_TEXT && viewportOrigin.x == 0 && viewportOrigin.y == 0 &&
                    windowOrigin.x == 0 && windowOrigin.y == 0;
    std::optional<ui::gdi::SavedState> saved;
    if (!inPixels) {
        saved.emplace(dc);
        SetMapMode(dc, MM_TEXT);
        SetViewportOrgEx(dc, 0, 0, nullptr);
        SetWindowOrgEx(dc, 0, 0, nullptr);
    }
    const SecondHandPixels& hand = m_secondHandPixels[static_cast<size_t>(((second % 60) + 60) % 60)];
    {
        const int width = m_scale.LineWidth();
        ui::gdi::Pen pen = ui::gdi::MakePen(PS_SOLID, width > 1 ? width : 0, RGB(0, 0, 0));
        ui::gdi::Select select(dc, pen.Get());
        MoveToEx(dc, hand.tip.x, hand.tip.y, nullptr);
        int rop = SetROP2(dc, R2_NOT);  // drawing the same line again restores the pixels
        LineTo(dc, hand.back.x, hand.back.y);
        SetROP2(dc, rop);
    }
}

// Built-in bitmaps are decoded once and kept for the window's life: the weekday and
// date glyphs all at the first paint (a few kilobytes), so no later day adds any. Each
// is drawn where and as large as at 96 DPI in proportion, from its twice-as-large
// version from 150 % up.
void CFacePainter::DrawResourceBitmap(HDC dc, UINT id, Point at) const {
    if (m_builtInBitmaps.empty()) {
        for (int i = 0; i < 10; ++i) {
            for (int resource : {WeekdayGlyphResource(i % 7), DigitGlyphResource(i),
                                 DateGlyphResource({DateGlyphKind::Separator, 0, {}})})
                m_builtInBitmaps.try_emplace(static_cast<UINT>(resource), ui::LoadArt(resource, m_scale));
        }
    }
    auto found = m_builtInBitmaps.find(id);
    if (found == m_builtInBitmaps.end()) found = m_builtInBitmaps.emplace(id, ui::LoadArt(id, m_scale)).first;
    const ui::Art& art = found->second;
    if (m_scale.IsDesign()) return ui::gdi::DrawBitmap(dc, art.bitmap.Get(), at.x, at.y);
    const SIZE size = art.DesignSize();
    ui::gdi::DrawBitmapScaled(dc, art.bitmap.Get(), m_scale.Px(at.x), m_scale.Px(at.y), m_scale.Px(size.cx),
                              m_scale.Px(size.cy));
}

// A picture from the data folder is drawn at its own size at 96 DPI and scaled with
// the DPI (smoothly, once per picture); without one, the fallback picture.
void CFacePainter::DrawIllustration(HDC dc, const std::wstring& path) const {
    if (HBITMAP illustration = Illustration(path))
        ui::gdi::DrawBitmap(dc, illustration, m_scale.Px(kIllustrationPosition.x), m_scale.Px(kIllustrationPosition.y));
    else
        DrawResourceBitmap(dc, IDB_FALLBACK_ILLUSTRATION, kIllustrationPosition);
}

// The illustration is decoded again only when another one is shown or its file has
// changed (size or times), so a picture replaced on disk shows at the next paint.
HBITMAP CFacePainter::Illustration(const std::wstring& path) const {
    std::optional<ui::FileInfo> info = ui::ReadFileInfo(path);
    if (!info) {
        m_illustration.Reset();
        m_illustrationFile.reset();
        return nullptr;
    }
    const std::optional<IllustrationFile>& held = m_illustrationFile;
    if (!held || held->path != path || held->info.size != info->size || held->info.created != info->created ||
        held->info.written != info->written) {
        m_illustration = LoadIllustration(path);
        if (m_illustration && !m_scale.IsDesign()) {
            const SIZE size = ui::gdi::BitmapSize(m_illustration.Get());
            m_illustration = ui::gdi::ScaledCopy(m_illustration.Get(), m_scale.Px(size.cx), m_scale.Px(size.cy));
        }
        m_illustrationFile = IllustrationFile{path, *info};
    }
    return m_illustration.Get();
}
