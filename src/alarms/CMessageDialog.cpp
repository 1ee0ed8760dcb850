#include "alarms/CMessageDialog.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>
#include <utility>
#include <vector>

#include "resource.h"
#include "ui/Dpi.h"
#include "ui/Monitors.h"
#include "ui/Redraw.h"
#include "ui/Resources.h"
#include "ui/Shape.h"
#include "ui/Text.h"

namespace {

constexpr UINT kMessageFormat = DT_WORDBREAK | DT_NOPREFIX;
constexpr DWORD kToolBarStyle =
    WS_VISIBLE | TBSTYLE_FLAT | TBSTYLE_TOOLTIPS | CCS_NODIVIDER | CCS_NOPARENTALIGN | CCS_NORESIZE;
// The close button keeps to the top-right corner: (305, 3)-(321, 19) in a window 327 pixels wide,
// the width the template has with its intended font; other fonts give other widths.
constexpr int kToolBarRightMargin = 6;
constexpr int kToolBarTop = 3;
constexpr int kToolBarSize = 16;
constexpr int kCornerSize = 10;
constexpr POINT kCharacterPosition{8, 55};
constexpr int kCharacterWidth = 100;
constexpr wchar_t kTitleFace[] = L"ＭＳ Ｐゴシック";
constexpr int kCaptionGap = 4;  // between the caption and the close button

struct SnoozeChoice {
    WORD command;
    int minutes;
};
constexpr SnoozeChoice kSnoozeChoices[] = {{ID_CMD_SNOOZE_5, 5}, {ID_CMD_SNOOZE_10, 10}, {ID_CMD_SNOOZE_30, 30}};

struct PagerState {
    const wchar_t* nextText;
    bool previousEnabled;
};

PagerState PagerFor(int index, int count) {
    if (index == 0) return {L"次へ(&N)", false};
    if (index == count - 1) return {L"完了(&F)", true};
    return {L"次へ(&N)", true};
}

// Four corner ellipses and two rectangles make the rounded outline; `s` sizes the corners.
std::vector<ui::ShapePiece> OutlinePieces(int w, int h, DpiScale s) {
    const int d = s.Px(17), in = s.Px(6), out = s.Px(7);
    return {
        {true, {0, 0, d, d}},         {true, {w - d, 0, w + 1, d}},
        {true, {0, h - d, d, h + 1}}, {true, {w - d, h - d, w + 1, h + 1}},
        {false, {0, in, w, h - out}}, {false, {in, 0, w - out, h}},
    };
}

// The artwork's grays, black, white and red stand for the system's 3D colours.
ui::gdi::Bitmap LoadMappedBitmap(UINT id, DpiScale scale) {
    COLORMAP map[] = {
        {RGB(0, 0, 0), GetSysColor(COLOR_3DDKSHADOW)},         {RGB(128, 128, 128), GetSysColor(COLOR_BTNSHADOW)},
        {RGB(192, 192, 192), GetSysColor(COLOR_BTNFACE)},      {RGB(255, 0, 0), GetSysColor(COLOR_3DLIGHT)},
        {RGB(255, 255, 255), GetSysColor(COLOR_BTNHIGHLIGHT)},
    };
    return ui::LoadMappedArt(id, scale, map);
}

RECT ChildRect(HWND parent, HWND child) {
    RECT r{};
    GetWindowRect(child, &r);
    MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

}  // namespace

CMessageDialog::CMessageDialog(MessageWindowArgs args)
    : ui::Dialog(IDD_MESSAGE), m_env(std::move(args.env)), m_host(std::move(args.host)) {}

HWND CMessageDialog::Open(const AlarmList& entries, MessageWindowArgs args, const std::vector<std::wstring>& notes) {
    HWND owner = args.owner;
    auto* dialog = new CMessageDialog(std::move(args));
    size_t index = 0;
    for (const AlarmEntry& entry : entries) {
        dialog->AddEntry(entry, index < notes.size() ? notes[index] : std::wstring());
        ++index;
    }
    if (!dialog->Create(owner)) {
        delete dialog;  // never bound to a window, so nothing else will
        return nullptr;
    }
    return dialog->Handle();
}

void CMessageDialog::AddEntry(const AlarmEntry& entry, std::wstring note) {
    m_entries.Append(entry);
    m_notes.push_back(std::move(note));
}

void CMessageDialog::OnFinalDestroyed() { delete this; }

INT_PTR CMessageDialog::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_NCHITTEST: SetResult(ui::FaceDragHitTest(m_hwnd, lParam, m_env.leftButtonDown())); return TRUE;
    case WM_CONTEXTMENU: OnContextMenu(lParam); return TRUE;
    case WM_DPICHANGED: OnDpiChanged(LOWORD(wParam), *reinterpret_cast<const RECT*>(lParam)); return TRUE;
    case WM_SYSCOLORCHANGE: m_frameArt.clear(); return FALSE;
    case WM_ACTIVATE: OnActivate(wParam); return FALSE;
    default: return ui::Dialog::HandleMessage(message, wParam, lParam);
    }
}

