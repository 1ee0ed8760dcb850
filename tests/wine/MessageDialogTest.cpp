// The message window: pages, layout, shape, sounds, closing, and its opening by the clock.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "ClockTestSupport.h"
#include "PixelTestSupport.h"
#include "WineTestSupport.h"
#include "alarms/CMessageDialog.h"
#include "controls/CTipToolBar.h"
#include "clock/CClockDialog.h"
#include "controls/CTextLabel.h"
#include "resource.h"
#include "ui/Dialog.h"
#include "ui/Gdi.h"
#include "ui/Text.h"

namespace {

constexpr wchar_t kLongMessage[] =
    L"一行目の文章です。\r\n二行目の文章です。\r\n三行目の文章です。\r\n四行目の文章です。\r\n"
    L"五行目の文章です。\r\n六行目の文章です。\r\n七行目の文章です。\r\n八行目の文章です。\r\n"
    L"九行目の文章です。\r\n十行目の文章です。\r\n十一行目の文章です。\r\n十二行目の文章です。";

AlarmEntry Entry(const std::wstring& subject, const std::wstring& message, const std::wstring& sound = L"NULL") {
    return AlarmEntry{subject, sound, message, L"毎日", L"NULL", L"指定の時刻", L"10:31"};
}

AlarmList ListOf(std::initializer_list<AlarmEntry> entries) {
    AlarmList list;
    for (const AlarmEntry& entry : entries) list.Append(entry);
    return list;
}

void Command(HWND dialog, int id) {
    Click(dialog, id);
    ui::PumpMessages();
}

CTextLabel* MessageLabel(HWND dialog) {
    return dynamic_cast<CTextLabel*>(ui::Control::FromHandle(GetDlgItem(dialog, IDC_MESSAGE_TEXT)));
}

std::string SoundIniWithAlarm(const std::wstring& alarmSound) {
    std::string text = "[Boot]\r\n[Exit]\r\n[Time]\r\n[Away]\r\n[Alarm]\r\n";
    if (!alarmSound.empty()) text += Utf8(alarmSound) + "\r\n";
    return text + "[Return]\r\n[Minimize]\r\n[Restore]\r\n[Update]\r\n";
}

// What the end of a sound does; the notice of the closed device is handled at once.
void EndSound(CClockDialog* clock) {
    clock->StopEventSound();
    ui::PumpMessages();
}

// Whether the clock's player really starts a sound here (it may not yet, or may not on this machine).
bool SoundWorks(CClockDialog* clock, const std::wstring& wave) {
    if (!clock->PlaySoundFile(wave)) return false;
    bool playing = clock->SoundPlaying();
    EndSound(clock);
    return playing;
}

// Closes a message window a test left open, so that no window outlives its test's world.
class WindowGuard {
public:
    explicit WindowGuard(HWND hwnd) : m_hwnd(hwnd) {}
    ~WindowGuard() {
        if (IsWindow(m_hwnd)) DestroyWindow(m_hwnd);
        ui::PumpMessages();
    }
    WindowGuard(const WindowGuard&) = delete;
    WindowGuard& operator=(const WindowGuard&) = delete;
    HWND Get() const { return m_hwnd; }

private:
    HWND m_hwnd;
};

struct TimerCall {
    HWND hwnd;
    UINT_PTR id;
    UINT period;
};

class MessageDialogTest : public testing::Test {
protected:
    ui::Environment MakeEnvironment() {
        ui::Environment env = m_world.MakeEnvironment();
        env.setTimer = [this](HWND hwnd, UINT_PTR id, UINT period) -> UINT_PTR {
            m_timers.push_back({hwnd, id, period});
            return id;  // the test delivers the ticks itself
        };
        return env;
    }
    HWND Open(const AlarmList& entries) {
        HWND hwnd = CMessageDialog::Open(entries, {nullptr, m_player, MakeEnvironment()});
        ui::PumpMessages();
        return hwnd;
    }
    static void Tick(HWND hwnd) {
        SendMessageW(hwnd, WM_TIMER, CMessageDialog::kSoundTimer, 0);
        ui::PumpMessages();
    }

