#include "clock/CClockDialog.h"

#include <algorithm>
#include <ctime>

#include "clock/FaceGeometry.h"
#include "clock/IllustrationPick.h"
#include "clock/ScreenPlacement.h"
#include "resource.h"
#include "ui/Cp932Codec.h"
#include "ui/Dpi.h"
#include "ui/Files.h"
#include "ui/Resources.h"
#include "ui/Redraw.h"
#include "ui/Shape.h"
#include "ui/Text.h"

namespace {

const ui::Cp932Codec kDataCodec;

constexpr COLORREF kCaptionColour = RGB(242, 148, 76);
// The caption's layout at 96 DPI; at any other DPI it is as large in proportion.
constexpr int kButtonTop = 3;
constexpr int kButtonWidth = 16;
constexpr int kButtonHeight = 13;
constexpr int kButtonIconSize = 16;
// The label reaches to just before the caption buttons: its widest text ("午後 11:58:58")
// then fits at its font's full height.
constexpr RECT kLabelBounds{10, 1, 106, 15};  // left, top, right, bottom
constexpr int kLabelFontHeight = 17;
constexpr int kSmallestLabelFontHeight = 9;

}  // namespace

CClockDialog::CClockDialog(const ui::Environment& env, ClockOwner* owner)
    : ui::Dialog(IDD_CLOCK),
      m_env(env),
      m_owner(owner),
      m_profile(env.profilePath, kProfileSection),
      m_playerHandle(static_cast<MessageWindowHost*>(this), [](MessageWindowHost*) {}),
      m_dataStore(env.programFolder + L"dat\\", env.fileRetry),
      m_data(m_dataStore, kDataCodec) {
    LocalTime now = m_env.now();
    SetLastDrawnTime(now.Hour12(), now.minute, now.second);
    m_handledMinute = MinuteNumber(now);
    // A profile held by another program reads as all defaults: those must not replace it.
    m_profileUnreadable = !ui::ReadableOrMissing(m_profile.Path(), m_env.fileRetry);
    if (m_profileUnreadable) m_profile.LeaveAlone();
    m_settings.ReadSettings(m_profile);
}

CClockDialog::~CClockDialog() = default;

ClockSnapshot CClockDialog::Snapshot() const {
    ClockSnapshot snapshot;
    snapshot.settings = m_settings;
    snapshot.illustrationNames = m_data.IllustrationNames();
    snapshot.shownFlags = m_data.ShownFlags();
    snapshot.sounds = m_data.Sounds();
    snapshot.alarms = m_data.Alarms();
    snapshot.dueList = m_dueList;
    snapshot.illustrationIndex = m_illustrationIndex;
    snapshot.restorePosition = m_restorePosition;
    snapshot.closing = m_closing;
    snapshot.pictureChangeCount = m_pictureChangeCount;
    snapshot.returnHomeCount = m_returnHomeCount;
    snapshot.lastDrawn.hour = m_lastHour;
    snapshot.lastDrawn.minute = m_lastMinute;
    snapshot.lastDrawn.second = m_lastSecond;
    snapshot.tooltipText = m_tooltip.Text();
    snapshot.topMostIcon = m_topMostButton.IconId();
    snapshot.topMostChecked = m_topMostButton.IsChecked();
    return snapshot;
}

void CClockDialog::OnFinalDestroyed() {
    if (m_owner) m_owner->ClockDestroyed();
    delete this;
}

void CClockDialog::AttachControls() {
    m_label.Attach(m_hwnd, IDC_CLOCK_LABEL);
    m_topMostButton.Attach(m_hwnd, IDC_CLOCK_TOPMOST);
    m_minimizeButton.Attach(m_hwnd, IDC_CLOCK_MINIMIZE);
    m_closeButton.Attach(m_hwnd, IDC_CLOCK_CLOSE);
}

bool CClockDialog::PreTranslateMessage(MSG& msg) {
    m_tooltip.RelayEvent(msg);
    return ui::Dialog::PreTranslateMessage(msg);
}

