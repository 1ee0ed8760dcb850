#include "controls/CAboutDialog.h"

#include "ui/Dpi.h"
#include "ui/Resources.h"

#include "controls/LinkRules.h"
#include "resource.h"

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kVersionColour = RGB(0, 0, 255);
constexpr int kVersionPoints = 20;
constexpr wchar_t kVersionFace[] = L"Arial";
constexpr int kCaptionPoints = 9;
constexpr wchar_t kCaptionFace[] = L"ＭＳ Ｐゴシック";
constexpr LinkColours kAboutLinkColours{MakeLinkColour(0, 0, 255), MakeLinkColour(255, 0, 0),
                                        MakeLinkColour(128, 0, 128), MakeLinkColour(255, 0, 0)};

int ScreenPixelsPerInch() {
    ui::gdi::ClientDC screen(nullptr);
    return GetDeviceCaps(screen.Get(), LOGPIXELSY);
}

}  // namespace

CAboutDialog::CAboutDialog() : ui::Dialog(IDD_ABOUT), m_shell(ui::MakeSystemLinkShell()) {}

INT_PTR CAboutDialog::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN: return OnCtlColor(reinterpret_cast<HDC>(wParam));
    default: return ui::Dialog::HandleMessage(message, wParam, lParam);
    }
}

// The box turns topmost before its links create their (topmost) tooltips: Wine leaves
// WS_EX_TOPMOST unreported on a window whose owned tooltip is topmost already.
BOOL CAboutDialog::OnInitDialog() {
    if (m_topMost) SetWindowPos(m_hwnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    m_white = ui::gdi::MakeSolidBrush(kWhite);
    AttachControls();
    BOOL result = ui::Dialog::OnInitDialog();
    SetUpLinks();
    SetUpVersion();
    m_notice.SetFormat(DT_WORDBREAK);
    SetUpCredits();
    ShowArtForDpi();
    ui::KeepOnMonitorOf(m_hwnd, GetWindow(m_hwnd, GW_OWNER), m_monitors);
    return result;
}

// The template's pictures are drawn for 96 DPI; on another screen each is replaced
// by the picture drawn for it (its twice-as-large version from 150 % up), as large in
// proportion as the dialog.
void CAboutDialog::ShowArtForDpi() {
    const DpiScale scale = ui::WindowDpi(m_hwnd);
    if (scale.IsDesign()) return;
    HWND link = Item(IDC_ABOUT_PICTURE_LINK);
    HWND title = nullptr;
    for (HWND child = nullptr; (child = FindWindowExW(m_hwnd, child, L"Static", nullptr)) != nullptr;)
        if (child != link && (GetWindowLongPtrW(child, GWL_STYLE) & SS_TYPEMASK) == SS_BITMAP) title = child;
    const std::pair<HWND, UINT> pictures[] = {{title, IDB_ABOUT_TITLE}, {link, IDB_ABOUT_LINK}};
    for (size_t i = 0; i < m_art.size(); ++i) {
        auto [control, id] = pictures[i];
        if (!control) continue;
        const ui::Art art = ui::LoadArt(id, scale);
        const SIZE size = art.DesignSize();
        m_art[i] = ui::gdi::ScaledCopy(art.bitmap.Get(), scale.Px(size.cx), scale.Px(size.cy));
        ui::WindowView(control).Send(STM_SETIMAGE, IMAGE_BITMAP, m_art[i].Get());
    }
}

void CAboutDialog::AttachControls() {
    m_textLink.Attach(m_hwnd, IDC_ABOUT_TEXT_LINK);
    m_pictureLink.Attach(m_hwnd, IDC_ABOUT_PICTURE_LINK);
    m_version.Attach(m_hwnd, IDC_ABOUT_VERSION);
    m_notice.Attach(m_hwnd, IDC_ABOUT_NOTICE);
    for (int i = 0; i < kRoleCount; ++i) {
        m_roles[i].Attach(m_hwnd, IDC_ABOUT_ROLE_ILLUST + i);
        m_names[i].Attach(m_hwnd, IDC_ABOUT_NAME_ILLUST + i);
    }
}

void CAboutDialog::SetUpLinks() {
    const std::wstring manual = ManualPath(m_programFolder);
    for (CHyperLink* link : {&m_pictureLink, &m_textLink}) {
        link->SetShell(m_shell);
        link->SetAddress(manual);
    }
    CHyperLink::SetColours(kAboutLinkColours);
    m_textLink.ModifyLinkStyle(0, kLinkUseHover, true);
}

void CAboutDialog::SetUpVersion() {
    LOGFONTW font{};
    font.lfHeight = -MulDiv(kVersionPoints, ScreenPixelsPerInch(), 72);
    lstrcpynW(font.lfFaceName, kVersionFace, LF_FACESIZE);
    m_versionFont = ui::gdi::Font(CreateFontIndirectW(&font));
    m_version.SetFont(m_versionFont.Get(), true);
    m_version.SetTextColour(kVersionColour);
}

// The roles in a bold caption font, right-aligned against their names.
void CAboutDialog::SetUpCredits() {
    LOGFONTW font{};
    font.lfHeight = MulDiv(kCaptionPoints, ScreenPixelsPerInch(), 72);
    font.lfWeight = FW_BOLD;
    font.lfCharSet = DEFAULT_CHARSET;
    font.lfClipPrecision = CLIP_LH_ANGLES;
    lstrcpynW(font.lfFaceName, kCaptionFace, LF_FACESIZE);
    m_captionFont = ui::gdi::Font(CreateFontIndirectW(&font));
    for (CTextLabel& role : m_roles) {
        role.SetFont(m_captionFont.Get(), true);
        role.SetFormat(DT_RIGHT);
    }
}

// Everything in the box, the box itself included, stands on white.
INT_PTR CAboutDialog::OnCtlColor(HDC dc) {
    SetBkColor(dc, kWhite);
    return reinterpret_cast<INT_PTR>(m_white.Get());
}
