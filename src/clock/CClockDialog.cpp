#include "clock/CClockDialog.h"

#include "app/CClockTrayWnd.h"
#include <ctime>

#include "clock/FaceGeometry.h"
#include "clock/IllustrationPick.h"
#include "resource.h"
#include "ui/Resources.h"
#include "ui/Shape.h"

namespace {

constexpr COLORREF kCaptionColour = RGB(242, 148, 76);
constexpr int kButtonWidth = 16;
constexpr int kButtonHeight = 13;

struct CaptionButtonSpec {
    CHoverButton CClockDialog::*button;
    UINT icon;
    UINT tooltip;
    int x;
};

}  // namespace

CClockDialog::CClockDialog(const Environment& env, CClockTrayWnd* tray)
    : ui::Dialog(IDD_CLOCK),
      m_env(env),
      m_tray(tray),
      m_profile(env.profilePath, kProfileSection),
      m_playerHandle(static_cast<SoundPlayer*>(this), [](SoundPlayer*) {}) {
    LocalTime now = m_env.now();
    m_lastSecond = now.second;
    m_lastMinute = now.minute;
    m_lastHour = now.Hour12();
    m_settings.ReadConstructorKeys(m_profile);
}

CClockDialog::~CClockDialog() {
    if (m_imageList) ImageList_Destroy(m_imageList);
}

void CClockDialog::OnFinalDestroyed() {
    if (m_tray) m_tray->ClockDialogDestroyed();
    delete this;
}

void CClockDialog::AttachControls() {
    m_label.Attach(m_hwnd, IDC_CLOCK_LABEL);
    m_topMostButton.Attach(m_hwnd, IDC_CLOCK_TOPMOST);
    m_minimizeButton.Attach(m_hwnd, IDC_CLOCK_MINIMIZE);
    m_closeButton.Attach(m_hwnd, IDC_CLOCK_CLOSE);
}

bool CClockDialog::PreTranslateMessage(MSG& msg) {
    if (m_tooltip) SendMessageW(m_tooltip, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&msg));
    return ui::Dialog::PreTranslateMessage(msg);
}

INT_PTR CClockDialog::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CONTEXTMENU: OnContextMenu(lParam); return TRUE;
    case WM_NCHITTEST: SetResult(OnNcHitTest(lParam)); return TRUE;
    case WM_MOVE: m_returnHomeCount = 0; return FALSE;
    case MM_MCINOTIFY: OnMciNotify(wParam, lParam); return TRUE;
    case WM_MOUSEMOVE: OnMouseMove(wParam, lParam); return FALSE;
    case WM_HELP: ShowManual(); return TRUE;
    default: return ui::Dialog::HandleMessage(message, wParam, lParam);
    }
}

bool CClockDialog::OnCommand(WORD id, WORD, HWND) {
    switch (id) {
    case ID_CMD_CLOSE:
    case IDCLOSE:
    case IDCANCEL: OnClose(); return true;
    case IDOK:
    case IDYES:
    case IDNO: return true;  // Enter and the hidden buttons leave the clock alone
    case ID_CMD_TOPMOST: ToggleTopMost(); return true;
    case ID_CMD_MINIMIZE: MinimizeToTray(); return true;
    case ID_CMD_MOVE: PostMessageW(m_hwnd, WM_SYSCOMMAND, SC_MOVE, 0); return true;
    case ID_CMD_RESTORE: RestoreFromTray(); return true;
    case ID_CMD_OPTIONS: ShowOptions(); return true;
    case ID_CMD_ABOUT: ShowAbout(); return true;
    default: return false;
    }
}

// ---- Start-up ---------------------------------------------------------------------------

BOOL CClockDialog::OnInitDialog() {
    AttachControls();
    ui::Dialog::OnInitDialog();
    SetUpCaptionButtons();
    SetUpLabel();
    CreateImageList();
    PlaceWindow();
    if (m_settings.TopMost) ApplyTopMost();
    ApplyWindowShape();
    CreateTooltip();
    m_settings.ReadDialFont(m_profile);
    CreateLabelFont();
    LoadDataFiles();
    m_random.Seed(m_env.randomSeed.value_or(static_cast<unsigned>(time(nullptr))));
    m_illustrationIndex = PickFirstIllustration(static_cast<int>(m_illustrationNames.size()), m_shownFlags, m_random);
    PlayEventSound(SoundEvent::Boot);
    RebuildDueList();
    if (!StartTimers()) return FALSE;
    if (m_settings.Minimize) StartMinimized();
    return TRUE;
}