INT_PTR CClockDialog::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CONTEXTMENU: OnContextMenu(lParam); return TRUE;
    case WM_NCHITTEST: SetResult(ui::FaceDragHitTest(m_hwnd, lParam, m_env.leftButtonDown())); return TRUE;
    case WM_SIZE: m_painter.SetClientSize({LOWORD(lParam), HIWORD(lParam)}); return FALSE;
    case WM_DPICHANGED: OnDpiChanged(LOWORD(wParam), *reinterpret_cast<const RECT*>(lParam)); return TRUE;
    case WM_DISPLAYCHANGE:
        m_painter.ForgetDisplayShape();
        KeepOnScreen();
        WakeReturnHomeCount();
        return FALSE;
    case WM_MOVE:
    case WM_ENABLE: WakeReturnHomeCount(); return FALSE;
    case WM_SETTINGCHANGE:
        if (wParam == SPI_SETWORKAREA) WakeReturnHomeCount();
        return FALSE;
    case WM_TIMECHANGE:
        // The time set anew: followed at once, the next tick in step with it. The minutes
        // it jumped over were not missed.
        m_handledMinute.reset();
        if (m_tickElapse) Tick(kSecondTimer);
        return FALSE;
    case WM_POWERBROADCAST:  // back from sleep: what fell due meanwhile opens now
        if ((wParam == PBT_APMRESUMEAUTOMATIC || wParam == PBT_APMRESUMESUSPEND) && m_tickElapse) Tick(kSecondTimer);
        SetResult(TRUE);
        return TRUE;
    case WM_ERASEBKGND: ExcludeCaptionControls(reinterpret_cast<HDC>(wParam)); return FALSE;
    case MM_MCINOTIFY: OnMciNotify(wParam, lParam); return TRUE;
    case WM_MOUSEMOVE: OnMouseMove(wParam, lParam); return FALSE;
    case WM_HELP: ShowManual(); return TRUE;
    case kTellLaterMessage: TellLaterMessages(); return TRUE;
    case WM_QUERYENDSESSION: SetResult(TRUE); return TRUE;  // never holds up a log-off
    case WM_ENDSESSION:
        if (wParam) OnEndSession();
        SetResult(0);
        return TRUE;
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
    m_scale = ui::WindowDpi(m_hwnd);
    m_painter.SetDpi(m_scale);
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
    m_illustrationIndex =
        PickFirstIllustration(static_cast<int>(IllustrationNames().size()), m_data.ShownFlags(), m_random);
    PlayEventSound(SoundEvent::Boot);
    RebuildDueList();
    if (!StartTimers()) return FALSE;
    if (m_settings.Minimize) StartMinimized();
    return TRUE;
}

const std::array<CClockDialog::CaptionButtonSpec, 3>& CClockDialog::CaptionButtons() {
    static const std::array<CaptionButtonSpec, 3> specs{{
        {&CClockDialog::m_closeButton, IDI_CLOSE, IDS_CLOSE, 140},
        {&CClockDialog::m_topMostButton, IDI_TOPMOST_OFF, IDS_TOPMOST, 124},
        {&CClockDialog::m_minimizeButton, IDI_MINIMIZE, IDS_MINIMIZE, 108},
    }};
    return specs;
}

void CClockDialog::SetUpCaptionButtons() {
    for (const CaptionButtonSpec& spec : CaptionButtons()) {
        CHoverButton& button = this->*spec.button;
        button.SetTooltipText(ui::LoadStringResource(spec.tooltip), true);
        button.SetNormalBackground(kCaptionColour, false);
        button.SetHoverBackground(kCaptionColour, false);
    }
    LayOutCaptionButtons();
}

// Where and as large as at 96 DPI in proportion, with their icons drawn for the DPI.
void CClockDialog::LayOutCaptionButtons() {
    for (const CaptionButtonSpec& spec : CaptionButtons()) {
        CHoverButton& button = this->*spec.button;
        button.SetIconSize(m_scale.Px(kButtonIconSize));
        button.SetIcons(&button == &m_topMostButton && m_settings.TopMost ? IDI_TOPMOST_ON : spec.icon);
        PlaceChild(button.Handle(), {spec.x, kButtonTop, spec.x + kButtonWidth, kButtonTop + kButtonHeight});
    }
}