    TestWorld m_world;
    std::weak_ptr<MessageWindowHost> m_player;  // none: the windows stay silent and cannot snooze
    std::vector<TimerCall> m_timers;
};

TEST_F(MessageDialogTest, OneEntryShowsOkAndItsTexts) {
    WindowGuard window(Open(ListOf({Entry(L"会議", L"十時から会議室で")})));
    HWND hwnd = window.Get();
    ASSERT_TRUE(IsWindow(hwnd));
    EXPECT_TRUE(IsWindowVisible(hwnd));
    EXPECT_TRUE(GetWindowLongW(hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_EQ(GetParent(hwnd), nullptr);
    EXPECT_TRUE(Shown(hwnd, IDOK));
    EXPECT_FALSE(Shown(hwnd, IDC_MESSAGE_NEXT));
    EXPECT_FALSE(Shown(hwnd, IDC_MESSAGE_PREVIOUS));
    EXPECT_EQ(Text(hwnd, IDC_MESSAGE_CAPTION), L"メッセージ");
    EXPECT_EQ(Text(hwnd, IDC_MESSAGE_TITLE), L"会議");
    EXPECT_EQ(Text(hwnd, IDC_MESSAGE_TEXT), L"十時から会議室で");
    EXPECT_TRUE(m_timers.empty());  // a window with text never closes by itself
    EXPECT_TRUE(m_world.messageBoxes.empty());

    Command(hwnd, IDOK);
    EXPECT_FALSE(IsWindow(hwnd));
}

TEST_F(MessageDialogTest, ControlsAreSetUpAsTheWindowNeedsThem) {
    WindowGuard window(Open(ListOf({Entry(L"件名", L"本文")})));
    HWND hwnd = window.Get();
    const LOGFONTW title = FontOf(GetDlgItem(hwnd, IDC_MESSAGE_TITLE));
    EXPECT_EQ(title.lfHeight, 14);
    EXPECT_EQ(title.lfWeight, FW_BOLD);
    EXPECT_EQ(title.lfCharSet, SHIFTJIS_CHARSET);
    EXPECT_EQ(std::wstring(title.lfFaceName), L"ＭＳ Ｐゴシック");

    CTextLabel* label = MessageLabel(hwnd);
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->Format(), static_cast<UINT>(DT_WORDBREAK | DT_NOPREFIX));
    EXPECT_EQ(label->BackgroundColour(), GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(SendDlgItemMessageW(hwnd, IDC_MESSAGE_TEXT, WM_GETFONT, 0, 0), SendMessageW(hwnd, WM_GETFONT, 0, 0));

    HWND line = GetDlgItem(hwnd, IDC_MESSAGE_LINE);
    EXPECT_EQ(GetWindowLongW(line, GWL_STYLE) & SS_TYPEMASK, SS_ETCHEDHORZ);
    EXPECT_EQ(GetWindowLongW(GetDlgItem(hwnd, IDC_MESSAGE_NEXT), GWL_STYLE) & BS_TYPEMASK, BS_DEFPUSHBUTTON);
}

TEST_F(MessageDialogTest, ThreeEntriesPageWithPreviousNextAndDone) {
    WindowGuard window(Open(ListOf({Entry(L"一つ目", L"A"), Entry(L"二つ目", L"B"), Entry(L"三つ目", L"C")})));
    HWND hwnd = window.Get();
    EXPECT_FALSE(Shown(hwnd, IDOK));
    EXPECT_TRUE(Shown(hwnd, IDC_MESSAGE_NEXT));
    EXPECT_TRUE(Shown(hwnd, IDC_MESSAGE_PREVIOUS));
    EXPECT_EQ(Text(hwnd, IDC_MESSAGE_CAPTION), L"メッセージ (1/3)");
    EXPECT_EQ(Text(hwnd, IDC_MESSAGE_NEXT), L"次へ(&N)");
    EXPECT_FALSE(Enabled(hwnd, IDC_MESSAGE_PREVIOUS));
    EXPECT_EQ(Text(hwnd, IDC_MESSAGE_TITLE), L"一つ目");

    Command(hwnd, IDC_MESSAGE_NEXT);
    EXPECT_EQ(Text(hwnd, IDC_MESSAGE_CAPTION), L"メッセージ (2/3)");
    EXPECT_EQ(Text(hwnd, IDC_MESSAGE_NEXT), L"次へ(&N)");
    EXPECT_TRUE(Enabled(hwnd, IDC_MESSAGE_PREVIOUS));
    EXPECT_EQ(Text(hwnd, IDC_MESSAGE_TITLE), L"二つ目");
    EXPECT_EQ(Text(hwnd, IDC_MESSAGE_TEXT), L"B");

    Command(hwnd, IDC_MESSAGE_NEXT);
    EXPECT_EQ(Text(hwnd, IDC_MESSAGE_CAPTION), L"メッセージ (3/3)");
    EXPECT_EQ(Text(hwnd, IDC_MESSAGE_NEXT), L"完了(&F)");
    EXPECT_TRUE(Enabled(hwnd, IDC_MESSAGE_PREVIOUS));
    EXPECT_EQ(Text(hwnd, IDC_MESSAGE_TITLE), L"三つ目");

    Command(hwnd, IDC_MESSAGE_PREVIOUS);
    EXPECT_EQ(Text(hwnd, IDC_MESSAGE_CAPTION), L"メッセージ (2/3)");
    EXPECT_EQ(Text(hwnd, IDC_MESSAGE_NEXT), L"次へ(&N)");
    Command(hwnd, IDC_MESSAGE_PREVIOUS);
    EXPECT_EQ(Text(hwnd, IDC_MESSAGE_CAPTION), L"メッセージ (1/3)");
    EXPECT_FALSE(Enabled(hwnd, IDC_MESSAGE_PREVIOUS));
    // The disabled button cannot take the window below the first page.
    Command(hwnd, IDC_MESSAGE_PREVIOUS);
    EXPECT_EQ(Text(hwnd, IDC_MESSAGE_CAPTION), L"メッセージ (1/3)");
    EXPECT_EQ(Text(hwnd, IDC_MESSAGE_TITLE), L"一つ目");

    Command(hwnd, IDC_MESSAGE_NEXT);
    Command(hwnd, IDC_MESSAGE_NEXT);
    ASSERT_TRUE(IsWindow(hwnd));
    Command(hwnd, IDC_MESSAGE_NEXT);  // 完了
    EXPECT_FALSE(IsWindow(hwnd));
}

TEST_F(MessageDialogTest, AShortMessageGivesHeight190WithButtonsAt160) {
    WindowGuard window(Open(ListOf({Entry(L"件名", L"一行だけ")})));
    HWND hwnd = window.Get();
    CTextLabel* label = MessageLabel(hwnd);
    ASSERT_NE(label, nullptr);
    EXPECT_GT(label->TextHeight(), 0);
    EXPECT_LT(label->TextHeight(), 30);
    RECT labelRect = ChildRectInParent(hwnd, IDC_MESSAGE_TEXT);
    EXPECT_EQ(labelRect.bottom - labelRect.top, label->TextHeight());
    RECT templateLabel{62, 35, 182, 95};
    MapDialogRect(hwnd, &templateLabel);
    EXPECT_EQ(labelRect.left, std::max(templateLabel.left, 108L));  // never over the picture at (8, 55), 100 wide
    EXPECT_EQ(labelRect.top, templateLabel.top);
    EXPECT_EQ(labelRect.right, templateLabel.right);

    RECT r = WindowRectOf(hwnd);
    RECT templateRect{0, 0, 187, 134};
    MapDialogRect(hwnd, &templateRect);
    EXPECT_EQ(r.right - r.left, templateRect.right);  // the width stays the template's
    EXPECT_EQ(r.bottom - r.top, 190);
    for (int id : {IDOK, IDC_MESSAGE_NEXT, IDC_MESSAGE_PREVIOUS}) EXPECT_EQ(ChildRectInParent(hwnd, id).top, 160) << id;
    RECT client{};
    GetClientRect(hwnd, &client);
    EXPECT_EQ(client.bottom, 190);  // borderless: the client area is the window
}

TEST_F(MessageDialogTest, ALongMessageGrowsTheWindowDownwardAndTheTopLeftStays) {
    WindowGuard window(Open(ListOf({Entry(L"短い", L"一行"), Entry(L"長い", kLongMessage)})));
    HWND hwnd = window.Get();
    RECT before = WindowRectOf(hwnd);
    ASSERT_EQ(before.bottom - before.top, 190);

    Command(hwnd, IDC_MESSAGE_NEXT);
    int textHeight = MessageLabel(hwnd)->TextHeight();
    EXPECT_GT(textHeight, 100);
    RECT after = WindowRectOf(hwnd);
    EXPECT_EQ(after.left, before.left);
    EXPECT_EQ(after.top, before.top);
    EXPECT_EQ(after.right, before.right);
    EXPECT_EQ(after.bottom - after.top, textHeight + 90);
    EXPECT_EQ(ChildRectInParent(hwnd, IDC_MESSAGE_NEXT).top, textHeight + 60);
    EXPECT_EQ(ChildRectInParent(hwnd, IDC_MESSAGE_PREVIOUS).top, textHeight + 60);
    RECT labelRect = ChildRectInParent(hwnd, IDC_MESSAGE_TEXT);
    EXPECT_EQ(labelRect.bottom - labelRect.top, textHeight);
    // The outline follows the new size.
    EXPECT_TRUE(InRegion(hwnd, 100, textHeight + 80));
    EXPECT_FALSE(InRegion(hwnd, 0, textHeight + 89));

    Command(hwnd, IDC_MESSAGE_PREVIOUS);
    RECT back = WindowRectOf(hwnd);
    EXPECT_EQ(back.top, before.top);
    EXPECT_EQ(back.bottom, before.bottom);
    EXPECT_EQ(ChildRectInParent(hwnd, IDC_MESSAGE_NEXT).top, 160);
}

TEST_F(MessageDialogTest, ALongFirstMessageIsMeasuredBeforeTheWindowIsShown) {
    WindowGuard window(Open(ListOf({Entry(L"長い", kLongMessage)})));
    HWND hwnd = window.Get();
    int textHeight = MessageLabel(hwnd)->TextHeight();
    EXPECT_GT(textHeight, 100);
    RECT r = WindowRectOf(hwnd);
    EXPECT_EQ(r.bottom - r.top, textHeight + 90);
    EXPECT_EQ(ChildRectInParent(hwnd, IDOK).top, textHeight + 60);
}

TEST_F(MessageDialogTest, TheOutlineIsRoundedAndTheFrameIsPainted) {
    WindowGuard window(Open(ListOf({Entry(L"件名", L"本文")})));
    HWND hwnd = window.Get();
    RECT r = WindowRectOf(hwnd);
    int w = r.right - r.left, h = r.bottom - r.top;
    for (auto [x, y] : {std::pair{w / 2, h / 2}, {w / 2, 0}, {0, h / 2}, {w - 1, h / 2}, {w / 2, h - 1}})
        EXPECT_TRUE(InRegion(hwnd, x, y)) << x << "," << y;
    for (auto [x, y] : {std::pair{0, 0}, {w - 1, 0}, {0, h - 1}, {w - 1, h - 1}, {w, h / 2}})  // the corners are cut
        EXPECT_FALSE(InRegion(hwnd, x, y)) << x << "," << y;

    long live = ui::gdi::LiveObjects();
    RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    EXPECT_EQ(ui::gdi::LiveObjects(), live);  // the bitmaps of one paint are released at once
    const Image shown = ShownPixels(hwnd);
    const std::pair<POINT, int> frame[] = {
        {{w / 2, 0}, COLOR_3DLIGHT},        {{0, h / 2}, COLOR_3DLIGHT},        {{w / 2, 1}, COLOR_BTNHIGHLIGHT},
        {{w / 2, h - 1}, COLOR_3DDKSHADOW}, {{w - 1, h / 2}, COLOR_3DDKSHADOW}, {{w / 2, h - 2}, COLOR_BTNSHADOW},
        {{w - 2, h / 2}, COLOR_BTNSHADOW},
    };
    for (auto [at, colour] : frame) EXPECT_EQ(shown.At(at.x, at.y), GetSysColor(colour)) << at.x << "," << at.y;
    // The character picture sits at (8, 55) and is not the plain face colour everywhere.
    int differing = 0;
    for (int y = 55; y < 55 + 116; y += 4)
        for (int x = 8; x < 8 + 100; x += 4) differing += shown.At(x, y) != GetSysColor(COLOR_BTNFACE) ? 1 : 0;
    EXPECT_GT(differing, 50);
}

TEST_F(MessageDialogTest, TheCloseToolBarSitsTopRightWithItsTipAndCloses) {
    WindowGuard window(Open(ListOf({Entry(L"件名", L"本文")})));
    HWND hwnd = window.Get();
    HWND bar = GetDlgItem(hwnd, IDR_MESSAGE_TOOLBAR);
    ASSERT_NE(bar, nullptr);
    RECT r = ChildRectInParent(hwnd, IDR_MESSAGE_TOOLBAR);
    RECT client{};
    GetClientRect(hwnd, &client);
    EXPECT_EQ(r.left, client.right - 22);  // 305 in a window 327 pixels wide
    EXPECT_EQ(r.top, 3);
    EXPECT_EQ(r.right, client.right - 6);
    EXPECT_EQ(r.bottom, 19);
    EXPECT_TRUE(IsWindowVisible(bar));
    EXPECT_TRUE(InRegion(hwnd, r.left, r.top));
    EXPECT_TRUE(InRegion(hwnd, r.right - 1, r.bottom - 1));
    EXPECT_EQ(SendMessageW(bar, TB_BUTTONCOUNT, 0, 0), 1);
    TBBUTTON button{};
    SendMessageW(bar, TB_GETBUTTON, 0, reinterpret_cast<LPARAM>(&button));
    EXPECT_EQ(button.idCommand, IDOK);
    EXPECT_EQ(button.iBitmap, 0);
    EXPECT_TRUE(button.fsState & TBSTATE_ENABLED);
    DWORD size = static_cast<DWORD>(SendMessageW(bar, TB_GETBUTTONSIZE, 0, 0));
    EXPECT_EQ(LOWORD(size), 16);
    EXPECT_EQ(HIWORD(size), 16);
    int iconWidth = 0, iconHeight = 0;
    ImageList_GetIconSize(reinterpret_cast<HIMAGELIST>(SendMessageW(bar, TB_GETIMAGELIST, 0, 0)), &iconWidth,
                          &iconHeight);
    EXPECT_EQ(iconWidth, 9);
    EXPECT_EQ(iconHeight, 9);

    // The toolbar's own tooltip asks the toolbar for the text of command 1.
    HWND tips = reinterpret_cast<HWND>(SendMessageW(bar, TB_GETTOOLTIPS, 0, 0));
    ASSERT_NE(tips, nullptr);
    wchar_t text[80] = {};
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof(tool);
    tool.hwnd = bar;
    tool.uId = IDOK;
    tool.lpszText = text;
    SendMessageW(tips, TTM_GETTEXTW, 80, reinterpret_cast<LPARAM>(&tool));
    EXPECT_EQ(std::wstring(text), L"閉じる");

    // A click on the button closes the window.
    RECT item{};
    SendMessageW(bar, TB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&item));
    ClickAt(bar, (item.left + item.right) / 2, (item.top + item.bottom) / 2);
    ui::PumpMessages();
    EXPECT_FALSE(IsWindow(hwnd));
}

TEST_F(MessageDialogTest, TipTextsAreTheSecondPartOfTheirString) {
    EXPECT_EQ(CTipToolBar::TipText(IDS_CLOSE_TIP), L"閉じる");
    EXPECT_EQ(CTipToolBar::TipText(IDS_CLOSE), L"");  // "閉じる" has no newline
    EXPECT_EQ(CTipToolBar::TipText(9999), L"");       // no such string

    WindowGuard window(Open(ListOf({Entry(L"件名", L"本文")})));
    HWND bar = GetDlgItem(window.Get(), IDR_MESSAGE_TOOLBAR);
    NMTTDISPINFOW info{};
    info.hdr.hwndFrom = bar;
    info.hdr.idFrom = IDOK;
    info.hdr.code = TTN_NEEDTEXTW;
    EXPECT_EQ(SendMessageW(bar, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&info)), 1);
    EXPECT_EQ(std::wstring(info.szText), L"閉じる");
}

TEST_F(MessageDialogTest, EscapeClosesAndReleasesTheWindow) {
    long live = ui::gdi::LiveObjects();
    HWND hwnd = Open(ListOf({Entry(L"件名", L"本文"), Entry(L"二つ目", kLongMessage)}));
    WindowGuard window(hwnd);
    Command(hwnd, IDC_MESSAGE_NEXT);
    RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    EXPECT_GT(ui::gdi::LiveObjects(), live);  // the title font lives as long as the window

    SetForegroundWindow(hwnd);
    SetFocus(GetDlgItem(hwnd, IDC_MESSAGE_NEXT));
    PostMessageW(GetFocus(), WM_KEYDOWN, VK_ESCAPE, 0);
    PostMessageW(GetFocus(), WM_KEYUP, VK_ESCAPE, 0);
    ui::PumpMessages();
    EXPECT_FALSE(IsWindow(hwnd));
    EXPECT_EQ(ui::gdi::LiveObjects(), live);
}

// Opened while the user types elsewhere, the window leaves the keyboard there: an Enter
// meant for that window does not close it. Brought forward, its first button has the keys.
TEST_F(MessageDialogTest, ItLeavesTheFocusWhereTheUserTypesUntilItIsBroughtForward) {
    HWND typing = CreateWindowExW(0, L"EDIT", L"", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 20, 20, 300, 100, nullptr, nullptr,
                                  nullptr, nullptr);
    const std::pair<AlarmList, int> cases[] = {
        {ListOf({Entry(L"件名", L"本文")}), IDOK},
        {ListOf({Entry(L"一つ目", L"A"), Entry(L"二つ目", L"B")}), IDC_MESSAGE_NEXT},
    };
    for (const auto& [entries, first] : cases) {
        SetForegroundWindow(typing);
        SetFocus(typing);
        ui::PumpMessages();
        ASSERT_EQ(GetFocus(), typing);
        WindowGuard window(Open(entries));
        HWND hwnd = window.Get();
        EXPECT_TRUE(IsWindowVisible(hwnd));
        EXPECT_EQ(GetFocus(), typing);
        PostMessageW(typing, WM_KEYDOWN, VK_RETURN, 0);
        PostMessageW(typing, WM_KEYUP, VK_RETURN, 0);
        ui::PumpMessages();
        ASSERT_TRUE(IsWindow(hwnd));

        SetForegroundWindow(hwnd);
        ui::PumpMessages();
        EXPECT_EQ(GetFocus(), GetDlgItem(hwnd, first));
    }
    DestroyWindow(typing);
}

TEST_F(MessageDialogTest, TheContextMenuOffersMoveAndCloseWithCloseAsDefault) {
    WindowGuard window(Open(ListOf({Entry(L"件名", L"本文")})));
    HWND hwnd = window.Get();
    SendMessageW(hwnd, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(hwnd), MAKELPARAM(200, 150));
    ASSERT_EQ(m_world.menus.size(), 1u);
    const TrackedMenu& menu = m_world.menus[0];
    ASSERT_EQ(menu.items.size(), 2u);
    EXPECT_EQ(menu.items[0].command, static_cast<UINT>(ID_CMD_MOVE));
    EXPECT_EQ(menu.items[1].command, static_cast<UINT>(IDOK));
    EXPECT_EQ(menu.defaultCommand, static_cast<UINT>(IDOK));
    EXPECT_EQ(menu.x, 200);
    EXPECT_EQ(menu.y, 150);

    // 移動 starts the system's keyboard move.
    SendMessageW(hwnd, WM_COMMAND, ID_CMD_MOVE, 0);
    MSG posted{};
    ASSERT_TRUE(PeekMessageW(&posted, hwnd, WM_SYSCOMMAND, WM_SYSCOMMAND, PM_REMOVE));
    EXPECT_EQ(posted.wParam & 0xFFF0, static_cast<WPARAM>(SC_MOVE));

    // 閉じる closes.
    SendMessageW(hwnd, WM_COMMAND, IDOK, 0);
    ui::PumpMessages();
    EXPECT_FALSE(IsWindow(hwnd));
}

TEST_F(MessageDialogTest, TheWindowIsDraggedByItsFaceWhileTheButtonIsDown) {
    WindowGuard window(Open(ListOf({Entry(L"件名", L"本文")})));
    HWND hwnd = window.Get();
    RECT r = WindowRectOf(hwnd);
    LPARAM face = MAKELPARAM(r.left + 200, r.top + 40);
    m_world.leftButton = false;
    EXPECT_EQ(SendMessageW(hwnd, WM_NCHITTEST, 0, face), HTCLIENT);
    m_world.leftButton = true;
    EXPECT_EQ(SendMessageW(hwnd, WM_NCHITTEST, 0, face), HTCAPTION);
    EXPECT_EQ(SendMessageW(hwnd, WM_NCHITTEST, 0, MAKELPARAM(r.right + 10, r.top + 40)), HTNOWHERE);
}

TEST_F(MessageDialogTest, NoEntriesSaysSoAndLeavesTheTemplate) {
    WindowGuard window(Open(AlarmList()));
    HWND hwnd = window.Get();
    ASSERT_TRUE(IsWindow(hwnd));
    ASSERT_EQ(m_world.messageBoxes.size(), 1u);
    EXPECT_EQ(m_world.messageBoxes[0].text, L"メッセージがありません。");
    EXPECT_EQ(m_world.messageBoxes[0].type & MB_TYPEMASK, static_cast<UINT>(MB_OK));
    EXPECT_EQ(Text(hwnd, IDC_MESSAGE_TITLE), L"メッセージのタイトル");
    EXPECT_EQ(Text(hwnd, IDC_MESSAGE_CAPTION), L"メッセージ");
    EXPECT_TRUE(m_timers.empty());
    Command(hwnd, IDCANCEL);
    EXPECT_FALSE(IsWindow(hwnd));
}

TEST_F(MessageDialogTest, WithoutTextsItIsInvisibleAndClosesAfterTheSoundsWithoutAClock) {
    HWND hwnd = Open(ListOf({Entry(L"音だけ一", L"", L"C:\\nowhere\\one.wav"), Entry(L"音だけ二", L"")}));
    WindowGuard window(hwnd);
    ASSERT_TRUE(IsWindow(hwnd));
    RECT r = WindowRectOf(hwnd);
    EXPECT_EQ(r.right - r.left, 0);
    EXPECT_EQ(Text(hwnd, IDC_MESSAGE_TITLE), L"音だけ一");
    ASSERT_EQ(m_timers.size(), 1u);
    EXPECT_EQ(m_timers[0].hwnd, hwnd);
    EXPECT_EQ(m_timers[0].id, CMessageDialog::kSoundTimer);
    EXPECT_EQ(m_timers[0].period, 100u);

    // No sound can play: each tick goes on at once.
    Tick(hwnd);
    ASSERT_TRUE(IsWindow(hwnd));
    EXPECT_EQ(Text(hwnd, IDC_MESSAGE_TITLE), L"音だけ二");
    EXPECT_EQ(WindowRectOf(hwnd).right - WindowRectOf(hwnd).left, 0);
    EXPECT_EQ(m_timers.size(), 2u);
    Tick(hwnd);
    EXPECT_FALSE(IsWindow(hwnd));
}

TEST_F(MessageDialogTest, OneTextAmongSeveralEntriesShowsTheWindow) {
    WindowGuard window(Open(ListOf({Entry(L"音だけ", L""), Entry(L"文あり", L"本文")})));
    HWND hwnd = window.Get();
    RECT r = WindowRectOf(hwnd);
    EXPECT_GT(r.right - r.left, 200);
    EXPECT_EQ(r.bottom - r.top, 190);  // the empty first text still gets the minimum height
    EXPECT_EQ(MessageLabel(hwnd)->TextHeight(), 0);
    EXPECT_TRUE(m_timers.empty());
    Tick(hwnd);  // a stray timer message does not page a window that shows text
    EXPECT_EQ(Text(hwnd, IDC_MESSAGE_CAPTION), L"メッセージ (1/2)");
}

// ---- With the clock and its player ------------------------------------------------------

class MessageDialogTestWithClock : public MessageDialogTest {
protected:
    void Start(const std::wstring& alarmSound) {
        m_world.folder.WriteData(L"Sound.ini", SoundIniWithAlarm(alarmSound));
        m_clock = std::make_unique<RunningClock>(m_world);
        ASSERT_TRUE(m_clock->Alive());
        m_player = Clock()->PlayerHandle();
    }
    void TearDown() override { m_clock.reset(); }
    CClockDialog* Clock() const { return m_clock->Dialog(); }
    std::wstring Wave(const std::wstring& name) const {
        m_world.folder.WriteData(name, MakeWave(2000));
        return m_world.folder.DataPath(name);
    }

