// The timer tick driven by a settable clock: minutes, hours, pictures, texts.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "ClockShorthands.h"
#include "ClockTestSupport.h"
#include "WineTestSupport.h"
#include "app/CClockTrayWnd.h"
#include "clock/CClockDialog.h"
#include "resource.h"
#include "ui/Text.h"

namespace {

void Advance(TestWorld& world, int minutes) {
    int total = world.time.hour * 60 + world.time.minute + minutes;
    SetTime(world, (total / 60) % 24, total % 60);
}

void WriteIllustrations(TestWorld& world, const char* flags) {
    world.folder.WriteData(L"Illust.ini", "a\r\nb\r\nc\r\nd\r\n");
    world.folder.WriteData(L"Show.ini", flags);
}

// One tick at each second from `from` up to `to`, the latter left out.
void TickSeconds(TestWorld& world, const RunningClock& clock, int from, int to) {
    for (int second = from; second < to; ++second) {
        world.time.second = second;
        clock.Tick();
    }
}

// As the tooltip control holds it.
std::wstring TooltipText(const RunningClock& clock) { return Shot(clock).tooltipText; }

TEST(ClockTickTest, TicksWithinTheStartMinuteChangeNothingButTheSeconds) {
    TestWorld world;
    WriteIllustrations(world, "1\r\n1\r\n1\r\n1\r\n");
    RunningClock clock(world);
    int picture = Shot(clock).illustrationIndex;
    TickSeconds(world, clock, 16, 60);
    EXPECT_EQ(Shot(clock).illustrationIndex, picture);
    EXPECT_EQ(Shot(clock).pictureChangeCount, 0);
    EXPECT_EQ(Shot(clock).lastDrawn.second, 59);
    EXPECT_EQ(Shot(clock).lastDrawn.minute, 30);
}

TEST(ClockTickTest, PictureChangesOnEveryFifthMinute) {
    TestWorld world;
    WriteIllustrations(world, "1\r\n1\r\n1\r\n1\r\n");
    RunningClock clock(With(world, {{L"UpdateElapse", L"5"}}));
    int picture = Shot(clock).illustrationIndex;
    for (int minute = 1; minute <= 15; ++minute) {
        Advance(world, 1);
        clock.Tick();
        clock.Tick(CClockDialog::kReturnHomeTimer);  // a second tick in the same minute counts nothing
        int now = Shot(clock).illustrationIndex;
        EXPECT_EQ(now != picture, minute % 5 == 0) << minute;  // changed on the fifth, the count restarted
        EXPECT_EQ(Shot(clock).pictureChangeCount, minute % 5) << minute;
        picture = now;
    }
}

TEST(ClockTickTest, OneShownPictureIsNeverLeftOrChanged) {
    TestWorld world;
    WriteIllustrations(world, "0\r\n0\r\n1\r\n0\r\n");
    RunningClock clock(world);
    EXPECT_EQ(Shot(clock).illustrationIndex, 2);
    for (int minute = 0; minute < 6; ++minute) {
        Advance(world, 1);
        clock.Tick();
        EXPECT_EQ(Shot(clock).illustrationIndex, 2);
    }
}

TEST(ClockTickTest, WithoutTimedChangesTheCountNeverAdvances) {
    TestWorld world;
    WriteIllustrations(world, "1\r\n1\r\n1\r\n1\r\n");
    RunningClock clock(With(world, {{L"UpdateIllust", L"0"}}));
    int picture = Shot(clock).illustrationIndex;
    for (int minute = 0; minute < 4; ++minute) {
        Advance(world, 1);
        clock.Tick();
    }
    EXPECT_EQ(Shot(clock).pictureChangeCount, 0);
    EXPECT_EQ(Shot(clock).illustrationIndex, picture);
}

TEST(ClockTickTest, MinutesSpentMinimisedAreNotCounted) {
    TestWorld world;
    WriteIllustrations(world, "1\r\n1\r\n1\r\n1\r\n");
    With(world, {{L"Minimize", L"1"}, {L"UpdateElapse", L"2"}});
    StandInTaskbar taskbar;
    world.taskbar = taskbar.Handle();
    RunningClock clock(world);
    int picture = Shot(clock).illustrationIndex;
    for (int minute = 0; minute < 7; ++minute) {
        Advance(world, 1);
        world.time.second = minute;
        clock.Tick();
    }
    EXPECT_EQ(Shot(clock).pictureChangeCount, 0);
    EXPECT_EQ(Shot(clock).illustrationIndex, picture);
    EXPECT_EQ(Shot(clock).lastDrawn.minute, 37);  // the time is still followed
    EXPECT_EQ(Shot(clock).lastDrawn.second, 6);
}

TEST(ClockTickTest, LabelAndTooltipFollowTheSeconds) {
    TestWorld world;
    world.folder.WriteData(L"Illust.ini", Cp932(L"夏の海\r\n"));
    world.WriteProfile(L"CaptionClock", L"1");
    SetTime(world, 14, 5, 8);
    RunningClock clock(world);
    world.time.second = 9;
    clock.Tick();
    EXPECT_EQ(Text(clock.Hwnd(), IDC_CLOCK_LABEL), L"午後 02:05:09");
    EXPECT_EQ(TooltipText(clock), L"午後 02:05:09 - 夏の海");
}

TEST(ClockTickTest, WithoutTheSecondHandTheTextsShowMinutesOnly) {
    TestWorld world;
    With(world, {{L"SecondHand", L"0"}, {L"CaptionClock", L"1"}});
    SetTime(world, 0, 7);
    RunningClock clock(world);
    world.time.second = 16;
    clock.Tick();
    EXPECT_EQ(Text(clock.Hwnd(), IDC_CLOCK_LABEL), L"午前 12:07");
    EXPECT_EQ(Shot(clock).lastDrawn.second, 15);  // not advanced without the hand
}

TEST(ClockTickTest, ANewHourRebuildsTheDueList) {
    TestWorld world;
    world.folder.WriteData(L"Message.ini", Cp932(L"昼\r\nNULL\r\n[\r\n]\r\n毎日\r\nNULL\r\n指定の時刻\r\n11:0\r\n"));
    SetTime(world, 10, 59);
    RunningClock clock(world);
    EXPECT_TRUE(Shot(clock).dueList.IsEmpty());
    SetTime(world, 11, 0, 0);
    clock.Tick();
    ASSERT_EQ(Shot(clock).dueList.Count(), 1u);
    EXPECT_EQ(Shot(clock).dueList.At(0).Subject, L"昼");
    world.time.hour = 12;
    clock.Tick();
    EXPECT_TRUE(Shot(clock).dueList.IsEmpty());
}

// This thread's visible message windows as (title, caption) pairs, in no particular order.
std::vector<std::pair<std::wstring, std::wstring>> ShownMessageWindows() {
    std::vector<std::pair<std::wstring, std::wstring>> found;
    for (HWND hwnd : MessageWindows())
        if (IsWindowVisible(hwnd)) found.push_back({Text(hwnd, IDC_MESSAGE_TITLE), Text(hwnd, IDC_MESSAGE_CAPTION)});
    return found;
}

void CloseMessageWindows() {
    for (HWND hwnd : MessageWindows()) PostMessageW(hwnd, WM_COMMAND, IDOK, 0);
}

TEST(ClockTickTest, AlarmsOfTheStartMinuteWaitForTheirNextTurn) {
    TestWorld world;
    // Two entries at 10:30 (the start minute) and two hourly ones at minute 31.
    world.folder.WriteData(L"Message.ini", Cp932(L"今\r\nNULL\r\n[\r\nx\r\n]\r\n毎日\r\nNULL\r\n指定の時刻\r\n10:30\r\n"
                                                 L"毎時A\r\nNULL\r\n[\r\ny\r\n]\r\n毎日\r\nNULL\r\n毎時\r\n31\r\n"
                                                 L"毎時B\r\nNULL\r\n[\r\nz\r\n]\r\n毎週\r\n1\r\n毎時\r\n31\r\n"));
    RunningClock clock(world);
    TickSeconds(world, clock, 16, 20);
    EXPECT_TRUE(ShownMessageWindows().empty());

    SetTime(world, 10, 31, 0);
    clock.Tick();
    clock.Tick(CClockDialog::kReturnHomeTimer);
    auto windows = ShownMessageWindows();
    ASSERT_EQ(windows.size(), 1u);  // both entries of the minute share one window, in list order
    EXPECT_EQ(windows[0].first, L"毎時A");
    EXPECT_EQ(windows[0].second, L"メッセージ (1/2)");

    // An open window does not hold back the next hour's firing.
    SetTime(world, 11, 30);
    clock.Tick();
    EXPECT_EQ(ShownMessageWindows().size(), 1u);
    world.time.minute = 31;
    clock.Tick();
    EXPECT_EQ(ShownMessageWindows().size(), 2u);
    CloseMessageWindows();
    clock.Pump();
    EXPECT_TRUE(ShownMessageWindows().empty());
}

TEST(ClockTickTest, AlarmsAtMinuteZeroOfANewHourOpenInThatMinute) {
    TestWorld world;
    world.folder.WriteData(L"Message.ini",
                           Cp932(L"毎時\r\nNULL\r\n[\r\nx\r\n]\r\n毎日\r\nNULL\r\n毎時\r\n0\r\n"
                                 L"十一時\r\nNULL\r\n[\r\ny\r\n]\r\n毎日\r\nNULL\r\n指定の時刻\r\n11:0\r\n"));
    SetTime(world, 10, 59, 59);
    RunningClock clock(world);
    SetTime(world, 11, 0, 0);
    clock.Tick();
    ASSERT_EQ(ShownMessageWindows().size(), 1u);
    EXPECT_EQ(ShownMessageWindows()[0], (std::pair<std::wstring, std::wstring>{L"毎時", L"メッセージ (1/2)"}));
    // Owned by the invisible main window, it has no taskbar button; and it stays on top.
    HWND window = MessageWindows()[0];
    EXPECT_EQ(GetWindow(window, GW_OWNER), clock.Tray()->Handle());
    EXPECT_NE(GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
    CloseMessageWindows();
    clock.Pump();
}

TEST(ClockTickTest, MinutesTheTickDidNotSeeOpenTheirAlarmsLateOnceButNotAfterTheTimeWasSet) {
    TestWorld world;
    world.folder.WriteData(L"Message.ini",
                           *ui::NarrowExact(L"朝\r\nNULL\r\n[\r\nx\r\n]\r\n毎日\r\nNULL\r\n指定の時刻\r\n10:32\r\n"
                                            L"毎時\r\nNULL\r\n[\r\ny\r\n]\r\n毎日\r\nNULL\r\n毎時\r\n33\r\n",
                                            932));
    RunningClock clock(world);  // 10:30
    SetTime(world, 12, 40);     // the machine slept until 12:40
    SendMessageW(clock.Hwnd(), WM_POWERBROADCAST, PBT_APMRESUMEAUTOMATIC, 0);
    clock.Pump();
    ASSERT_EQ(ShownMessageWindows().size(), 1u);
    EXPECT_EQ(ShownMessageWindows()[0],
              (std::pair<std::wstring, std::wstring>{L"朝", L"メッセージ (1/2)  10:32 の予定"}));
    HWND late = MessageWindows()[0];
    SendMessageW(late, WM_COMMAND, IDC_MESSAGE_NEXT, 0);  // the hourly one, missed three times: once, its latest
    EXPECT_EQ(ui::WindowText(GetDlgItem(late, IDC_MESSAGE_CAPTION)), L"メッセージ (2/2)  12:33 の予定");
    world.time.minute = 41;
    clock.Tick();
    EXPECT_EQ(ShownMessageWindows().size(), 1u);
    CloseMessageWindows();
    clock.Pump();

    SetTime(world, 15, 0);  // the user set the clock forward: nothing is made up for
    SendMessageW(clock.Hwnd(), WM_TIMECHANGE, 0, 0);
    world.time.second = 1;
    clock.Tick();
    EXPECT_TRUE(MessageWindows().empty());
}

// A data folder whose only sound is the hourly chime.
void WriteChime(TestWorld& world) {
    world.folder.WriteData(L"chime.wav", MakeWave(30000));  // long: still playing when checked
    world.folder.WriteData(L"Sound.ini",
                           "[Boot]\r\n[Exit]\r\n[Time]\r\ndat\\chime.wav\r\n[Away]\r\n[Alarm]\r\n"
                           "[Return]\r\n[Minimize]\r\n[Restore]\r\n[Update]\r\n");
}

class ClockTickChimeTest : public testing::TestWithParam<int> {};

TEST_P(ClockTickChimeTest, ChimesOnTheFullHour) {
    TestWorld world;
    WriteChime(world);
    int hour = GetParam();
    SetTime(world, (hour + 23) % 24, 59, 58);
    RunningClock clock(world);
    world.time.second = 59;
    clock.Tick();
    EXPECT_FALSE(clock.Dialog()->SoundPlaying());
    SetTime(world, hour, 0, 0);
    clock.Tick();
    EXPECT_TRUE(clock.Dialog()->SoundPlaying());
    clock.Dialog()->StopEventSound();
    clock.Tick(CClockDialog::kReturnHomeTimer);  // the same hour again: no second chime
    EXPECT_FALSE(clock.Dialog()->SoundPlaying());
}

INSTANTIATE_TEST_SUITE_P(ClockTickTest, ClockTickChimeTest, testing::Values(0, 12, 7, 23));

TEST(ClockTickTest, NoChimeInTheStartMinuteNorOffTheHour) {
    TestWorld world;
    WriteChime(world);
    SetTime(world, 9, 0, 10);
    RunningClock clock(world);
    world.time.second = 11;
    clock.Tick();
    EXPECT_FALSE(clock.Dialog()->SoundPlaying());
    SetTime(world, 10, 1);  // a new hour seen only at minute 1 (the machine slept)
    clock.Tick();
    EXPECT_FALSE(clock.Dialog()->SoundPlaying());
}

TEST(ClockTickTest, ChimesAlsoWhileMinimised) {
    TestWorld world;
    WriteChime(world);
    world.WriteProfile(L"Minimize", L"1");
    StandInTaskbar taskbar;
    world.taskbar = taskbar.Handle();
    SetTime(world, 11, 59);
    RunningClock clock(world);
    ASSERT_FALSE(IsWindowVisible(clock.Hwnd()));
    SetTime(world, 12, 0, 0);
    clock.Tick();
    EXPECT_TRUE(clock.Dialog()->SoundPlaying());
    clock.Dialog()->StopEventSound();
}

// The period the second timer was last given.
UINT SecondTimerPeriod(const TestWorld& world) {
    for (auto timer = world.timers.rbegin(); timer != world.timers.rend(); ++timer)
        if (timer->first == CClockDialog::kSecondTimer) return timer->second;
    return 0;
}

TEST(ClockTickTest, TheTickComesJustAfterTheMinuteWhileMinimisedAndTheSecondWhileShown) {
    TestWorld world;
    world.WriteProfile(L"Minimize", L"1");
    StandInTaskbar taskbar;
    world.taskbar = taskbar.Handle();
    RunningClock clock(world);
    EXPECT_EQ(SecondTimerPeriod(world), 1000u);
    world.time.second = 16;
    clock.Tick();
    EXPECT_EQ(SecondTimerPeriod(world), 60000u - 16000u + 20u);  // 20 ms into the next minute
    SetTime(world, 10, 31, 0);
    world.time.millisecond = 20;
    clock.Tick();
    EXPECT_EQ(SecondTimerPeriod(world), 60000u);
    world.time.millisecond = 500;
    clock.Dialog()->ToggleMinimized();  // shown again: 20 ms into the next second
    EXPECT_EQ(SecondTimerPeriod(world), 520u);
}

TEST(ClockTickTest, ADayOfTicksRunsInSeconds) {
    TestWorld world;
    WriteIllustrations(world, "1\r\n1\r\n0\r\n1\r\n");
    world.WriteProfile(L"UpdateElapse", L"7");
    SetTime(world, 0, 0);
    RunningClock clock(world);
    int changes = 0;
    int picture = Shot(clock).illustrationIndex;
    for (int minute = 1; minute <= 24 * 60; ++minute) {
        Advance(world, 1);
        clock.Tick();
        if (Shot(clock).illustrationIndex != picture) ++changes;
        picture = Shot(clock).illustrationIndex;
        EXPECT_NE(picture, 2);
    }
    EXPECT_EQ(changes, 24 * 60 / 7);
    EXPECT_TRUE(clock.Alive());
}

}  // namespace
