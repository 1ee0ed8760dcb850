#include "options/COptionPropertyPage1.h"

#include <commctrl.h>

#include <optional>

#include "controls/ColourPickerMessages.h"
#include "resource.h"

namespace {

LOGFONTW ToLogFont(const DialFont& font) {
    LOGFONTW log{};
    log.lfHeight = font.height;
    log.lfWeight = font.weight;
    log.lfItalic = font.italic;
    log.lfCharSet = DEFAULT_CHARSET;
    log.lfClipPrecision = CLIP_LH_ANGLES;
    lstrcpynW(log.lfFaceName, font.faceName.c_str(), LF_FACESIZE);
    return log;
}

DialFont FromLogFont(const LOGFONTW& log) {
    DialFont font;
    font.height = log.lfHeight;
    font.weight = log.lfWeight;
    font.italic = log.lfItalic;
    font.faceName = FitFaceName(std::wstring(log.lfFaceName, wcsnlen(log.lfFaceName, LF_FACESIZE)));
    return font;
}

}  // namespace

COptionPropertyPage1::COptionPropertyPage1() : COptionPage(IDD_OPTION_CLOCK) {}

void COptionPropertyPage1::Load(const OptionValues& values) {
    const ClockSettings& settings = values.settings;
    m_height = settings.Height;
    m_colours = {settings.lineColour, settings.fillColour, settings.shadowColour};
    m_dialFont = ToLogFont(settings.dialFont);
    m_secondHand = settings.SecondHand;
    m_dialFace = settings.TitleFace;
    m_digitalClock = settings.CaptionClock;
}

void COptionPropertyPage1::Store(OptionValues& values) const {
    ClockSettings& settings = values.settings;
    settings.Height = m_height;
    settings.lineColour = m_colours.line;
    settings.fillColour = m_colours.fill;
    settings.shadowColour = m_colours.shadow;
    settings.dialFont = FromLogFont(m_dialFont);
    settings.SecondHand = m_secondHand;
    settings.TitleFace = m_dialFace;
    settings.CaptionClock = m_digitalClock;
}

INT_PTR COptionPropertyPage1::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_VSCROLL: OnVScroll(LOWORD(wParam), reinterpret_cast<HWND>(lParam)); return TRUE;
    case kColourChosenMessage:
        OnColourChosen(static_cast<COLORREF>(wParam), static_cast<int>(lParam));
        SetResult(1);
        return TRUE;
    default: return COptionPage::HandleMessage(message, wParam, lParam);
    }
}

BOOL COptionPropertyPage1::OnInitDialog() {
    m_linePicker.Attach(m_hwnd, IDC_CLOCK_PAGE_LINE);
    m_fillPicker.Attach(m_hwnd, IDC_CLOCK_PAGE_FILL);
    COptionPage::OnInitDialog();
    m_linePicker.SetDefaultColour(kStandardLineColour);
    m_fillPicker.SetDefaultColour(kStandardFillColour);
    ShowColours();
    Child(IDC_CLOCK_PAGE_HEIGHT).Send(TBM_SETRANGE, TRUE, MAKELPARAM(kLowestClockHeight, kHighestClockHeight));
    SetTrackPosition(m_height);  // a height out of range shows at the nearer end but is kept
    EnableFontButton();
    return TRUE;
}

// The height is taken at the end of a drag, and here too: a move that ends without
// SB_ENDSCROLL (the mouse wheel, a key whose release went elsewhere) is not lost.
void COptionPropertyPage1::DoDataExchange(ui::DataExchange& exchange) {
    exchange.Check(IDC_CLOCK_PAGE_SECOND_HAND, m_secondHand);
    exchange.Check(IDC_CLOCK_PAGE_DIAL, m_dialFace);
    exchange.Check(IDC_CLOCK_PAGE_DIGITAL, m_digitalClock);
    if (exchange.Saving() && m_trackMoved) m_height = TrackPosition();
}

bool COptionPropertyPage1::OnButtonClicked(WORD id) {
    switch (id) {
    case IDC_CLOCK_PAGE_FONT: OnChooseFont(); return true;
    case IDC_CLOCK_PAGE_RESET: OnRestoreStandard(); return true;
    case IDC_CLOCK_PAGE_DIAL:
        SetModified();
        EnableFontButton();
        return true;
    case IDC_CLOCK_PAGE_SECOND_HAND:
    case IDC_CLOCK_PAGE_DIGITAL: SetModified(); return true;
    default: return false;
    }
}

// Owned by the sheet, so that a topmost sheet does not cover the dialog.
void COptionPropertyPage1::OnChooseFont() {
    std::optional<LOGFONTW> chosen = Host().Env().chooseFont(Sheet(), m_dialFont);
    if (!chosen) return;
    m_dialFont = *chosen;
    SetModified();
}

// "標準に戻す": the standard look. The digital clock is checked, unlike a first start.
void COptionPropertyPage1::OnRestoreStandard() {
    SetModified();
    m_colours = HandColours{};
    ShowColours();
    Child(IDC_CLOCK_PAGE_DIGITAL).Check(true);
    Child(IDC_CLOCK_PAGE_SECOND_HAND).Check(true);
    Child(IDC_CLOCK_PAGE_DIAL).Check(false);
    EnableFontButton();
    m_height = kStandardClockHeight;
    SetTrackPosition(m_height);
    m_dialFont = ToLogFont(DialFont{});
}

void COptionPropertyPage1::OnVScroll(WORD code, HWND scrollBar) {
    if (scrollBar != Item(IDC_CLOCK_PAGE_HEIGHT)) return;
    m_trackMoved = true;
    SetModified();
    if (code == SB_ENDSCROLL) m_height = TrackPosition();
}

// The pickers then show what is kept: black stands for the standard colour, which
// for the fill is not black.
void COptionPropertyPage1::OnColourChosen(COLORREF colour, int id) {
    if (id == IDC_CLOCK_PAGE_LINE) m_colours = TakeChosenColour(m_colours, HandPart::Line, colour);
    if (id == IDC_CLOCK_PAGE_FILL) m_colours = TakeChosenColour(m_colours, HandPart::Fill, colour);
    SetModified();
    ShowColours();
}

void COptionPropertyPage1::ShowColours() {
    m_linePicker.SetColour(m_colours.line);
    m_fillPicker.SetColour(m_colours.fill);
}

void COptionPropertyPage1::EnableFontButton() {
    Child(IDC_CLOCK_PAGE_FONT).Enable(Child(IDC_CLOCK_PAGE_DIAL).IsChecked());
}

void COptionPropertyPage1::SetTrackPosition(int height) const {
    Child(IDC_CLOCK_PAGE_HEIGHT).Send(TBM_SETPOS, TRUE, height);
}

int COptionPropertyPage1::TrackPosition() const {
    return static_cast<int>(Child(IDC_CLOCK_PAGE_HEIGHT).Send(TBM_GETPOS));
}
