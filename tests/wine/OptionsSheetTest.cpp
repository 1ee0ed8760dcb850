// The options sheet on a running clock: the hand-off both ways, Apply and Cancel,
// the placement and illustration pages, read back from the clock and its files.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "ClockTestSupport.h"
#include "WineTestSupport.h"
#include "clock/CClockDialog.h"
#include "controls/CCheckListBox.h"
#include "resource.h"
#include "ui/PropertySheet.h"
#include "ui/Registry.h"

namespace {

class OptionsSheetTest : public testing::Test {
protected:
    void SetUp() override {
        world.folder.WriteData(L"Illust.ini", "a\r\nb\r\nc\r\n");
        world.folder.WriteData(L"Show.ini", "1\r\n1\r\n1\r\n");
        world.WriteProfile(L"X", L"300");
        world.WriteProfile(L"Y", L"40");
    }
    size_t Run(std::vector<std::function<void()>> steps) {
        if (!clock) clock = std::make_unique<RunningClock>(world);
        return RunOptions(*clock, sheet, std::move(steps));
    }
    HWND Page() const { return CurrentPage(sheet); }
    // The user's click on a line of the picture list, or on the line's check box.
    void ClickLine(int line, bool onCheckBox) const {
        HWND list = GetDlgItem(Page(), IDC_ILLUST_LIST);
        SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(line), 0);
        WORD code = onCheckBox ? CCheckListBox::kCheckChanged : LBN_SELCHANGE;
        if (onCheckBox)
            SendMessageW(list, WM_CHAR, L' ', 0);
        else
            SendMessageW(Page(), WM_COMMAND, MAKEWPARAM(IDC_ILLUST_LIST, code), reinterpret_cast<LPARAM>(list));
    }
    bool Checked(int line) const {
        return SendDlgItemMessageW(Page(), IDC_ILLUST_LIST, LB_GETITEMDATA, static_cast<WPARAM>(line), 0) == 1;
    }

    TestWorld world;
    std::unique_ptr<RunningClock> clock;
    HWND sheet = nullptr;
};

