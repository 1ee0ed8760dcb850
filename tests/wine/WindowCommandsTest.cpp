// Window commands: evasion, the return home, always on top, minimise and restore.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "ClockTestSupport.h"
#include "WineTestSupport.h"
#include "app/CClockTrayWnd.h"
#include "app/CTrayIconWnd.h"
#include "clock/CClockDialog.h"
#include "resource.h"

namespace {

struct Step {
    int x, y, width, height;
};

// Records every position and size the window takes while a command runs.
class MoveRecorder {
public:
    explicit MoveRecorder(HWND hwnd) : m_hwnd(hwnd) {
        SetWindowSubclass(hwnd, &MoveRecorder::Proc, 1, reinterpret_cast<DWORD_PTR>(this));
    }
    ~MoveRecorder() { RemoveWindowSubclass(m_hwnd, &MoveRecorder::Proc, 1); }
    std::vector<Step> steps;

private:
    static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR self) {
        if (message == WM_WINDOWPOSCHANGED) {
            auto* pos = reinterpret_cast<WINDOWPOS*>(lParam);
            if (!(pos->flags & SWP_NOMOVE) || !(pos->flags & SWP_NOSIZE))
                reinterpret_cast<MoveRecorder*>(self)->steps.push_back({pos->x, pos->y, pos->cx, pos->cy});
        }
        return DefSubclassProc(hwnd, message, wParam, lParam);
    }
    HWND m_hwnd;
};