void CClockDialog::SetUpCaptionButtons() {
    static const CaptionButtonSpec specs[] = {
        {&CClockDialog::m_closeButton, IDI_CLOSE, IDS_CLOSE, 140},
        {&CClockDialog::m_topMostButton, IDI_TOPMOST_OFF, IDS_TOPMOST, 124},
        {&CClockDialog::m_minimizeButton, IDI_MINIMIZE, IDS_MINIMIZE, 108},
    };
    for (const CaptionButtonSpec& spec : specs) {
        CHoverButton& button = this->*spec.button;
        button.SetIcons(spec.icon);
        button.SetTooltipText(ui::LoadStringResource(spec.tooltip), true);
        button.SetNormalBackground(kCaptionColour, false);
        button.SetHoverBackground(kCaptionColour, false);
        SetWindowPos(button.Handle(), nullptr, spec.x, 3, kButtonWidth, kButtonHeight, SWP_NOZORDER);
    }
}

void CClockDialog::SetUpLabel() {
    m_label.SetBackgroundColour(kCaptionColour);
    SetWindowPos(m_label.Handle(), nullptr, 10, 1, 90, 14, SWP_NOZORDER);
    if (!m_settings.CaptionClock) ShowWindow(m_label.Handle(), SW_HIDE);
}

void CClockDialog::CreateImageList() {
    m_imageList = ImageList_Create(16, 16, ILC_COLOR32 | ILC_MASK, 10, 10);
    if (!m_imageList) return;
    for (UINT icon : {IDI_WINDOW, IDI_SPEAKER, IDI_BALLOON, IDI_BALLOON_SOUND}) {
        ui::gdi::Icon loaded = ui::LoadIconResource(icon, 16);
        ImageList_AddIcon(m_imageList, loaded.Get());
    }
}