// Buttons and the items of both menus; OK and Cancel end the window in the base.
bool CMessageDialog::OnButtonClicked(WORD id) {
    switch (id) {
    case IDC_MESSAGE_NEXT: OnNext(); return true;
    case IDC_MESSAGE_PREVIOUS: OnPrevious(); return true;
    case ID_CMD_MOVE: OnMove(); return true;
    case IDC_MESSAGE_SNOOZE: OnSnoozeButton(); return true;
    default: break;
    }
    for (const SnoozeChoice& choice : kSnoozeChoices) {
        if (choice.command != id) continue;
        Snooze(choice.minutes);
        return true;
    }
    return false;
}

void CMessageDialog::OnOK() { Close(IDOK); }
void CMessageDialog::OnCancel() { Close(IDCANCEL); }

// ---- Start-up ------------------------------------------------------------------------------

// The window comes up topmost but leaves the keyboard where it is: an Enter meant for
// another program must not close it unseen. FALSE keeps the dialog from taking the focus.
BOOL CMessageDialog::OnInitDialog() {
    m_messageLabel.Attach(m_hwnd, IDC_MESSAGE_TEXT);
    ui::Dialog::OnInitDialog();
    m_scale = ui::WindowDpi(m_hwnd);
    SetWindowPos(m_hwnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    CreateCloseToolBar();
    CreateTitleFont();
    KeepLabelClearOfPicture();
    WidenCaptionToCloseButton();
    m_messageLabel.SetFormat(kMessageFormat);
    m_messageLabel.SetBackgroundColour(GetSysColor(COLOR_BTNFACE));
    if (m_entries.IsEmpty()) {
        m_env.messageBox(m_hwnd, L"メッセージがありません。", L"ぽこみ", MB_OK | MB_ICONEXCLAMATION);
        return FALSE;
    }
    m_currentIndex = 0;
    ShowPagingButtons(m_entries.Count() > 1);
    UpdatePager(0);
    m_soundOnly =
        std::none_of(m_entries.begin(), m_entries.end(), [](const AlarmEntry& entry) { return !entry.Message.empty(); })
            ? 1
            : 0;
    if (m_soundOnly) SetWindowPos(m_hwnd, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    ShowEntry(m_entries.At(0));
    ShowWithoutFocus();
    return FALSE;
}

// Shown here, the dialog manager does not show (and activate) it again. The flash
// asks for the user's eye until the window is brought forward.
void CMessageDialog::ShowWithoutFocus() {
    ShowWindow(m_hwnd, SW_SHOWNOACTIVATE);
    if (m_soundOnly) return;
    FLASHWINFO flash{sizeof(flash), m_hwnd, FLASHW_ALL | FLASHW_TIMERNOFG, 0, 0};
    FlashWindowEx(&flash);
}

// Once the user brings the window forward, its first button (OK, or 次へ) has the keyboard.
void CMessageDialog::OnActivate(WPARAM state) {
    if (LOWORD(state) == WA_INACTIVE) return;
    const HWND focus = GetFocus();
    if (focus && IsChild(m_hwnd, focus)) return;
    if (HWND first = GetNextDlgTabItem(m_hwnd, nullptr, FALSE)) GoToControl(first);
}

void CMessageDialog::CreateCloseToolBar() {
    ToolBarCreateArgs args;
    args.parent = m_hwnd;
    args.style = kToolBarStyle;
    RECT client{};
    GetClientRect(m_hwnd, &client);
    const int right = client.right - m_scale.Px(kToolBarRightMargin);
    const int top = m_scale.Px(kToolBarTop);
    args.rect = {right - m_scale.Px(kToolBarSize), top, right, top + m_scale.Px(kToolBarSize)};
    args.id = IDR_MESSAGE_TOOLBAR;
    if (m_closeToolBar.Create(args)) m_closeToolBar.LoadToolBar(IDR_MESSAGE_TOOLBAR, m_scale);
}

void CMessageDialog::CreateTitleFont() {
    LOGFONTW font{};
    font.lfHeight = m_scale.Px(14);
    font.lfWeight = FW_BOLD;
    font.lfCharSet = SHIFTJIS_CHARSET;
    lstrcpynW(font.lfFaceName, kTitleFace, LF_FACESIZE);
    m_titleFont = ui::gdi::Font(CreateFontIndirectW(&font));
    Child(IDC_MESSAGE_TITLE).SetFont(m_titleFont.Get(), false);
}

// The text starts where the picture ends, as the template has it with its intended font;
// a font with narrower dialog units would otherwise put the text over the picture.
void CMessageDialog::KeepLabelClearOfPicture() {
    RECT label = ChildRect(m_hwnd, m_messageLabel.Handle());
    int left = m_scale.Px(kCharacterPosition.x + kCharacterWidth);
    if (label.left >= left || label.right <= left) return;
    SetWindowPos(m_messageLabel.Handle(), nullptr, left, label.top, label.right - left, label.bottom - label.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

// The caption holds the pager text and the page's note: it reaches to the close button.
void CMessageDialog::WidenCaptionToCloseButton() {
    if (!m_closeToolBar.Handle()) return;
    const HWND caption = Item(IDC_MESSAGE_CAPTION);
    const RECT r = ChildRect(m_hwnd, caption);
    const int right = ChildRect(m_hwnd, m_closeToolBar.Handle()).left - kCaptionGap;
    if (right <= r.right) return;
    SetWindowPos(caption, nullptr, 0, 0, right - r.left, r.bottom - r.top, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CMessageDialog::ShowPagingButtons(bool paging) {
    Child(IDOK).Show(!paging);
    Child(IDC_MESSAGE_NEXT).Show(paging);
    Child(IDC_MESSAGE_PREVIOUS).Show(paging);
}

// ---- Pages ---------------------------------------------------------------------------------

void CMessageDialog::ShowEntry(AlarmEntry entry) {
    PlayEntrySound(entry);
    if (m_soundOnly) m_env.setTimer(m_hwnd, kSoundTimer, kSoundPollMs);
    Child(IDC_MESSAGE_TITLE).SetText(entry.Subject);
    ui::WindowView(m_messageLabel.Handle()).SetText(entry.Message);
    ui::RedrawNow(Item(IDC_MESSAGE_TITLE));
    LayOutPage();
    if (!m_soundOnly) ui::KeepOnItsMonitor(m_hwnd, m_env.monitors);  // a long text must not run off the screen
}

// The window as tall as the page's text needs, its buttons below the text.
void CMessageDialog::LayOutPage() {
    // Measured directly rather than by a paint: a window not yet shown gets no paint.
    int textHeight = m_messageLabel.MeasureTextHeight();
    RECT label = ChildRect(m_hwnd, m_messageLabel.Handle());
    SetWindowPos(m_messageLabel.Handle(), nullptr, 0, 0, label.right - label.left, textHeight,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    ui::RedrawNow(m_messageLabel.Handle());
    LayOut(std::max(textHeight, m_scale.Px(kMinimumTextHeight)));
    RebuildRegion();
}

// An entry without a sound of its own ("NULL", or empty as the data file may hold) gets an Alarm sound.
void CMessageDialog::PlayEntrySound(const AlarmEntry& entry) {
    std::shared_ptr<MessageWindowHost> player = m_host.lock();
    if (!player) return;
    if (entry.Sound.empty() || entry.Sound == kNoValue)
        player->PlayEventSound(SoundEvent::Alarm);
    else
        player->PlaySoundFile(entry.Sound);
}

void CMessageDialog::LayOut(int textHeight) {
    RECT window{};
    GetWindowRect(m_hwnd, &window);
    SetWindowPos(m_hwnd, nullptr, 0, 0, window.right - window.left, textHeight + m_scale.Px(kWindowExtra),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    for (int id : {IDOK, IDC_MESSAGE_NEXT, IDC_MESSAGE_PREVIOUS, IDC_MESSAGE_SNOOZE}) {
        RECT button = ChildRect(m_hwnd, Item(id));
        SetWindowPos(Item(id), nullptr, button.left, textHeight + m_scale.Px(kButtonOffset), 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void CMessageDialog::RebuildRegion() {
    RECT client{};
    GetClientRect(m_hwnd, &client);
    ui::SetWindowShape(m_hwnd, OutlinePieces(client.right, client.bottom, m_scale));
}

// One page keeps the caption's own text; several show where the user is.
void CMessageDialog::ShowCaption(int index) {
    const int count = static_cast<int>(m_entries.Count());
    std::wstring text = count > 1 ? ui::Format(L"メッセージ (%d/%d)", index + 1, count) : L"メッセージ";
    const std::wstring& note = m_notes[static_cast<size_t>(index)];
    if (!note.empty()) text += L"  " + note;
    Child(IDC_MESSAGE_CAPTION).SetText(text);
}

void CMessageDialog::UpdatePager(int index) {
    ShowCaption(index);
    int count = static_cast<int>(m_entries.Count());
    if (count < 2) return;
    PagerState state = PagerFor(index, count);
    Child(IDC_MESSAGE_NEXT).SetText(state.nextText);
    ui::WindowView previous = Child(IDC_MESSAGE_PREVIOUS);
    // Keep the keyboard usable: focus does not stay on a button about to be disabled.
    if (!state.previousEnabled && GetFocus() == previous.Handle()) GoToControl(Item(IDC_MESSAGE_NEXT));
    previous.Enable(state.previousEnabled);
}

bool CMessageDialog::IsLastPage() const { return m_currentIndex + 1 >= static_cast<int>(m_entries.Count()); }

void CMessageDialog::OnNext() {
    if (IsLastPage()) {
        OnOK();
        return;
    }
    ++m_currentIndex;
    ShowEntry(m_entries.At(static_cast<size_t>(m_currentIndex)));
    UpdatePager(m_currentIndex);
}

void CMessageDialog::OnPrevious() {
    if (m_currentIndex <= 0) return;
    --m_currentIndex;
    ShowEntry(m_entries.At(static_cast<size_t>(m_currentIndex)));
    UpdatePager(m_currentIndex);
}

// ---- Sound-only sequencing -------------------------------------------------------------

bool CMessageDialog::OnTimer(UINT_PTR id) {
    if (id == kSoundTimer) OnSoundTimer();
    return true;
}

void CMessageDialog::OnSoundTimer() {
    if (!m_soundOnly) return;  // a window that shows text never closes by itself
    std::shared_ptr<MessageWindowHost> player = m_host.lock();
    if (player && player->SoundPlaying()) return;
    KillTimer(m_hwnd, kSoundTimer);
    if (IsLastPage())
        OnOK();
    else
        OnNext();
}

// ---- Frame, dragging, menu -----------------------------------------------------------------

bool CMessageDialog::OnPaint() {
    ui::gdi::PaintDC paint(m_hwnd);
    HDC dc = paint.Get();
    RECT r{};
    GetWindowRect(m_hwnd, &r);
    MapWindowPoints(HWND_DESKTOP, m_hwnd, reinterpret_cast<POINT*>(&r), 2);
    int w = r.right - r.left;
    int h = r.bottom - r.top;
    ui::gdi::Draw3dRect(dc, r, GetSysColor(COLOR_3DLIGHT), GetSysColor(COLOR_3DDKSHADOW));
    ui::gdi::Draw3dRect(dc, {1, 1, w - 1, h - 1}, GetSysColor(COLOR_BTNHIGHLIGHT), GetSysColor(COLOR_BTNSHADOW));
    const int corner = m_scale.Px(kCornerSize);
    DrawMappedBitmap(dc, IDB_CORNER_TOP_LEFT, 0, 0);
    DrawMappedBitmap(dc, IDB_CORNER_TOP_RIGHT, w - corner, 0);
    DrawMappedBitmap(dc, IDB_CORNER_BOTTOM_LEFT, 0, h - corner);
    DrawMappedBitmap(dc, IDB_CORNER_BOTTOM_RIGHT, w - corner, h - corner);
    DrawMappedBitmap(dc, IDB_CHARACTER, m_scale.Px(kCharacterPosition.x), m_scale.Px(kCharacterPosition.y));
    InvalidateRect(m_messageLabel.Handle(), nullptr, TRUE);
    return true;
}

// Made once per DPI and system colours: away from 96 DPI each is a smooth scaling.
void CMessageDialog::DrawMappedBitmap(HDC dc, UINT id, int x, int y) {
    auto found = m_frameArt.find(id);
    if (found == m_frameArt.end()) found = m_frameArt.emplace(id, LoadMappedBitmap(id, m_scale)).first;
    ui::gdi::DrawBitmap(dc, found->second.Get(), x, y);
}

// Moved onto a monitor of another DPI: the system has scaled the controls; what the window
// draws and lays out itself follows.
void CMessageDialog::OnDpiChanged(int dpi, const RECT& suggested) {
    m_scale = DpiScale{dpi};
    m_frameArt.clear();
    SetWindowPos(m_hwnd, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    if (m_closeToolBar.Handle()) DestroyWindow(m_closeToolBar.Handle());
    CreateCloseToolBar();
    CreateTitleFont();
    LayOutPage();
    InvalidateRect(m_hwnd, nullptr, TRUE);
}

void CMessageDialog::OnContextMenu(LPARAM lParam) {
    ui::gdi::Menu menu = ui::LoadPopupMenu(IDR_MESSAGE_MENU);
    HMENU popup = menu.Get();
    if (!popup) return;
    POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    if (lParam == -1) {  // from the keyboard: open at the window's top-left corner
        RECT window{};
        GetWindowRect(m_hwnd, &window);
        at = {window.left, window.top};
    }
    SetMenuDefaultItem(popup, IDOK, FALSE);
    m_env.trackPopupMenu(popup, TPM_RIGHTBUTTON, at.x, at.y, GetAncestor(m_hwnd, GA_ROOT));
}

void CMessageDialog::OnMove() { PostMessageW(m_hwnd, WM_SYSCOMMAND, SC_MOVE, 0); }

// ---- Snooze --------------------------------------------------------------------------------

void CMessageDialog::OnSnoozeButton() {
    ui::gdi::Menu menu = ui::LoadPopupMenu(IDR_SNOOZE_MENU);
    if (!menu.Get()) return;
    RECT button{};
    GetWindowRect(Item(IDC_MESSAGE_SNOOZE), &button);
    m_env.trackPopupMenu(menu.Get(), TPM_LEFTALIGN | TPM_TOPALIGN, button.left, button.bottom, m_hwnd);
}

// The clock opens the page again later; this window goes on with the pages left, or closes.
void CMessageDialog::Snooze(int minutes) {
    std::shared_ptr<MessageWindowHost> host = m_host.lock();
    const auto index = static_cast<size_t>(m_currentIndex);
    if (!host || index >= m_entries.Count() || !host->Snooze(m_entries.At(index), minutes)) return;
    m_entries.RemoveAt(index);
    m_notes.erase(m_notes.begin() + static_cast<std::ptrdiff_t>(index));
    if (m_entries.IsEmpty()) {
        OnOK();
        return;
    }
    m_currentIndex = std::min(m_currentIndex, static_cast<int>(m_entries.Count()) - 1);
    ShowPagingButtons(m_entries.Count() > 1);
    ShowEntry(m_entries.At(static_cast<size_t>(m_currentIndex)));
    UpdatePager(m_currentIndex);
}
