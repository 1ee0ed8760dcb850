// The clock window's lifecycle: start-up, shape, settings, menu and close.
#include <windows.h>

#include <gtest/gtest.h>

#include <map>

#include "ClockShorthands.h"
#include "ClockTestSupport.h"
#include "WineTestSupport.h"
#include "app/SingleClock.h"
#include "app/CClockTrayWnd.h"
#include "clock/CClockDialog.h"
#include "resource.h"

namespace {

// The settings read from no profile are checked on the record itself (tests/host); here, what
// only the window shows.
TEST(ClockWindowTest, FirstStartUsesTheDefaultsAndTheWorkAreaCentre) {
    TestWorld world;
    RunningClock clock(world);
    ASSERT_TRUE(clock.Alive());
    RECT area = WorkArea();
    const LONG left = (area.right - area.left) / 2 - 183, top = (area.bottom - area.top) / 2 - 211;
    EXPECT_EQ(Sides(WindowRectOf(clock.Hwnd())), Sides({left, top, left + 165, top + 422}));
    EXPECT_FALSE(IsWindowVisible(GetDlgItem(clock.Hwnd(), IDC_CLOCK_LABEL)));
    EXPECT_TRUE(world.messageBoxes.empty());

    ASSERT_FALSE(world.notifications.empty());
    EXPECT_EQ(world.notifications[0].message, static_cast<DWORD>(NIM_ADD));
    EXPECT_EQ(world.notifications[0].tip, L"ぽこみ");
}

TEST(ClockWindowTest, ShapeIsRoundedAndControlsSitAlongTheTop) {
    TestWorld world;
    RunningClock clock(world);
    HWND hwnd = clock.Hwnd();
    for (auto [x, y] : {std::pair{82, 211}, {0, 211}, {164, 211}, {82, 0}, {82, 421}})
        EXPECT_TRUE(InRegion(hwnd, x, y)) << x << "," << y;
    // The corners are cut, and nothing is outside the window.
    for (auto [x, y] : {std::pair{0, 0}, {164, 0}, {0, 421}, {164, 421}, {165, 211}})
        EXPECT_FALSE(InRegion(hwnd, x, y)) << x << "," << y;

    struct Expected {
        int id;
        RECT rect;
    };
    const Expected controls[] = {
        {IDC_CLOCK_MINIMIZE, {108, 3, 124, 16}},
        {IDC_CLOCK_TOPMOST, {124, 3, 140, 16}},
        {IDC_CLOCK_CLOSE, {140, 3, 156, 16}},
        {IDC_CLOCK_LABEL, {10, 1, 106, 15}},  // widened to the buttons, so its texts fit at 17 pixels
    };
    for (const Expected& c : controls) EXPECT_EQ(Sides(ChildRectInParent(hwnd, c.id)), Sides(c.rect)) << c.id;
    for (int hidden : {IDOK, IDCANCEL, IDCLOSE, IDYES, IDNO}) EXPECT_FALSE(IsWindowVisible(GetDlgItem(hwnd, hidden)));
}

TEST(ClockWindowTest, DraggingByTheFaceOnlyWhileTheLeftButtonIsDown) {
    TestWorld world;
    RunningClock clock(world);
    RECT r = WindowRectOf(clock.Hwnd());
    LPARAM inside = MAKELPARAM(r.left + 80, r.top + 300);
    world.leftButton = false;
    EXPECT_EQ(SendMessageW(clock.Hwnd(), WM_NCHITTEST, 0, inside), HTCLIENT);
    world.leftButton = true;
    EXPECT_EQ(SendMessageW(clock.Hwnd(), WM_NCHITTEST, 0, inside), HTCAPTION);
}

TEST(ClockWindowTest, EveryProfileKeyRoundTrips) {
    TestWorld world;
    const std::pair<const wchar_t*, const wchar_t*> keys[] = {
        {L"X", L"-40"},          {L"Y", L"25"},           {L"Home", L"2"},       {L"HomeX", L"300"},
        {L"HomeY", L"-7"},       {L"BrushR", L"12"},      {L"BrushG", L"200"},   {L"BrushB", L"99"},
        {L"LineR", L"1"},        {L"LineG", L"2"},        {L"LineB", L"250"},    {L"Minimize", L"0"},
        {L"UpdateIllust", L"0"}, {L"UpdateElapse", L"7"}, {L"Escape", L"1"},     {L"Height", L"180"},
        {L"TitleFace", L"1"},    {L"TopMost", L"1"},      {L"SecondHand", L"0"}, {L"CaptionClock", L"1"},
        {L"FontSize", L"-16"},   {L"Bold", L"400"},       {L"Italic", L"1"},     {L"FontFace", L"ＭＳ 明朝"},
    };
    for (auto [key, value] : keys) world.WriteProfile(key, value);
    {
        RunningClock clock(world);
        const ClockSettings s = clock.Dialog()->Snapshot().settings;
        EXPECT_EQ(s.fillColour, RGB(12, 200, 99));
        EXPECT_EQ(s.shadowColour, RGB(4, 66, 33));
        EXPECT_EQ(s.lineColour, RGB(1, 2, 250));
        EXPECT_EQ(s.dialFont.faceName, L"ＭＳ 明朝");
        EXPECT_TRUE(IsWindowVisible(GetDlgItem(clock.Hwnd(), IDC_CLOCK_LABEL)));
        for (auto [key, value] : keys) world.WriteProfile(key, L"");  // prove SaveAll writes each again
        clock.Dialog()->SaveAll();
    }
    for (auto [key, value] : keys) EXPECT_EQ(world.ReadProfile(key), value) << Utf8(key);
}

TEST(ClockWindowTest, ColourComponentsAreCutTo8BitsAndTheShadowIsDerived) {
    TestWorld world;
    RunningClock clock(With(world, {{L"BrushR", L"300"}, {L"BrushG", L"90"}, {L"BrushB", L"3"}, {L"LineR", L"511"}}));
    const ClockSettings s = clock.Dialog()->Snapshot().settings;
    EXPECT_EQ(s.fillColour, RGB(44, 90, 3));
    EXPECT_EQ(s.shadowColour, RGB(100, 30, 1));
    EXPECT_EQ(s.lineColour, RGB(255, 0, 0));
    clock.Dialog()->SaveAll();
    EXPECT_EQ(world.ReadProfile(L"BrushR"), L"44");
    EXPECT_EQ(world.ReadProfile(L"LineR"), L"255");
}

TEST(ClockWindowTest, AnOverlongFontFaceIsCutToFit) {
    TestWorld world;
    world.WriteProfile(L"FontFace", std::wstring(40, L'あ'));
    RunningClock clock(world);
    EXPECT_EQ(clock.Dialog()->Snapshot().settings.dialFont.faceName, std::wstring(31, L'あ'));
}

TEST(ClockWindowTest, EnterAndTheHiddenYesNoButtonsLeaveTheWindowOpen) {
    TestWorld world;
    RunningClock clock(world);
    for (int id : {IDOK, IDYES, IDNO}) {
        SendMessageW(clock.Hwnd(), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
        clock.Pump();
        EXPECT_TRUE(clock.Alive()) << id;
    }
}

struct CloseCase {
    const char* name;
    UINT message;
    WPARAM wParam;
};

class ClockWindowCloseTest : public testing::TestWithParam<CloseCase> {};

TEST_P(ClockWindowCloseTest, ClosesSavesAndEndsTheMainWindow) {
    TestWorld world;
    RunningClock clock(world);
    HWND tray = clock.Tray()->Handle();
    SetWindowPos(clock.Hwnd(), nullptr, 123, 45, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    SendMessageW(clock.Hwnd(), GetParam().message, GetParam().wParam, 0);
    clock.Pump();
    EXPECT_FALSE(clock.Alive());
    EXPECT_FALSE(IsWindow(tray));
    EXPECT_EQ(world.ReadProfile(L"X"), L"123");
    EXPECT_EQ(world.ReadProfile(L"Y"), L"45");
    ASSERT_FALSE(world.notifications.empty());
    EXPECT_EQ(world.notifications.back().message, static_cast<DWORD>(NIM_DELETE));
    // With no sounds the data files are written at once, empty but valid.
    EXPECT_TRUE(world.folder.DataExists(L"Message.ini"));
}

INSTANTIATE_TEST_SUITE_P(ClockWindowTest, ClockWindowCloseTest,
                         testing::Values(CloseCase{"CloseButton", WM_COMMAND, ID_CMD_CLOSE},
                                         CloseCase{"HiddenClose", WM_COMMAND, IDCLOSE},
                                         CloseCase{"Escape", WM_COMMAND, IDCANCEL},
                                         CloseCase{"AltF4", WM_SYSCOMMAND, SC_CLOSE},
                                         CloseCase{"WmClose", WM_CLOSE, 0}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ClockWindowTest, EscapeKeyClosesThroughTheMessageLoop) {
    TestWorld world;
    RunningClock clock(world);
    HWND hwnd = clock.Hwnd();
    PostMessageW(hwnd, WM_KEYDOWN, VK_ESCAPE, 0x00010001);
    clock.Pump();
    EXPECT_FALSE(clock.Alive());
}

std::map<UINT, UINT> StatesById(const TrackedMenu& menu) {
    std::map<UINT, UINT> states;
    for (const MenuState& item : menu.items) states[item.command] = item.state;
    return states;
}

TEST(ClockWindowTest, ContextMenuWhenShown) {
    TestWorld world;
    RunningClock clock(With(world, {{L"TopMost", L"1"}}));
    SendMessageW(clock.Hwnd(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(clock.Hwnd()), MAKELPARAM(200, 300));
    ASSERT_EQ(world.menus.size(), 1u);
    const TrackedMenu& menu = world.menus[0];
    EXPECT_EQ(menu.x, 200);
    EXPECT_EQ(menu.y, 300);
    EXPECT_EQ(menu.items.size(), 12u);
    auto states = StatesById(menu);
    EXPECT_TRUE(states[ID_CMD_TOPMOST] & MF_CHECKED);
    EXPECT_TRUE(states[ID_CMD_RESTORE] & MF_GRAYED);
    EXPECT_FALSE(states[ID_CMD_MINIMIZE] & MF_GRAYED);
    EXPECT_FALSE(states[ID_CMD_MOVE] & MF_GRAYED);
    EXPECT_TRUE(states[ID_CMD_UNUSED] & MF_GRAYED);
    EXPECT_EQ(menu.defaultCommand, static_cast<UINT>(ID_CMD_CLOSE));
}

TEST(ClockWindowTest, StartsMinimisedIntoTheNotificationArea) {
    StandInTaskbar taskbar;
    TestWorld world;
    world.taskbar = taskbar.Handle();
    RunningClock clock(With(world, {{L"Minimize", L"1"}, {L"X", L"300"}, {L"Y", L"200"}}));
    ASSERT_TRUE(clock.Alive());
    EXPECT_FALSE(IsWindowVisible(clock.Hwnd()));
    RECT r = WindowRectOf(clock.Hwnd());
    EXPECT_EQ(Sides(r), Sides({750, 570, 750, r.bottom}));  // no width
    EXPECT_EQ(clock.Dialog()->Snapshot().restorePosition.x, 300);
    EXPECT_EQ(clock.Dialog()->Snapshot().restorePosition.y, 200);
    EXPECT_TRUE(world.messageBoxes.empty());
    // The icon added is the minimised one; no second icon change follows for it.
    ASSERT_FALSE(world.notifications.empty());
    HICON minimized = world.notifications[0].icon;
    EXPECT_NE(minimized, nullptr);
    for (size_t i = 1; i < world.notifications.size(); ++i) EXPECT_EQ(world.notifications[i].flags & NIF_ICON, 0u);

    SendMessageW(clock.Hwnd(), WM_CONTEXTMENU, 0, MAKELPARAM(10, 10));
    ASSERT_EQ(world.menus.size(), 1u);
    auto states = StatesById(world.menus[0]);
    EXPECT_TRUE(states[ID_CMD_MINIMIZE] & MF_GRAYED);
    EXPECT_TRUE(states[ID_CMD_MOVE] & MF_GRAYED);
    EXPECT_FALSE(states[ID_CMD_RESTORE] & MF_GRAYED);
    EXPECT_FALSE(states[ID_CMD_TOPMOST] & MF_CHECKED);
    EXPECT_EQ(world.menus[0].defaultCommand, static_cast<UINT>(ID_CMD_RESTORE));

    // Saved while minimised: the position from before, not the hidden one.
    clock.Dialog()->SaveAll();
    EXPECT_EQ(world.ReadProfile(L"X"), L"300");
    EXPECT_EQ(world.ReadProfile(L"Y"), L"200");
    EXPECT_EQ(world.ReadProfile(L"Minimize"), L"1");

    // Another start of the program in this folder brings the clock back; one of another folder does not.
    HWND tray = clock.Tray()->Handle();
    const std::uint64_t key = ProgramFolderKey(world.folder.Path());
    EXPECT_EQ(SendMessageW(tray, ShowClockMessage(), static_cast<WPARAM>(key + 1), 0), 0);
    EXPECT_FALSE(IsWindowVisible(clock.Hwnd()));
    EXPECT_EQ(SendMessageW(tray, ShowClockMessage(), static_cast<WPARAM>(key), 0), kClockShown);
    EXPECT_TRUE(IsWindowVisible(clock.Hwnd()));
    EXPECT_EQ(WindowRectOf(clock.Hwnd()).left, 300);
    EXPECT_EQ(clock.Dialog()->Snapshot().settings.Minimize, 0);
}

// A log-off saves what a close saves, at once and quietly: no exit sound, no box even
// for a save that fails.
TEST(ClockWindowTest, ALogOffSavesEverythingQuietly) {
    TestWorld world;
    world.folder.WriteData(L"exit.wav", MakeWave(3000));
    world.folder.WriteData(L"Sound.ini", "[Boot]\r\n[Exit]\r\ndat\\exit.wav\r\n");
    RunningClock clock(world);
    SetWindowPos(clock.Hwnd(), nullptr, 123, 45, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    AlarmList alarms;
    alarms.Append({L"a", L"NULL", L"", L"毎日", L"NULL", L"毎時", L"1"});
    clock.Dialog()->SetAlarms(alarms);
    CreateDirectoryW((world.folder.DataPath(L"Message.ini") + L".saving").c_str(), nullptr);
    EXPECT_EQ(SendMessageW(clock.Hwnd(), WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF), TRUE);
    SendMessageW(clock.Hwnd(), WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
    EXPECT_EQ(world.ReadProfile(L"X"), L"123");
    EXPECT_EQ(world.ReadProfile(L"Y"), L"45");
    EXPECT_TRUE(world.messageBoxes.empty());
    EXPECT_TRUE(OpenMciDevices().empty());
    RemoveDirectoryW((world.folder.DataPath(L"Message.ini") + L".saving").c_str());
}

TEST(ClockWindowTest, StartMinimisedWithoutATaskbarSaysSoAndStaysShown) {
    TestWorld world;
    RunningClock clock(With(world, {{L"Minimize", L"1"}, {L"X", L"300"}, {L"Y", L"200"}}));
    ASSERT_EQ(world.messageBoxes.size(), 1u);
    EXPECT_EQ(world.messageBoxes[0].text, L"タスクバーの取得に失敗しました。");
    EXPECT_EQ(world.messageBoxes[0].caption, L"ぽこみ");
    EXPECT_TRUE(IsWindowVisible(clock.Hwnd()));
    EXPECT_EQ(WindowRectOf(clock.Hwnd()).left, 300);
    EXPECT_EQ(clock.Dialog()->Snapshot().settings.Minimize, 0);
    // The notification icon shows the window as it is: shown, not minimised.
    EXPECT_TRUE(IsIconResource(world.notifications.front().icon, IDI_TRAY_MINIMIZED));
    EXPECT_TRUE(IsIconResource(ShownTrayIcon(world), IDI_TRAY_NORMAL));
}

class TimerFailureTest : public testing::TestWithParam<UINT_PTR> {};

TEST_P(TimerFailureTest, AFailedTimerIsReportedAndTheWindowStays) {
    StandInTaskbar taskbar;
    TestWorld world;
    world.taskbar = taskbar.Handle();
    world.WriteProfile(L"Minimize", L"1");
    UINT_PTR failing = GetParam();
    world.timerFails = [failing](UINT_PTR id) { return id == failing; };
    RunningClock clock(world);
    ASSERT_EQ(world.messageBoxes.size(), 1u);
    EXPECT_EQ(world.messageBoxes[0].text, L"タイマーの設定に失敗しました。");
    EXPECT_EQ(world.messageBoxes[0].caption, L"エラー");
    EXPECT_EQ(world.messageBoxes[0].type, static_cast<UINT>(MB_ICONHAND));
    EXPECT_TRUE(clock.Alive());
    EXPECT_TRUE(IsWindowVisible(clock.Hwnd()));  // the start-minimised step was skipped
}

INSTANTIATE_TEST_SUITE_P(ClockWindowTest, TimerFailureTest,
                         testing::Values(CClockDialog::kSecondTimer, CClockDialog::kReturnHomeTimer));

}  // namespace

namespace {

TEST(ClockWindowTest, AbsurdDrawingValuesAreKeptWhereTheFaceIsStillDrawn) {
    TestWorld world;
    RunningClock clock(
        With(world,
             {{L"Height", L"2147483647"}, {L"FontSize", L"2147483647"}, {L"TitleFace", L"1"}, {L"X", L"2147483647"}}));
    ASSERT_TRUE(clock.Alive());
    EXPECT_EQ(clock.Dialog()->Snapshot().settings.Height, 422);
    EXPECT_EQ(clock.Dialog()->Snapshot().settings.dialFont.height, 1000);
    RECT area = WorkArea();
    EXPECT_EQ(WindowRectOf(clock.Hwnd()).left, (area.right - area.left) / 2 - 183);  // off the screen: the default
    RedrawWindow(clock.Hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    world.time.minute = 31;
    clock.Tick();  // a minute's full redraw
    EXPECT_TRUE(clock.Alive());
}

}  // namespace
