// Window commands: evasion, the return home, always on top, minimise and restore.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <functional>
#include <utility>
#include <vector>

#include "ClockShorthands.h"
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

using Pos = std::pair<LONG, LONG>;
Pos Where(const RunningClock& clock) { return {TopLeft(clock).x, TopLeft(clock).y}; }
Pos At(const Step& step) { return {step.x, step.y}; }

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
    for (bool on : {true, false}) {
        Command(clock, ID_CMD_TOPMOST);
        if (!on) EXPECT_FALSE(GetWindowLongW(clock.Hwnd(), GWL_EXSTYLE) & WS_EX_TOPMOST);
        EXPECT_EQ(world.ReadProfile(L"TopMost"), on ? L"1" : L"0");
        EXPECT_EQ(Shot(clock).settings.TopMost, on ? 1 : 0);
        EXPECT_EQ(Shot(clock).topMostIcon, static_cast<UINT>(on ? IDI_TOPMOST_ON : IDI_TOPMOST_OFF));
        EXPECT_EQ(Shot(clock).topMostChecked, on);
    }
}

TEST(WindowCommandsTest, StartingTopmostChecksTheButton) {
    TestWorld world;
    RunningClock clock(With(world, {{L"TopMost", L"1"}}));
    EXPECT_EQ(Shot(clock).topMostIcon, static_cast<UINT>(IDI_TOPMOST_ON));
    EXPECT_TRUE(Shot(clock).topMostChecked);
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
        EXPECT_EQ(Pos(recorder.steps[0].width, recorder.steps[0].height), Pos(165, 18));
        EXPECT_EQ(At(recorder.steps[1]), Pos(322, 220));
        EXPECT_EQ(recorder.steps[1].width, 165);
        EXPECT_EQ(At(recorder.steps.back()), Pos(750, 600));
        EXPECT_EQ(Pos(recorder.steps.back().width, recorder.steps.back().height), Pos(32, 18));
    }
    EXPECT_FALSE(IsWindowVisible(clock.Hwnd()));
    EXPECT_EQ(Shot(clock).settings.Minimize, 1);
    EXPECT_EQ(world.ReadProfile(L"Minimize"), L"1");
    ASSERT_GT(world.notifications.size(), notificationsBefore);
    EXPECT_TRUE(world.notifications.back().flags & NIF_ICON);

    MoveRecorder recorder(clock.Hwnd());
    Command(clock, ID_CMD_RESTORE);
    ASSERT_EQ(recorder.steps.size(), 20u);
    EXPECT_EQ(At(recorder.steps.front()), Pos(728, 580));
    EXPECT_EQ(recorder.steps.front().width, 0);
    EXPECT_EQ(At(recorder.steps.back()), Pos(300, 200));
    EXPECT_EQ(Pos(recorder.steps.back().width, recorder.steps.back().height), Pos(165, 422));
    EXPECT_TRUE(IsWindowVisible(clock.Hwnd()));
    EXPECT_EQ(Shot(clock).settings.Minimize, 0);
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
    EXPECT_EQ(Shot(clock).settings.Minimize, 0);
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
    EXPECT_EQ(Pos(r.left, r.top), Pos(250, 150));
    EXPECT_EQ(Pos(r.right - r.left, r.bottom - r.top), Pos(165, 422));
    EXPECT_EQ(Shot(clock).settings.Minimize, 0);
}

// ---- Evasion --------------------------------------------------------------------------------

void MouseMove(const RunningClock& clock, int x, int y, WPARAM keys = 0) {
    ::MouseMove(clock.Hwnd(), x, y, keys);
    clock.Pump();
}

TEST(WindowCommandsTest, EvasionFromTheMiddleNeedsThePointerInTheNarrowBand) {
    TestWorld world;
    RunningClock clock(With(world, {{L"Escape", L"1"}}));
    RECT area = WorkArea();
    MoveWindowTo(clock, 300, 150);
    for (int x : {15, 80}) {
        MouseMove(clock, x, 200);
        EXPECT_EQ(TopLeft(clock).x, 300) << x;
    }
    MouseMove(clock, 5, 200);
    EXPECT_EQ(Where(clock), Pos(area.right - 165, 150));
}