TEST_F(OptionsSheetTest, OkHandsEverythingBackWhileTheClockWaitsBehindTheSheet) {
    world.WriteProfile(L"TopMost", L"1");
    const size_t steps = Run({
        [&] {
            EXPECT_FALSE(IsWindowEnabled(clock->Hwnd()));
            EXPECT_TRUE(IsIconResource(ShownTrayIcon(world), IDI_TRAY_DIALOG));
            EXPECT_NE(GetWindowLongPtrW(sheet, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
            // OK, Cancel and Apply in the rightmost places, no Help, no gap.
            EXPECT_FALSE(Shown(sheet, IDHELP));
            const RECT ok = RectIn(sheet, GetDlgItem(sheet, IDOK));
            const RECT cancel = RectIn(sheet, GetDlgItem(sheet, IDCANCEL));
            const RECT apply = RectIn(sheet, GetDlgItem(sheet, ui::kApplyButton));
            EXPECT_EQ(cancel.left - ok.right, apply.left - cancel.right);
            EXPECT_EQ(RectIn(sheet, GetDlgItem(sheet, IDHELP)).left, apply.left);
            EXPECT_FALSE(Enabled(sheet, ui::kApplyButton));
            ShowPage(sheet, IDD_OPTION_PLACE);
        },
        [&] {
            const std::pair<int, const wchar_t*> buttons[] = {
                {IDC_PLACE_CENTRE, L"画面の中央"},
                {IDC_PLACE_DEFAULT, L"ホーム位置はありません。"},
                {IDC_PLACE_CURRENT, L"[300, 40]"},  // the window's top-left
            };
            for (auto [button, text] : buttons) {
                Click(Page(), button);
                EXPECT_EQ(Text(Page(), IDC_PLACE_POSITION), text);
            }
            EXPECT_TRUE(Enabled(sheet, ui::kApplyButton));
            ShowPage(sheet, IDD_OPTION_ILLUST);
        },
        [&] {
            ClickLine(1, true);  // uncheck b
            SendDlgItemMessageW(Page(), IDC_ILLUST_INTERVAL_SPIN, UDM_SETPOS32, 0, 1000);
            EXPECT_EQ(Text(Page(), IDC_ILLUST_INTERVAL), L"1000");  // no thousands separator to refuse
            Click(sheet, IDOK);
        },
    });
    EXPECT_EQ(steps, 3u);
    EXPECT_TRUE(IsWindowEnabled(clock->Hwnd()));
    EXPECT_TRUE(IsIconResource(ShownTrayIcon(world), IDI_TRAY_NORMAL));
    EXPECT_EQ(world.ReadProfile(L"Home"), L"2");
    EXPECT_EQ(world.ReadProfile(L"HomeX"), L"300");
    EXPECT_EQ(world.ReadProfile(L"HomeY"), L"40");
    EXPECT_EQ(world.ReadProfile(L"UpdateElapse"), L"1000");
    EXPECT_EQ(world.folder.ReadData(L"Show.ini"), "1\r\n0\r\n1\r\n");
}

// OK's values count before the sheet's window is taken down, which may take its time.
TEST_F(OptionsSheetTest, OkTakesEffectWhileTheSheetEnds) {
    FaceCanvas before;
    FaceCanvas after;
    Run({[&] {
        clock->Dialog()->PaintFace(before.Dc());
        CheckDlgButton(Page(), IDC_CLOCK_PAGE_DIAL, BST_CHECKED);
        Click(Page(), IDC_CLOCK_PAGE_DIAL);
        Click(sheet, IDOK);
        ASSERT_TRUE(IsWindow(sheet));
        EXPECT_EQ(world.ReadProfile(L"TitleFace"), L"1");
        clock->Dialog()->PaintFace(after.Dc());
        EXPECT_FALSE(SameImage(after.Pixels(), before.Pixels()));  // the numerals
    }});
}

TEST_F(OptionsSheetTest, ApplyTransfersAndStaysOpenAndCancelKeepsWhatWasApplied) {
    Run({
        [&] {
            ShowPage(sheet, IDD_OPTION_PLACE);
            CheckDlgButton(Page(), IDC_PLACE_EVASION, BST_CHECKED);  // as a click leaves it
            Click(Page(), IDC_PLACE_EVASION);
            Click(sheet, ui::kApplyButton);
        },
        [&] {
            EXPECT_EQ(world.ReadProfile(L"Escape"), L"1");
            EXPECT_EQ(clock->Dialog()->Snapshot().settings.Escape, 1);
            EXPECT_FALSE(Enabled(sheet, ui::kApplyButton));
            CheckDlgButton(Page(), IDC_PLACE_EVASION, BST_UNCHECKED);
            Click(Page(), IDC_PLACE_EVASION);
            Click(sheet, IDCANCEL);
        },
    });
    EXPECT_EQ(clock->Dialog()->Snapshot().settings.Escape, 1);
    EXPECT_EQ(world.ReadProfile(L"Escape"), L"1");
}

// A refused value keeps the sheet open with Apply on; nothing is handed back or saved.
TEST_F(OptionsSheetTest, ARefusedIntervalChangesNothing) {
    const size_t steps = Run({
        [&] {
            ShowPage(sheet, IDD_OPTION_ILLUST);
            ClickLine(0, false);
            Type(Page(), IDC_ILLUST_INTERVAL, L"0");
            Click(sheet, ui::kApplyButton);
        },
        [&] {
            EXPECT_EQ(world.messageBoxes.back().text, L"1 から 1440 までの整数を入力してください。");
            EXPECT_TRUE(Enabled(sheet, ui::kApplyButton));
            SetDlgItemTextW(Page(), IDC_ILLUST_INTERVAL, L"1,000");  // not a plain number either
            Click(sheet, IDOK);
        },
        [&] {
            EXPECT_EQ(world.messageBoxes.size(), 2u);
            EXPECT_TRUE(IsWindow(sheet));
            Click(sheet, IDCANCEL);
        },
    });
    EXPECT_EQ(steps, 3u);
    EXPECT_EQ(world.ReadProfile(L"UpdateElapse"), L"");
    EXPECT_EQ(clock->Dialog()->Snapshot().settings.UpdateElapse, 1);
}

TEST_F(OptionsSheetTest, TheLastCheckedPictureStaysCheckedAndShowNowActsAtOnce) {
    world.folder.WriteData(L"Show.ini", "1\r\n0\r\n0\r\n");
    Run({
        [&] {
            ShowPage(sheet, IDD_OPTION_ILLUST);
            ClickLine(0, true);  // the only checked one
            ASSERT_FALSE(world.messageBoxes.empty());
            EXPECT_EQ(world.messageBoxes.back().text, L"最低一枚は絵柄の選択が必要です。");
            EXPECT_TRUE(Checked(0));
            // Nothing selected: nothing to show.
            SendDlgItemMessageW(Page(), IDC_ILLUST_LIST, LB_SETCURSEL, static_cast<WPARAM>(-1), 0);
            SendMessageW(Page(), WM_COMMAND, MAKEWPARAM(IDC_ILLUST_LIST, LBN_SELCHANGE), 0);
            EXPECT_FALSE(Enabled(Page(), IDC_ILLUST_SHOW_NOW));
            ClickLine(2, false);  // an unchecked picture may be shown all the same
            Click(Page(), IDC_ILLUST_SHOW_NOW);
            EXPECT_EQ(clock->Dialog()->Snapshot().illustrationIndex, 2);
            Click(sheet, IDCANCEL);
        },
    });
    EXPECT_EQ(clock->Dialog()->Snapshot().illustrationIndex, 2);  // Cancel keeps it
    // OK with it still unchecked gives way to a checked picture.
    Run({[&] { Click(sheet, IDOK); }});
    EXPECT_EQ(clock->Dialog()->Snapshot().illustrationIndex, 0);
}

// With no picture or no other checked one to give way to, OK keeps the picture and saves.
TEST_F(OptionsSheetTest, OkNeverSpinsOnPicturesThatCannotChange) {
    const std::pair<const char*, const char*> folders[] = {{"", ""}, {"a\r\nb\r\n", "0\r\n0\r\n"}};
    for (auto [names, flags] : folders) {
        world.folder.WriteData(L"Illust.ini", names);
        world.folder.WriteData(L"Show.ini", flags);
        clock.reset();
        Run({[&] {
            ShowPage(sheet, IDD_OPTION_PLACE);
            Click(Page(), IDC_PLACE_CENTRE);
            Click(sheet, IDOK);
        }});
        EXPECT_EQ(clock->Dialog()->Snapshot().illustrationIndex, 0);
        EXPECT_EQ(world.ReadProfile(L"Home"), L"1");
        EXPECT_EQ(world.folder.ReadData(L"Show.ini"), flags);
    }
}

TEST_F(OptionsSheetTest, TheCurrentPositionOfAMinimisedClockIsWhereItWillBeRestored) {
    StandInTaskbar taskbar;
    world.taskbar = taskbar.Handle();
    world.WriteProfile(L"Minimize", L"1");
    Run({[&] {
        ShowPage(sheet, IDD_OPTION_PLACE);
        Click(Page(), IDC_PLACE_CURRENT);
        EXPECT_EQ(Text(Page(), IDC_PLACE_POSITION), L"[300, 40]");
        Click(sheet, IDCANCEL);
    }});
    EXPECT_TRUE(IsIconResource(ShownTrayIcon(world), IDI_TRAY_MINIMIZED));
    clock.reset();
}

// The options command while the sheet is open, sent or posted, brings that sheet forward.
TEST_F(OptionsSheetTest, OneSheetAtATime) {
    auto sheets = [&] {
        std::pair<HWND, int> search{clock->Hwnd(), 0};
        EnumThreadWindows(
            GetCurrentThreadId(),
            [](HWND hwnd, LPARAM data) -> BOOL {
                auto& [owner, count] = *reinterpret_cast<std::pair<HWND, int>*>(data);
                count += GetWindow(hwnd, GW_OWNER) == owner && IsWindowVisible(hwnd) ? 1 : 0;
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&search));
        return search.second;
    };
    const size_t steps = Run({
        [&] {
            SendMessageW(clock->Hwnd(), WM_COMMAND, ID_CMD_OPTIONS, 0);  // returns at once
            PostMessageW(clock->Hwnd(), WM_COMMAND, ID_CMD_OPTIONS, 0);
        },
        [&] {
            EXPECT_EQ(sheets(), 1);
            Click(sheet, IDCANCEL);
        },
    });
    EXPECT_EQ(steps, 2u);
    EXPECT_EQ(sheets(), 0);
}

// The choice lives in the Run key (here a key of the test's own, removed at the end): an
// entry of a copy moved away shows unchecked, checking writes this program's entry,
// unchecking removes it, and no other value is touched.
TEST_F(OptionsSheetTest, StartingWithWindowsIsWrittenReadBackAndRemovedInTheRunKey) {
    const std::wstring root = L"Software\\pokomi-test-" + std::to_wstring(GetCurrentProcessId());
    struct Removed {
        std::wstring key;
        ~Removed() {
            RegDeleteTreeW(HKEY_CURRENT_USER, key.c_str());
            RegDeleteKeyW(HKEY_CURRENT_USER, key.c_str());
        }
    } removed{root};
    world.runKey = root + L"\\Run";
    const ui::RegistryKey key{HKEY_CURRENT_USER, world.runKey};
    ASSERT_TRUE(ui::WriteRegistryText(key, L"pokomi", L"\"D:\\moved\\pokomi.exe\""));
    ASSERT_TRUE(ui::WriteRegistryText(key, L"other", L"other.exe"));
    auto toggle = [&](bool expected) {
        ShowPage(sheet, IDD_OPTION_PLACE);
        EXPECT_EQ(IsDlgButtonChecked(Page(), IDC_PLACE_STARTUP) == BST_CHECKED, expected);
        CheckDlgButton(Page(), IDC_PLACE_STARTUP, expected ? BST_UNCHECKED : BST_CHECKED);
        Click(Page(), IDC_PLACE_STARTUP);
        EXPECT_TRUE(Enabled(sheet, ui::kApplyButton));
    };
    Run({[&] {
             toggle(false);
             Click(sheet, ui::kApplyButton);
         },
         [&] {
             EXPECT_EQ(ui::ReadRegistryText(key, L"pokomi"), L"\"" + world.folder.Path() + L"pokomi.exe\"");
             Click(sheet, IDOK);
         }});
    Run({[&] {
        toggle(true);
        Click(sheet, IDOK);
    }});
    EXPECT_EQ(ui::ReadRegistryText(key, L"pokomi"), std::nullopt);
    EXPECT_EQ(ui::ReadRegistryText(key, L"other"), L"other.exe");
}

}  // namespace