// Edges scaled, not sizes: neighbours at 96 DPI stay neighbours at any other.
void CClockDialog::PlaceChild(HWND child, const RECT& at96) const {
    const int left = m_scale.Px(at96.left);
    const int top = m_scale.Px(at96.top);
    SetWindowPos(child, nullptr, left, top, m_scale.Px(at96.right) - left, m_scale.Px(at96.bottom) - top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void CClockDialog::SetUpLabel() {
    m_label.SetBackgroundColour(kCaptionColour);
    LayOutLabel();
    if (!m_settings.CaptionClock) m_label.View().Show(false);
    m_labelText = ui::WindowText(m_label.Handle());
}

void CClockDialog::LayOutLabel() { PlaceChild(m_label.Handle(), kLabelBounds); }

void CClockDialog::CreateImageList() {
    const int size = ui::SystemMetric(SM_CXSMICON, m_scale);  // 16 at 96 DPI
    m_imageList = ui::gdi::ImageList(ImageList_Create(size, size, ILC_COLOR32 | ILC_MASK, 10, 10));
    if (!m_imageList) return;
    for (UINT icon : {IDI_WINDOW, IDI_SPEAKER, IDI_BALLOON, IDI_BALLOON_SOUND}) {
        ui::gdi::Icon loaded = ui::LoadIconResource(icon, size);
        ImageList_AddIcon(m_imageList.Get(), loaded.Get());
    }
}

// A saved position where the window would show on no monitor (one since removed, a
// hand-edited X) gives way to the default position on the primary monitor.
void CClockDialog::PlaceWindow() {
    MonitorLayout monitors = m_env.monitors.layout();
    Rect work = PrimaryMonitor(monitors).workArea;
    WindowPosition saved = ReadWindowPosition(m_profile, work.Width(), work.Height());
    Point position = OnScreenTopLeft({saved.x, saved.y}, WindowSize(), monitors);
    SetWindowPos(m_hwnd, nullptr, position.x, position.y, WindowSize().width, WindowSize().height, SWP_NOZORDER);
    RECT client{};
    GetClientRect(m_hwnd, &client);
    m_painter.SetClientSize({client.right, client.bottom});
}

void CClockDialog::ApplyTopMost() {
    SetWindowPos(m_hwnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    m_topMostButton.SetIcons(IDI_TOPMOST_ON);
    m_topMostButton.SetChecked(true);
}

void CClockDialog::ApplyWindowShape() {
    std::vector<ui::ShapePiece> pieces;
    for (const RegionPiece& piece : kWindowRegionPieces) {
        const Rect& b = piece.bounds;
        pieces.push_back({piece.shape == RegionShape::Ellipse,
                          {m_scale.Px(b.left), m_scale.Px(b.top), m_scale.Px(b.right), m_scale.Px(b.bottom)}});
    }
    ui::SetWindowShape(m_hwnd, pieces);
}

void CClockDialog::OnDpiChanged(int dpi, const RECT& suggested) {
    m_scale = DpiScale{dpi};
    m_painter.SetDpi(m_scale);
    LayOutCaptionButtons();
    LayOutLabel();
    CreateLabelFont();
    ApplyWindowShape();               // minimised too: the restore glide ends at the new size
    if (m_settings.Minimize) return;  // hidden: it takes its size when it is restored
    SetWindowPos(m_hwnd, nullptr, suggested.left, suggested.top, WindowSize().width, WindowSize().height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    ui::RedrawNow(m_hwnd);
}

// The tool's text is asked for when the tip is about to show (OnNotify): until the
// first second step it is the program's name.
void CClockDialog::CreateTooltip() {
    m_tooltipText = L"ぽこみ";
    if (m_tooltip.CreateAskingOwner(m_hwnd)) m_tooltip.Activate(true);
}

// "Times New Roman", 17 pixels high and bold at 96 DPI, as large in proportion at any
// other, and smaller where the label's widest text would not fit otherwise.
void CClockDialog::CreateLabelFont() {
    LOGFONTW font{};
    font.lfWeight = 700;
    lstrcpynW(font.lfFaceName, L"Times New Roman", LF_FACESIZE);
    const std::vector<std::wstring> samples = LabelTextSamples(DayPeriods());
    ui::gdi::ClientDC screen(nullptr);
    auto widestAt = [&](int height) {
        font.lfHeight = height;
        ui::gdi::Font candidate(CreateFontIndirectW(&font));
        ui::gdi::Select select(screen.Get(), candidate.Get());
        int widest = 0;
        for (const std::wstring& text : samples) {
            SIZE size{};
            GetTextExtentPoint32W(screen.Get(), text.c_str(), static_cast<int>(text.size()), &size);
            widest = std::max(widest, static_cast<int>(size.cx));
        }
        return widest;
    };
    const int width = m_scale.Px(kLabelBounds.right - kLabelBounds.left);
    font.lfHeight =
        FittingFontHeight(m_scale.Px(kLabelFontHeight), m_scale.Px(kSmallestLabelFontHeight), width, widestAt);
    m_labelFont = ui::gdi::Font(CreateFontIndirectW(&font));
    m_label.SetFont(m_labelFont.Get(), true);
}

bool CClockDialog::StartTimers() {
    for (auto [id, period] : {std::pair{kSecondTimer, 1000u}, std::pair{kReturnHomeTimer, 300u}}) {
        if (!m_env.setTimer(m_hwnd, id, period)) {
            ShowMessage(L"タイマーの設定に失敗しました。", L"エラー", MB_ICONHAND);
            return false;
        }
    }
    m_tickElapse = 1000;
    m_returnHomeTimerRuns = true;
    return true;
}

void CClockDialog::StartMinimized() {
    HWND taskbar = m_env.findTaskbar();
    if (!taskbar) {
        ShowMessage(L"タスクバーの取得に失敗しました。", L"ぽこみ", MB_OK);
        // The window stays visible, so it must also behave and look as shown.
        m_settings.Minimize = 0;
        if (m_owner) m_owner->SetTrayIcon(IDI_TRAY_NORMAL);
        return;
    }
    RECT bar{}, window{};
    GetWindowRect(taskbar, &bar);
    GetWindowRect(m_hwnd, &window);
    m_restorePosition = {window.left, window.top};
    SetWindowPos(m_hwnd, nullptr, bar.right - 50, bar.top, 0, 0, SWP_NOZORDER);
    View().Show(false);
    m_hideAfterCreate = true;  // the template's WS_VISIBLE shows the window once this returns
    if (m_owner) m_owner->SetTrayIcon(IDI_TRAY_MINIMIZED);
}

bool CClockDialog::Create(HWND parent) {
    if (!ui::Dialog::Create(parent)) return false;
    if (m_hideAfterCreate) View().Show(false);
    m_hideAfterCreate = false;
    return true;
}

int CClockDialog::ShowMessage(const std::wstring& text, const std::wstring& caption, UINT type) {
    if (m_quiet) return IDOK;  // the session ends: a box would hold it up with nobody to read it
    return m_env.messageBox(m_hwnd, text, caption, type);
}

// ---- Window behaviour --------------------------------------------------------------------

void CClockDialog::OnContextMenu(LPARAM lParam) {
    ShowContextMenu(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)));
}

ui::gdi::Menu CClockDialog::BuildContextMenu() const {
    ui::gdi::Menu result = ui::LoadPopupMenu(IDR_CLOCK_MENU);
    HMENU popup = result.Get();
    if (!popup) return result;
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

// Everything is saved before the exit sound starts, and a sound still playing ends
// first: the close never waits for more than the exit sound's few seconds.
void CClockDialog::OnClose() {
    if (m_closing) {  // a second close while the exit sound plays
        FinishClose();
        return;
    }
    StopEventSound();
    SaveAll();
    if (!StartExitSound()) FinishClose();
}

bool CClockDialog::StartExitSound() {
    if (!PlayEventSound(SoundEvent::Exit)) return false;
    m_closing = 1;
    return m_env.setTimer(m_hwnd, kExitSoundTimer, kExitSoundWait) != 0;
}

void CClockDialog::FinishClose() {
    KillTimer(m_hwnd, kExitSoundTimer);
    StopEventSound();
    m_imageList.Reset();
    KillTimer(m_hwnd, kSecondTimer);
    KillTimer(m_hwnd, kReturnHomeTimer);
    m_tickElapse = 0;
    m_returnHomeTimerRuns = false;
    HWND mainWindow = m_owner ? m_owner->MainWindow() : nullptr;
    DestroyWindow(m_hwnd);  // the object is deleted once this handler has returned
    if (mainWindow) PostMessageW(mainWindow, WM_CLOSE, 0, 0);
}

// The session ends: what a close saves is saved now, quietly, without the exit sound.
void CClockDialog::OnEndSession() {
    m_quiet = true;
    StopEventSound();
    SaveAll();
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