TEST(WindowCommandsTest, ShiftAloneHoldsTheWindowShiftWithCtrlDoesNot) {
    TestWorld world;
    RunningClock clock(With(world, {{L"Escape", L"1"}}));
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
    EXPECT_EQ(Where(clock), Pos(300, 150));
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
    RunningClock clock(With(world, {{L"Escape", L"1"}}));
    RECT area = WorkArea();
    const EvasionCase& c = GetParam();
    int farX = area.right - 165, farY = area.bottom - 422;
    int x = c.x == -1 ? farX : c.x, y = c.y == -1 ? farY : c.y;
    MoveWindowTo(clock, x, y);
    MouseMove(clock, c.px, c.py);
    int expectX = c.expectX == -1 ? farX : c.expectX == -2 ? x : c.expectX;
    int expectY = c.expectY == -1 ? farY : c.expectY == -2 ? y : c.expectY;
    EXPECT_EQ(Where(clock), Pos(expectX, expectY));
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
    RunningClock clock(With(world, {{L"Escape", L"1"}}));
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
    RunningClock clock(With(world, {{L"Home", L"1"}}));
    RECT area = WorkArea();
    MoveWindowTo(clock, 10, 20);
    QuietTicks(clock, 9);
    EXPECT_EQ(TopLeft(clock).x, 10);
    MoveRecorder recorder(clock.Hwnd());
    QuietTicks(clock, 1);
    EXPECT_EQ(recorder.steps.size(), 29u);  // 30 moves, the first of them to where it stands
    EXPECT_EQ(Where(clock),
              Pos(area.left + (area.right - area.left) / 2 - 82, area.top + (area.bottom - area.top) / 2 - 211));
    EXPECT_EQ(Shot(clock).returnHomeCount, 0);
}

// Home mode 2 with the home point (111, 77).
TestWorld& HomeAtThePoint(TestWorld& world) {
    return With(world, {{L"Home", L"2"}, {L"HomeX", L"111"}, {L"HomeY", L"77"}});
}

TEST(WindowCommandsTest, ReturnsToTheHomePointAndStaysThere) {
    TestWorld world;
    RunningClock clock(HomeAtThePoint(world));
    MoveWindowTo(clock, 400, 300);
    QuietTicks(clock, 10);
    EXPECT_EQ(Where(clock), Pos(111, 77));
    MoveRecorder recorder(clock.Hwnd());
    QuietTicks(clock, 15);  // already home: no more moves
    EXPECT_TRUE(recorder.steps.empty());
}

TEST(WindowCommandsTest, NoReturnWhileTheButtonIsHeldOrTheWindowIsDisabled) {
    TestWorld world;
    RunningClock clock(With(world, {{L"Home", L"1"}}));
    MoveWindowTo(clock, 10, 20);
    world.leftButton = true;
    QuietTicks(clock, 20);
    EXPECT_EQ(TopLeft(clock).x, 10);
    EXPECT_EQ(Shot(clock).returnHomeCount, 0);
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
    RunningClock clock(HomeAtThePoint(world));
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
    EXPECT_EQ(Shot(clock).returnHomeCount, 12);  // keeps rising without further attempts
}

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
const Pos kPrimaryDefault{1024 / 2 - 183, 738 / 2 - 211};

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
    RunningClock clock(With(world, {{L"X", L"1500"}, {L"Y", L"300"}, {L"Home", L"1"}}));
    EXPECT_EQ(Where(clock), Pos(1500, 300));
    MoveWindowTo(clock, 1100, 20);
    QuietTicks(clock, 10);
    EXPECT_EQ(Where(clock), Pos(1024 + 640 - 82, 492 - 211));  // the centre of its own monitor
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
    EXPECT_EQ(Where(clock), kPrimaryDefault);
}

TEST(WindowCommandsTest, PositionsOffEveryMonitorGiveWayToThePrimaryDefault) {
    StandInTaskbar taskbar;
    TestWorld world;
    world.taskbar = taskbar.Handle();
    world.monitors = MonitorLayout{kPrimary};
    RunningClock clock(With(
        world, {{L"X", L"5000"}, {L"Y", L"5000"}, {L"Minimize", L"1"}, {L"Home", L"2"}, {L"HomeX", L"2000000000"}}));
    Command(clock, ID_CMD_RESTORE);
    EXPECT_EQ(Where(clock), kPrimaryDefault);
    MoveWindowTo(clock, -100, 20);  // half off the screen: stays where the user put it
    SendMessageW(clock.Hwnd(), WM_DISPLAYCHANGE, 32, MAKELPARAM(1024, 768));
    EXPECT_EQ(Where(clock), Pos(-100, 20));
    QuietTicks(clock, 10);  // a home point on no monitor
    EXPECT_EQ(Where(clock), kPrimaryDefault);
}

}  // namespace