void MoveWindowTo(const RunningClock& clock, int x, int y) {
    SetWindowPos(clock.Hwnd(), nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
}

POINT TopLeft(const RunningClock& clock) {
    RECT r = WindowRectOf(clock.Hwnd());
    return {r.left, r.top};
}

void Command(const RunningClock& clock, WORD id) {
    SendMessageW(clock.Hwnd(), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
    clock.Pump();
}

// ---- Always on top --------------------------------------------------------------------------

// (Wine leaves WS_EX_TOPMOST unreported for a window whose owned tooltip is
// already topmost, so the window's state is read from the button and profile.)
TEST(WindowCommandsTest, AlwaysOnTopTogglesTheButtonAndTheProfile) {
    TestWorld world;
    RunningClock clock(world);
    Command(clock, ID_CMD_TOPMOST);
    EXPECT_EQ(world.ReadProfile(L"TopMost"), L"1");
    EXPECT_EQ(clock.Dialog()->Snapshot().settings.TopMost, 1);
    EXPECT_EQ(clock.Dialog()->Snapshot().topMostIcon, static_cast<UINT>(IDI_TOPMOST_ON));
    EXPECT_TRUE(clock.Dialog()->Snapshot().topMostChecked);
    Command(clock, ID_CMD_TOPMOST);
    EXPECT_FALSE(GetWindowLongW(clock.Hwnd(), GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_EQ(world.ReadProfile(L"TopMost"), L"0");
    EXPECT_EQ(clock.Dialog()->Snapshot().settings.TopMost, 0);
    EXPECT_EQ(clock.Dialog()->Snapshot().topMostIcon, static_cast<UINT>(IDI_TOPMOST_OFF));
    EXPECT_FALSE(clock.Dialog()->Snapshot().topMostChecked);
}

TEST(WindowCommandsTest, StartingTopmostChecksTheButton) {
    TestWorld world;
    world.WriteProfile(L"TopMost", L"1");
    RunningClock clock(world);
    EXPECT_EQ(clock.Dialog()->Snapshot().topMostIcon, static_cast<UINT>(IDI_TOPMOST_ON));
    EXPECT_TRUE(clock.Dialog()->Snapshot().topMostChecked);
}

// ---- Minimise and restore ------------------------------------------------------------------

TEST(WindowCommandsTest, MinimiseGlidesIntoTheTaskbarCorner) {
    StandInTaskbar taskbar;
    TestWorld world;
    world.taskbar = taskbar.Handle();
    RunningClock clock(world);
    MoveWindowTo(clock, 300, 200);
    size_t notificationsBefore = world.notifications.size();
    {
        MoveRecorder recorder(clock.Hwnd());
        Command(clock, ID_CMD_MINIMIZE);
        ASSERT_EQ(recorder.steps.size(), 21u);  // the shrink in place, then 20 glide steps
        const Step& shrink = recorder.steps[0];
        EXPECT_EQ(shrink.width, 165);
        EXPECT_EQ(shrink.height, 18);
        const Step& first = recorder.steps[1];
        EXPECT_EQ(first.x, 322);
        EXPECT_EQ(first.y, 220);
        EXPECT_EQ(first.width, 165);
        const Step& last = recorder.steps.back();
        EXPECT_EQ(last.x, 750);
        EXPECT_EQ(last.y, 600);
        EXPECT_EQ(last.width, 32);
        EXPECT_EQ(last.height, 18);
    }
    EXPECT_FALSE(IsWindowVisible(clock.Hwnd()));
    EXPECT_EQ(clock.Dialog()->Snapshot().settings.Minimize, 1);
    EXPECT_EQ(world.ReadProfile(L"Minimize"), L"1");
    ASSERT_GT(world.notifications.size(), notificationsBefore);
    EXPECT_TRUE(world.notifications.back().flags & NIF_ICON);

    MoveRecorder recorder(clock.Hwnd());
    Command(clock, ID_CMD_RESTORE);
    ASSERT_EQ(recorder.steps.size(), 20u);
    EXPECT_EQ(recorder.steps.front().x, 728);
    EXPECT_EQ(recorder.steps.front().y, 580);
    EXPECT_EQ(recorder.steps.front().width, 0);
    EXPECT_EQ(recorder.steps.back().x, 300);
    EXPECT_EQ(recorder.steps.back().y, 200);
    EXPECT_EQ(recorder.steps.back().width, 165);
    EXPECT_EQ(recorder.steps.back().height, 422);
    EXPECT_TRUE(IsWindowVisible(clock.Hwnd()));
    EXPECT_EQ(clock.Dialog()->Snapshot().settings.Minimize, 0);
    EXPECT_EQ(world.ReadProfile(L"Minimize"), L"0");
}

TEST(WindowCommandsTest, TheNotificationIconTogglesAndShowsTheState) {
    StandInTaskbar taskbar;
    TestWorld world;
    world.taskbar = taskbar.Handle();
    RunningClock clock(world);
    HWND tray = clock.Tray()->Handle();
    HICON normal = world.notifications.at(0).icon;
    auto press = [&] {
        SendMessageW(tray, CTrayIconWnd::kCallbackMessage, CTrayIconWnd::kIconId, WM_LBUTTONDOWN);
        clock.Pump();
    };
    press();
    EXPECT_FALSE(IsWindowVisible(clock.Hwnd()));
    HICON minimized = world.notifications.back().icon;
    EXPECT_NE(minimized, nullptr);
    EXPECT_NE(minimized, normal);
    press();
    EXPECT_TRUE(IsWindowVisible(clock.Hwnd()));
    EXPECT_EQ(world.notifications.back().icon, normal);

    // While a modal dialog of the clock has it disabled, the icon does nothing.
    EnableWindow(clock.Hwnd(), FALSE);
    press();
    EXPECT_TRUE(IsWindowVisible(clock.Hwnd()));
    EnableWindow(clock.Hwnd(), TRUE);
}

TEST(WindowCommandsTest, MinimiseWithoutATaskbarSaysSoAndChangesNothing) {
    TestWorld world;
    RunningClock clock(world);
    MoveWindowTo(clock, 300, 200);
    Command(clock, ID_CMD_MINIMIZE);
    ASSERT_EQ(world.messageBoxes.size(), 1u);
    EXPECT_EQ(world.messageBoxes[0].text, L"タスクバーの取得に失敗しました。");
    EXPECT_TRUE(IsWindowVisible(clock.Hwnd()));
    EXPECT_EQ(TopLeft(clock).x, 300);
    EXPECT_EQ(clock.Dialog()->Snapshot().settings.Minimize, 0);
    EXPECT_EQ(world.ReadProfile(L"Minimize"), L"");  // the profile keeps the state the window is in
}

TEST(WindowCommandsTest, RestoreWithoutATaskbarStillBringsTheWindowBack) {
    StandInTaskbar taskbar;
    TestWorld world;
    world.taskbar = taskbar.Handle();
    RunningClock clock(world);
    MoveWindowTo(clock, 250, 150);
    Command(clock, ID_CMD_MINIMIZE);
    world.taskbar = nullptr;
    Command(clock, ID_CMD_RESTORE);
    EXPECT_EQ(world.messageBoxes.size(), 1u);
    EXPECT_TRUE(IsWindowVisible(clock.Hwnd()));
    RECT r = WindowRectOf(clock.Hwnd());
    EXPECT_EQ(r.left, 250);
    EXPECT_EQ(r.top, 150);
    EXPECT_EQ(r.right - r.left, 165);
    EXPECT_EQ(r.bottom - r.top, 422);
    EXPECT_EQ(clock.Dialog()->Snapshot().settings.Minimize, 0);
}

// ---- Evasion --------------------------------------------------------------------------------

void MouseMove(const RunningClock& clock, int x, int y, WPARAM keys = 0) {
    ::MouseMove(clock.Hwnd(), x, y, keys);
    clock.Pump();
}

TEST(WindowCommandsTest, EvasionFromTheMiddleNeedsThePointerInTheNarrowBand) {
    TestWorld world;
    world.WriteProfile(L"Escape", L"1");
    RunningClock clock(world);
    RECT area = WorkArea();
    MoveWindowTo(clock, 300, 150);
    MouseMove(clock, 15, 200);
    EXPECT_EQ(TopLeft(clock).x, 300);
    MouseMove(clock, 80, 200);
    EXPECT_EQ(TopLeft(clock).x, 300);
    MouseMove(clock, 5, 200);
    EXPECT_EQ(TopLeft(clock).x, area.right - 165);
    EXPECT_EQ(TopLeft(clock).y, 150);
}

TEST(WindowCommandsTest, ShiftAloneHoldsTheWindowShiftWithCtrlDoesNot) {
    TestWorld world;
    world.WriteProfile(L"Escape", L"1");
    RunningClock clock(world);
    RECT area = WorkArea();
    MoveWindowTo(clock, 300, 150);
    MouseMove(clock, 5, 200, MK_SHIFT);
    MouseMove(clock, 5, 200, MK_CONTROL);
    EXPECT_EQ(TopLeft(clock).x, 300);
    MouseMove(clock, 5, 200, MK_SHIFT | MK_CONTROL);
    EXPECT_EQ(TopLeft(clock).x, area.right - 165);
}

TEST(WindowCommandsTest, NoEvasionWhenItIsOff) {
    TestWorld world;
    RunningClock clock(world);
    MoveWindowTo(clock, 300, 150);
    MouseMove(clock, 5, 5);
    EXPECT_EQ(TopLeft(clock).x, 300);
    EXPECT_EQ(TopLeft(clock).y, 150);
}

struct EvasionCase {
    const char* name;
    int x, y;              // window top-left; -1 means at the far work-area edge
    int px, py;            // pointer, client pixels
    int expectX, expectY;  // -1: at the far edge; -2: unchanged
};

class WindowCommandsEvasionTest : public testing::TestWithParam<EvasionCase> {};

TEST_P(WindowCommandsEvasionTest, GlidesToTheExpectedEdge) {
    TestWorld world;
    world.WriteProfile(L"Escape", L"1");
    RunningClock clock(world);
    RECT area = WorkArea();
    const EvasionCase& c = GetParam();
    int farX = area.right - 165, farY = area.bottom - 422;
    int x = c.x == -1 ? farX : c.x, y = c.y == -1 ? farY : c.y;
    MoveWindowTo(clock, x, y);
    MouseMove(clock, c.px, c.py);
    int expectX = c.expectX == -1 ? farX : c.expectX == -2 ? x : c.expectX;
    int expectY = c.expectY == -1 ? farY : c.expectY == -2 ? y : c.expectY;
    EXPECT_EQ(TopLeft(clock).x, expectX);
    EXPECT_EQ(TopLeft(clock).y, expectY);
}

INSTANTIATE_TEST_SUITE_P(WindowCommandsTest, WindowCommandsEvasionTest,
                         testing::Values(EvasionCase{"TopLeftFromTop", 0, 0, 80, 5, -2, -1},
                                         EvasionCase{"TopLeftFromRight", 0, 0, 150, 200, -2, -1},
                                         EvasionCase{"TopLeftFromLeft", 0, 0, 5, 200, -1, -2},
                                         EvasionCase{"TopRightFromTop", -1, 0, 80, 5, -2, -1},
                                         EvasionCase{"BottomLeftFromBottom", 0, -1, 80, 410, -2, 0},
                                         EvasionCase{"BottomRightFromRight", -1, -1, 150, 200, 0, -2},
                                         EvasionCase{"TopEdgeAnyPointer", 300, 0, 80, 200, -1, -2},
                                         EvasionCase{"LeftEdgeAnyPointer", 0, 100, 80, 200, -2, -1},
                                         EvasionCase{"FreeFromBottom", 300, 150, 80, 410, -2, 0},
                                         EvasionCase{"FreeFromRight", 300, 150, 150, 200, 0, -2},
                                         EvasionCase{"FreeFromTop", 300, 150, 80, 5, -2, -1}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(WindowCommandsTest, AWindowHalfOutsideIsPulledIntoTheWorkArea) {
    TestWorld world;
    world.WriteProfile(L"Escape", L"1");
    RunningClock clock(world);
    RECT area = WorkArea();
    MoveWindowTo(clock, area.right - 100, 150);
    MouseMove(clock, 80, 200);  // a pointer in the middle: only the pull
    EXPECT_EQ(TopLeft(clock).x, area.right - 165);
}

// ---- The return home ------------------------------------------------------------------------

void QuietTicks(const RunningClock& clock, int count) {
    for (int i = 0; i < count; ++i) clock.Tick(CClockDialog::kReturnHomeTimer);
}

TEST(WindowCommandsTest, ReturnsToTheCentreAfterTenQuietTicks) {
    TestWorld world;
    world.WriteProfile(L"Home", L"1");
    RunningClock clock(world);
    RECT area = WorkArea();
    MoveWindowTo(clock, 10, 20);
    QuietTicks(clock, 9);
    EXPECT_EQ(TopLeft(clock).x, 10);
    MoveRecorder recorder(clock.Hwnd());
    QuietTicks(clock, 1);
    EXPECT_EQ(recorder.steps.size(), 29u);  // 30 moves, the first of them to where it stands
    EXPECT_EQ(TopLeft(clock).x, area.left + (area.right - area.left) / 2 - 82);
    EXPECT_EQ(TopLeft(clock).y, area.top + (area.bottom - area.top) / 2 - 211);
    EXPECT_EQ(clock.Dialog()->Snapshot().returnHomeCount, 0);
}

// Home mode 2 with the home point (111, 77).
void HomeAtThePoint(TestWorld& world) {
    world.WriteProfile(L"Home", L"2");
    world.WriteProfile(L"HomeX", L"111");
    world.WriteProfile(L"HomeY", L"77");
}

TEST(WindowCommandsTest, ReturnsToTheHomePointAndStaysThere) {
    TestWorld world;
    HomeAtThePoint(world);
    RunningClock clock(world);
    MoveWindowTo(clock, 400, 300);
    QuietTicks(clock, 10);
    EXPECT_EQ(TopLeft(clock).x, 111);
    EXPECT_EQ(TopLeft(clock).y, 77);
    MoveRecorder recorder(clock.Hwnd());
    QuietTicks(clock, 15);  // already home: no more moves
    EXPECT_TRUE(recorder.steps.empty());
}

TEST(WindowCommandsTest, NoReturnWhileTheButtonIsHeldOrTheWindowIsDisabled) {
    TestWorld world;
    world.WriteProfile(L"Home", L"1");
    RunningClock clock(world);
    MoveWindowTo(clock, 10, 20);
    world.leftButton = true;
    QuietTicks(clock, 20);
    EXPECT_EQ(TopLeft(clock).x, 10);
    EXPECT_EQ(clock.Dialog()->Snapshot().returnHomeCount, 0);
    world.leftButton = false;
    EnableWindow(clock.Hwnd(), FALSE);
    QuietTicks(clock, 20);
    EXPECT_EQ(TopLeft(clock).x, 10);
    EnableWindow(clock.Hwnd(), TRUE);
    QuietTicks(clock, 9);
    MoveWindowTo(clock, 12, 20);  // a move starts the wait again
    QuietTicks(clock, 9);
    EXPECT_EQ(TopLeft(clock).x, 12);
    QuietTicks(clock, 1);
    EXPECT_NE(TopLeft(clock).x, 12);
}

// Whether the 300 ms timer is set, asked by taking it off.
bool TakeOffReturnHomeTimer(const RunningClock& clock) {
    return KillTimer(clock.Hwnd(), CClockDialog::kReturnHomeTimer) != FALSE;
}

TEST(WindowCommandsTest, TheQuietCountRestsPastTheReturnUntilAMove) {
    TestWorld world;
    HomeAtThePoint(world);
    RunningClock clock(world);
    MoveWindowTo(clock, 400, 300);
    QuietTicks(clock, 10);  // gone home, which starts the count again
    QuietTicks(clock, 10);  // at home: nothing left to count
    EXPECT_FALSE(TakeOffReturnHomeTimer(clock));
    MoveWindowTo(clock, 200, 100);
    EXPECT_TRUE(TakeOffReturnHomeTimer(clock));
}

TEST(WindowCommandsTest, NoReturnWithoutAHomeOrWhileMinimised) {
    TestWorld world;
    RunningClock clock(world);
    MoveWindowTo(clock, 10, 20);
    QuietTicks(clock, 12);
    EXPECT_EQ(TopLeft(clock).x, 10);
    EXPECT_EQ(clock.Dialog()->Snapshot().returnHomeCount, 12);  // keeps rising without further attempts
}

}  // namespace

namespace {

TEST(WindowCommandsTest, TheAboutBoxDisablesTheClockAndShowsTheDialogIcon) {
    TestWorld world;
    world.folder.WriteData(L"../manual.html", "<html></html>");
    RunningClock clock(world);
    bool disabled = false;
    HICON shown = nullptr;
    ModalScript script({[&] {
        disabled = !IsWindowEnabled(clock.Hwnd());
        shown = ShownTrayIcon(world);
        HWND about = GetLastActivePopup(clock.Hwnd());
        PostMessageW(about, WM_COMMAND, IDOK, 0);
    }});
    SendMessageW(clock.Hwnd(), WM_COMMAND, ID_CMD_ABOUT, 0);
    EXPECT_EQ(script.StepsRun(), 1u);
    EXPECT_TRUE(disabled);
    EXPECT_TRUE(IsIconResource(shown, IDI_TRAY_DIALOG));
    EXPECT_TRUE(IsWindowEnabled(clock.Hwnd()));
    EXPECT_TRUE(IsIconResource(ShownTrayIcon(world), IDI_TRAY_NORMAL));
    // F1 opens the manual beside the program.
    SendMessageW(clock.Hwnd(), WM_HELP, 0, 0);
    ASSERT_EQ(world.openedAddresses.size(), 1u);
    EXPECT_EQ(world.openedAddresses[0], world.folder.Path() + L"manual.html");
}

// ---- Several monitors, laid out by the test (Xvfb shows one) ---------------------------------

const MonitorArea kPrimary{{0, 0, 1024, 768}, {0, 0, 1024, 738}, true};
const MonitorArea kRight{{1024, 0, 2304, 1024}, {1024, 0, 2304, 984}};
const POINT kPrimaryDefault{1024 / 2 - 183, 738 / 2 - 211};

bool IsAt(const RunningClock& clock, POINT p) { return TopLeft(clock).x == p.x && TopLeft(clock).y == p.y; }

bool Inside(const RECT& r, const Rect& area) {
    return r.left >= area.left && r.top >= area.top && r.right <= area.right && r.bottom <= area.bottom;
}

// Opens a modal window of the clock by a command, notes where it stands, and closes it.
RECT ModalRect(
    const RunningClock& clock, WORD command, std::function<void(HWND)> before = [](HWND) {}) {
    RECT rect{};
    ModalScript script({[&] {
        HWND modal = GetLastActivePopup(clock.Hwnd());
        rect = WindowRectOf(modal);
        before(modal);
        PostMessageW(modal, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(modal, IDOK)));
    }});
    SendMessageW(clock.Hwnd(), WM_COMMAND, command, 0);
    return rect;
}

TEST(WindowCommandsTest, OnASecondMonitorTheClockAndItsBoxesKeepToIt) {
    TestWorld world;
    world.monitors = MonitorLayout{kPrimary, kRight};
    world.WriteProfile(L"X", L"1500");
    world.WriteProfile(L"Y", L"300");
    world.WriteProfile(L"Home", L"1");
    RunningClock clock(world);
    EXPECT_TRUE(IsAt(clock, {1500, 300}));
    MoveWindowTo(clock, 1100, 20);
    QuietTicks(clock, 10);
    EXPECT_TRUE(IsAt(clock, {1024 + 640 - 82, 492 - 211}));  // the centre of its own monitor
    EXPECT_TRUE(Inside(ModalRect(clock, ID_CMD_ABOUT), kRight.workArea));
    RECT options = ModalRect(clock, ID_CMD_OPTIONS, [](HWND sheet) {
        PropSheet_SetCurSelByID(sheet, IDD_OPTION_PLACE);
        HWND page = PropSheet_GetCurrentPageHwnd(sheet);
        SendMessageW(page, WM_COMMAND, MAKEWPARAM(IDC_PLACE_CENTRE, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(page, IDC_PLACE_CENTRE)));
    });
    EXPECT_TRUE(Inside(options, kRight.workArea));
    EXPECT_EQ(world.ReadProfile(L"HomeX"), L"640");  // half its work area, as on one monitor
    EXPECT_EQ(world.ReadProfile(L"HomeY"), L"492");

    world.monitors = MonitorLayout{kPrimary};  // the second monitor is unplugged
    SendMessageW(clock.Hwnd(), WM_DISPLAYCHANGE, 32, MAKELPARAM(1024, 768));
    EXPECT_TRUE(IsAt(clock, kPrimaryDefault));
}

TEST(WindowCommandsTest, PositionsOffEveryMonitorGiveWayToThePrimaryDefault) {
    StandInTaskbar taskbar;
    TestWorld world;
    world.taskbar = taskbar.Handle();
    world.monitors = MonitorLayout{kPrimary};
    world.WriteProfile(L"X", L"5000");
    world.WriteProfile(L"Y", L"5000");
    world.WriteProfile(L"Minimize", L"1");
    world.WriteProfile(L"Home", L"2");
    world.WriteProfile(L"HomeX", L"2000000000");
    RunningClock clock(world);
    Command(clock, ID_CMD_RESTORE);
    EXPECT_TRUE(IsAt(clock, kPrimaryDefault));
    MoveWindowTo(clock, -100, 20);  // half off the screen: stays where the user put it
    SendMessageW(clock.Hwnd(), WM_DISPLAYCHANGE, 32, MAKELPARAM(1024, 768));
    EXPECT_TRUE(IsAt(clock, {-100, 20}));
    QuietTicks(clock, 10);  // a home point on no monitor
    EXPECT_TRUE(IsAt(clock, kPrimaryDefault));
}

}  // namespace