    std::unique_ptr<RunningClock> m_clock;
};

TEST_F(MessageDialogTestWithClock, SoundOnlyWaitsForEachSoundThenCloses) {
    Start(L"");
    std::wstring first = Wave(L"first.wav"), second = Wave(L"second.wav");
    bool sound = SoundWorks(Clock(), first);
    HWND hwnd = Open(ListOf({Entry(L"一", L"", first), Entry(L"二", L"", second)}));
    WindowGuard window(hwnd);
    ASSERT_TRUE(IsWindow(hwnd));
    EXPECT_EQ(WindowRectOf(hwnd).right - WindowRectOf(hwnd).left, 0);
    EXPECT_EQ(Clock()->SoundPlaying(), sound);
    if (sound) {
        Tick(hwnd);  // still playing: nothing changes
        EXPECT_EQ(Text(hwnd, IDC_MESSAGE_TITLE), L"一");
        EndSound(Clock());
    }
    Tick(hwnd);
    ASSERT_TRUE(IsWindow(hwnd));
    EXPECT_EQ(Text(hwnd, IDC_MESSAGE_TITLE), L"二");
    EXPECT_EQ(Clock()->SoundPlaying(), sound);
    if (sound) {
        Tick(hwnd);
        EXPECT_TRUE(IsWindow(hwnd));
        EndSound(Clock());
    }
    Tick(hwnd);
    EXPECT_FALSE(IsWindow(hwnd));
}

TEST_F(MessageDialogTestWithClock, AnEntryWithoutItsOwnSoundPlaysAnAlarmSound) {
    std::wstring alarm = Wave(L"alarm.wav");
    Start(alarm);
    bool sound = SoundWorks(Clock(), alarm);
    {
        WindowGuard window(Open(ListOf({Entry(L"件名", L"本文", L"NULL")})));
        EXPECT_EQ(Clock()->SoundPlaying(), sound);
        EndSound(Clock());
    }
    // An empty sound, as a hand-edited data file may hold, is no sound of its own either.
    WindowGuard window(Open(ListOf({Entry(L"件名", L"本文", L"")})));
    EXPECT_EQ(Clock()->SoundPlaying(), sound);
    Clock()->StopEventSound();
}

TEST_F(MessageDialogTestWithClock, AnEntryWithAnUnplayableSoundStaysSilent) {
    std::wstring alarm = Wave(L"alarm.wav");
    Start(alarm);
    SoundWorks(Clock(), alarm);
    WindowGuard window(Open(ListOf({Entry(L"件名", L"本文", m_world.folder.DataPath(L"missing.wav"))})));
    EXPECT_FALSE(Clock()->SoundPlaying());  // no fall-back to the Alarm sounds
}

TEST_F(MessageDialogTestWithClock, EachPageReplaysItsSoundAndAPlayingSoundIsNotInterrupted) {
    Start(L"");
    std::wstring own = Wave(L"own.wav");
    bool sound = SoundWorks(Clock(), own);
    WindowGuard window(Open(ListOf({Entry(L"一", L"A", own), Entry(L"二", L"B", L"NULL"), Entry(L"三", L"C", own)})));
    HWND hwnd = window.Get();
    EXPECT_EQ(Clock()->SoundPlaying(), sound);
    EndSound(Clock());
    Command(hwnd, IDC_MESSAGE_NEXT);  // "NULL" with no Alarm sounds: silent
    EXPECT_FALSE(Clock()->SoundPlaying());
    Command(hwnd, IDC_MESSAGE_NEXT);
    EXPECT_EQ(Clock()->SoundPlaying(), sound);
    Command(hwnd, IDC_MESSAGE_PREVIOUS);  // a request while a sound plays is dropped, the sound goes on
    EXPECT_EQ(Clock()->SoundPlaying(), sound);
    Clock()->StopEventSound();
}

// A snoozed page leaves its window and opens again through the clock's timer, with its
// sound and marked; the data file is not touched, and a timer that fired is spent.
TEST_F(MessageDialogTestWithClock, ASnoozedPageOpensAgainWithItsSoundAndLeavesTheFileAlone) {
    const std::string file = "\xEF\xBB\xBF一\r\nNULL\r\n[\r\nA\r\n]\r\n毎日\r\nNULL\r\n指定の時刻\r\n7:0\r\n";
    m_world.folder.WriteData(L"Message.ini", file);
    Start(L"");
    const std::wstring own = Wave(L"own.wav");
    const bool sound = SoundWorks(Clock(), own);
    HWND hwnd = Open(ListOf({Entry(L"一", L"A", own), Entry(L"二", L"B")}));
    WindowGuard window(hwnd);
    EndSound(Clock());
    Command(hwnd, IDC_MESSAGE_SNOOZE);
    ASSERT_EQ(m_world.menus.size(), 1u);
    std::vector<UINT> choices;
    for (const MenuState& item : m_world.menus[0].items) choices.push_back(item.command);
    EXPECT_EQ(choices, (std::vector<UINT>{ID_CMD_SNOOZE_5, ID_CMD_SNOOZE_10, ID_CMD_SNOOZE_30}));

    const size_t timers = m_world.timers.size();
    Command(hwnd, ID_CMD_SNOOZE_10);
    ASSERT_EQ(m_world.timers.size(), timers + 1);
    EXPECT_EQ(m_world.timers.back().second, 600'000u);
    const UINT_PTR firstTimer = m_world.timers.back().first;
    // The page left the window: the other one stands alone, with OK.
    EXPECT_EQ(Text(hwnd, IDC_MESSAGE_TITLE), L"二");
    EXPECT_EQ(Text(hwnd, IDC_MESSAGE_CAPTION), L"メッセージ");
    EXPECT_TRUE(Shown(hwnd, IDOK) && !Shown(hwnd, IDC_MESSAGE_NEXT));
    Command(hwnd, ID_CMD_SNOOZE_5);
    EXPECT_EQ(m_world.timers.back().second, 300'000u);
    EXPECT_FALSE(IsWindow(hwnd));  // its last page snoozed too
    EXPECT_EQ(m_world.folder.ReadData(L"Message.ini"), file);

    for (int fired = 0; fired < 2; ++fired) {
        SendMessageW(m_clock->Hwnd(), WM_TIMER, firstTimer, 0);
        ui::PumpMessages();
    }
    const std::vector<HWND> again = FindMessageWindows(L"一");
    ASSERT_EQ(again.size(), 1u);
    WindowGuard reopened(again[0]);
    EXPECT_EQ(Text(again[0], IDC_MESSAGE_CAPTION), L"メッセージ  スヌーズ");
    EXPECT_EQ(Text(again[0], IDC_MESSAGE_TEXT), L"A");
    EXPECT_EQ(Clock()->SoundPlaying(), sound);
    EXPECT_EQ(FindMessageWindow(L"二"), nullptr);  // its own time has not come
    Clock()->StopEventSound();
    EXPECT_EQ(m_world.folder.ReadData(L"Message.ini"), file);
}

TEST_F(MessageDialogTestWithClock, AnAlarmDueAtTheNextMinuteOpensItsWindowWhenTheMinuteComes) {
    // Monday 2026-12-07 10:30:15; one alarm every day at 10:31, one at 10:32.
    std::string message =
        "\xEF\xBB\xBF"
        "歯医者\r\nNULL\r\n[\r\n予約の時間です\r\n保険証を忘れずに\r\n]\r\n毎日\r\nNULL\r\n指定の時刻\r\n10:31\r\n"
        "散歩\r\nNULL\r\n[\r\n外へ\r\n]\r\n毎日\r\nNULL\r\n指定の時刻\r\n10:32\r\n";
    m_world.folder.WriteData(L"Message.ini", message);
    Start(L"");
    m_clock->Tick();
    EXPECT_EQ(FindMessageWindow(L"歯医者"), nullptr);

    m_world.time.minute = 31;
    m_world.time.second = 0;
    m_clock->Tick();
    HWND hwnd = FindMessageWindow(L"歯医者");
    WindowGuard window(hwnd);
    ASSERT_NE(hwnd, nullptr);
    EXPECT_TRUE(IsWindowVisible(hwnd));
    EXPECT_EQ(Text(hwnd, IDC_MESSAGE_TEXT), L"予約の時間です\r\n保険証を忘れずに");
    EXPECT_EQ(Text(hwnd, IDC_MESSAGE_CAPTION), L"メッセージ");
    EXPECT_EQ(FindMessageWindow(L"散歩"), nullptr);

    // Further ticks of the same minute open nothing more; the window stays until closed.
    m_world.time.second = 5;
    m_clock->Tick();
    EXPECT_TRUE(IsWindow(hwnd));
    Command(hwnd, IDOK);
    EXPECT_FALSE(IsWindow(hwnd));
    EXPECT_TRUE(m_clock->Alive());
}

}  // namespace