RECT CClockDialog::WorkArea() const {
    RECT area{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    return area;
}

void CClockDialog::PlaceWindow() {
    RECT area = WorkArea();
    WindowPosition position = ReadWindowPosition(m_profile, area.right - area.left, area.bottom - area.top);
    SetWindowPos(m_hwnd, nullptr, position.x, position.y, kWidth, kHeight, SWP_NOZORDER);
}

void CClockDialog::ApplyTopMost() {
    SetWindowPos(m_hwnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    m_topMostButton.SetIcons(IDI_TOPMOST_ON);
    m_topMostButton.SetChecked(true);
}

void CClockDialog::ApplyWindowShape() {
    std::vector<ui::ShapePiece> pieces;
    for (const pokomi::RegionPiece& piece : pokomi::kWindowRegionPieces) {
        const pokomi::Rect& b = piece.bounds;
        pieces.push_back({piece.shape == pokomi::RegionShape::Ellipse, {b.left, b.top, b.right, b.bottom}});
    }
    ui::SetWindowShape(m_hwnd, pieces);
}

void CClockDialog::CreateTooltip() {
    m_tooltip = CreateWindowExW(0, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT, CW_USEDEFAULT,
                                CW_USEDEFAULT, CW_USEDEFAULT, m_hwnd, nullptr, ui::Instance(), nullptr);
    if (!m_tooltip) return;
    SendMessageW(m_tooltip, TTM_ACTIVATE, TRUE, 0);
    TOOLINFOW info{};
    info.cbSize = sizeof(info);
    info.uFlags = TTF_IDISHWND;
    info.hwnd = m_hwnd;
    info.uId = reinterpret_cast<UINT_PTR>(m_hwnd);
    wchar_t text[] = L"ぽこみ";
    info.lpszText = text;
    SendMessageW(m_tooltip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
}

void CClockDialog::CreateLabelFont() {
    LOGFONTW font{};
    font.lfHeight = 17;
    font.lfWeight = 700;
    lstrcpynW(font.lfFaceName, L"Times New Roman", LF_FACESIZE);
    m_labelFont = ui::gdi::Font(CreateFontIndirectW(&font));
    m_label.SetFont(m_labelFont.Get(), true);
}

bool CClockDialog::StartTimers() {
    for (auto [id, period] : {std::pair{kSecondTimer, 1000u}, std::pair{kQuickTimer, 300u}}) {
        if (!m_env.setTimer(m_hwnd, id, period)) {
            ShowMessage(L"タイマーの設定に失敗しました。", L"エラー", MB_ICONHAND);
            return false;
        }
    }
    return true;
}

void CClockDialog::StartMinimized() {
    HWND taskbar = m_env.findTaskbar();
    if (!taskbar) {
        ShowMessage(L"タスクバーの取得に失敗しました。", L"ぽこみ", MB_OK);
        // The window stays visible, so it must also behave and look as shown.
        m_settings.Minimize = 0;
        if (m_tray) m_tray->SetTrayIcon(IDI_TRAY_NORMAL);
        return;
    }
    RECT bar{}, window{};
    GetWindowRect(taskbar, &bar);
    GetWindowRect(m_hwnd, &window);
    m_restorePosition = {window.left, window.top};
    SetWindowPos(m_hwnd, nullptr, bar.right - 50, bar.top, 0, 0, SWP_NOZORDER);
    ShowWindow(m_hwnd, SW_HIDE);
    m_hideAfterCreate = true;  // the template's WS_VISIBLE shows the window once this returns
    if (m_tray) m_tray->SetTrayIcon(IDI_TRAY_MINIMIZED);
}

bool CClockDialog::Create(HWND parent) {
    if (!ui::Dialog::Create(parent)) return false;
    if (m_hideAfterCreate) ShowWindow(m_hwnd, SW_HIDE);
    m_hideAfterCreate = false;
    return true;
}

int CClockDialog::ShowMessage(const std::wstring& text, const std::wstring& caption, UINT type) {
    return m_env.messageBox(m_hwnd, text, caption, type);
}

// ---- Window behaviour --------------------------------------------------------------------

LRESULT CClockDialog::OnNcHitTest(LPARAM lParam) {
    LRESULT hit = DefWindowProcW(m_hwnd, WM_NCHITTEST, 0, lParam);
    if (hit == HTCLIENT && m_env.leftButtonDown()) return HTCAPTION;
    return hit;
}

void CClockDialog::OnContextMenu(LPARAM lParam) {
    ShowContextMenu(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)));
}

ui::gdi::Menu CClockDialog::BuildContextMenu() const {
    ui::gdi::Menu menu = ui::LoadMenuResource(IDR_CLOCK_MENU);
    HMENU popup = menu.Get() ? GetSubMenu(menu.Get(), 0) : nullptr;
    if (!popup) return ui::gdi::Menu();
    RemoveMenu(menu.Get(), 0, MF_BYPOSITION);  // the pop-up now stands on its own
    ui::gdi::Menu result(popup);
    if (m_settings.TopMost) CheckMenuItem(popup, ID_CMD_TOPMOST, MF_BYCOMMAND | MF_CHECKED);
    if (m_settings.Minimize) {
        EnableMenuItem(popup, ID_CMD_MINIMIZE, MF_BYCOMMAND | MF_GRAYED);
        EnableMenuItem(popup, ID_CMD_MOVE, MF_BYCOMMAND | MF_GRAYED);
        SetMenuDefaultItem(popup, ID_CMD_RESTORE, FALSE);
    } else {
        EnableMenuItem(popup, ID_CMD_RESTORE, MF_BYCOMMAND | MF_GRAYED);
        SetMenuDefaultItem(popup, ID_CMD_CLOSE, FALSE);
    }
    return result;
}

void CClockDialog::ShowContextMenu(int x, int y) {
    ui::gdi::Menu popup = BuildContextMenu();
    if (!popup.Get()) return;
    HWND owner = GetAncestor(m_hwnd, GA_ROOT);
    m_env.trackPopupMenu(popup.Get(), TPM_RIGHTBUTTON, x, y, owner);
}

// ---- Close and save ---------------------------------------------------------------------

void CClockDialog::OnClose() {
    if (ExitSoundPending()) return;
    if (m_imageList) ImageList_Destroy(m_imageList);
    m_imageList = nullptr;
    SaveAll();
    KillTimer(m_hwnd, kSecondTimer);
    KillTimer(m_hwnd, kQuickTimer);
    HWND mainWindow = m_tray ? m_tray->Handle() : nullptr;
    DestroyWindow(m_hwnd);  // the object is deleted once this handler has returned
    if (mainWindow) PostMessageW(mainWindow, WM_CLOSE, 0, 0);
}

void CClockDialog::SaveAll() {
    bool saved = SaveDataFiles();
    POINT position = m_restorePosition;
    if (!m_settings.Minimize) {
        RECT window{};
        GetWindowRect(m_hwnd, &window);
        position = {window.left, window.top};
    }
    bool profileSaved = WriteWindowPosition(m_profile, {position.x, position.y});
    profileSaved = m_settings.WriteKeys(m_profile) && profileSaved;
    if (!profileSaved && saved)
        ShowMessage(L"設定を保存できませんでした。\n" + m_profile.Path(), L"ぽこみ", MB_OK | MB_ICONWARNING);
}
