// The alarm page of the options with the add-alarm wizard and the alarm property
// sheet, driven from inside their modal loops; results read back from Message.ini.
#include <windows.h>
#include <commctrl.h>
#include <prsht.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "ClockTestSupport.h"
#include "WineTestSupport.h"
#include "alarms/ScheduleEditor.h"
#include "clock/CClockDialog.h"
#include "resource.h"
#include "ui/PropertySheet.h"
#include "ui/Text.h"

namespace {

// The window that `owner` owns and that was active last, or nullptr.
HWND OwnedWindow(HWND owner) {
    HWND popup = GetLastActivePopup(owner);
    return popup != owner && GetWindow(popup, GW_OWNER) == owner ? popup : nullptr;
}

void Choose(HWND page, int id, int index) {
    SendDlgItemMessageW(page, id, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    SendMessageW(page, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(GetDlgItem(page, id)));
}

int RowCount(HWND list) { return static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0)); }
std::wstring Cell(HWND list, int row, int column) {
    wchar_t text[256] = {};
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = text;
    item.cchTextMax = 256;
    SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    return text;
}
int FindRow(HWND list, int column, const std::wstring& text) {
    for (int row = 0; row < RowCount(list); ++row)
        if (Cell(list, row, column) == text) return row;
    return -1;
}
// A record of subject 予定N, once a day; and the records of 予定N down to 予定1.
std::string Record(int n) {
    return "予定" + std::to_string(n) + "\r\nNULL\r\n[\r\n本文\r\n]\r\n毎日\r\nNULL\r\n指定の時刻\r\n7:0\r\n";
}
std::string Records(int count) {
    std::string text;
    for (int n = count; n > 0; --n) text += Record(n);
    return text;
}
// Every control of the page lies inside the tab's page area.
void ExpectWhole(HWND sheet, HWND page) {
    HWND tab = PropSheet_GetTabControl(sheet);
    RECT area = RectIn(sheet, tab);
    TabCtrl_AdjustRect(tab, FALSE, &area);
    for (HWND child = GetWindow(page, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        const RECT r = RectIn(sheet, child);
        EXPECT_TRUE(r.left >= area.left && r.right <= area.right && r.bottom <= area.bottom) << GetDlgCtrlID(child);
    }
}
void SelectRow(HWND list, int row) {
    LVITEMW item{};
    item.state = item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(list, LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

class AlarmPagesTest : public testing::Test {
protected:
    // The clock starts on Monday 2026-12-07 at 10:30:15 with these records in Message.ini.
    void Start(const std::string& records) {
        m_clock.reset();
        m_world.folder.WriteData(L"Message.ini", kUtf8Mark + records);
        m_clock = std::make_unique<RunningClock>(m_world);
    }
    // Runs the steps inside the options sheet, which opens on the alarm page.
    void RunOptions(std::vector<std::function<void()>> steps) {
        steps.insert(steps.begin(), [this] {
            const ULONGLONG start = GetTickCount64();
            ShowPage(m_sheet, IDD_ALARM_LIST);
            m_pageMilliseconds = GetTickCount64() - start;
            m_page = CurrentPage(m_sheet);
            m_list = GetDlgItem(m_page, IDC_ALARM_LIST);
        });
        const size_t count = steps.size();
        EXPECT_EQ(::RunOptions(*m_clock, m_sheet, std::move(steps)), count);
    }
    std::string File() const { return m_world.folder.ReadData(L"Message.ini"); }

    // The add-alarm wizard over the sheet, found and past its first page.
    void PassWizardWelcome(HWND& wizard) {
        wizard = OwnedWindow(m_sheet);
        ASSERT_NE(wizard, nullptr);
        Click(wizard, ui::kNextButton);
    }
    static void FillWizardTexts(HWND wizard, const wchar_t* subject, const wchar_t* message) {
        Type(CurrentPage(wizard), IDC_ALARM_SUBJECT, subject);
        Type(CurrentPage(wizard), IDC_ALARM_MESSAGE, message);
        Click(wizard, ui::kNextButton);
    }

    TestWorld m_world;
    std::unique_ptr<RunningClock> m_clock;
    HWND m_sheet = nullptr;
    HWND m_page = nullptr;
    HWND m_list = nullptr;
    ULONGLONG m_pageMilliseconds = 0;  // how long the alarm page took to show
};

TEST_F(AlarmPagesTest, TheWizardAppendsItsAlarmToTheFileAndItFiresInTheComingMinute) {
    const std::string morning = "おはよう\r\nNULL\r\n[\r\n起きて\r\n]\r\n毎日\r\nNULL\r\n指定の時刻\r\n7:0\r\n";
    Start(morning);
    m_world.waveFileChoice = L"C:\\音\\歯医者.wav";
    HWND wizard = nullptr;
    HWND page = nullptr;
    RunOptions({
        [&] { Click(m_page, IDC_ALARM_ADD, true); },
        [&] { wizard = OwnedWindow(m_sheet); },  // its first page's buttons are posted
        [&] {
            ASSERT_NE(wizard, nullptr);
            EXPECT_FALSE(IsWindowEnabled(m_sheet));  // the options sheet waits under the wizard
            EXPECT_EQ(ui::WindowText(wizard), L"アラームとメッセージ (1/3)");
            EXPECT_FALSE(Enabled(wizard, ui::kBackButton));
            Click(wizard, ui::kNextButton);
        },
        [&] {
            page = CurrentPage(wizard);
            EXPECT_FALSE(Enabled(wizard, ui::kNextButton));
            EXPECT_FALSE(Enabled(page, IDC_ALARM_MESSAGE));
            Type(page, IDC_ALARM_SUBJECT, L"歯医者");
            EXPECT_TRUE(Enabled(page, IDC_ALARM_MESSAGE));
            Click(page, IDC_WIZARD_BROWSE);
        },
        [&] {
            EXPECT_EQ(Text(page, IDC_ALARM_SOUND), *m_world.waveFileChoice);
            EXPECT_TRUE(Enabled(wizard, ui::kNextButton));
            Type(page, IDC_ALARM_MESSAGE, L"予約の時間です\r\n保険証を忘れずに");
            Click(wizard, ui::kNextButton);
        },
        [&] {
            page = CurrentPage(wizard);
            EXPECT_EQ(ui::WindowText(wizard), L"アラームとメッセージ (3/3)");
            EXPECT_EQ(Text(page, IDC_WIZARD_SCHEDULE_TEXT), L"12月7日10時30分");  // today, now
            Choose(page, IDC_DATE_UNIT, kDateWeekly);
            EXPECT_EQ(Text(page, IDC_WIZARD_SCHEDULE_TEXT), L"毎週月曜日10時30分");
            Choose(page, IDC_DATE_UNIT, kDateDaily);
            Type(page, IDC_TIME_FIRST, L"30");  // beyond the up-down's range: kept as typed
            Type(page, IDC_TIME_SECOND, L"31");
            EXPECT_EQ(Text(page, IDC_WIZARD_SCHEDULE_TEXT), L"毎日30時31分");
            Type(page, IDC_TIME_FIRST, L"10");
            Click(wizard, ui::kFinishButton);
        },
        [&] {
            EXPECT_FALSE(IsWindow(wizard));
            EXPECT_EQ(RowCount(m_list), 2);
            const int added = FindRow(m_list, 0, L"歯医者");
            EXPECT_EQ(SendMessageW(m_list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED), added);
            EXPECT_EQ(Cell(m_list, added, 1), L"毎日10時31分");
            EXPECT_TRUE(Enabled(m_sheet, ui::kApplyButton));
            Click(m_sheet, IDOK);
        },
    });
    EXPECT_EQ(File(), kUtf8Mark + morning +
                          "歯医者\r\nC:\\音\\歯医者.wav\r\n[\r\n予約の時間です\r\n保険証を忘れずに\r\n]\r\n"
                          "毎日\r\nNULL\r\n指定の時刻\r\n10:31\r\n");

    m_world.time.minute = 31;
    m_world.time.second = 0;
    m_clock->Tick();
    HWND message = FindMessageWindow(L"歯医者");
    ASSERT_NE(message, nullptr);
    Click(message, IDOK);
    EXPECT_FALSE(IsWindow(message));
}

TEST_F(AlarmPagesTest, ThePropertySheetRewritesTheScheduleOnlyWhenItsTabWasOpened) {
    const std::string meeting = "会議\r\nNULL\r\n[\r\n資料\r\n]\r\n毎年\r\n012/24日\r\n指定の時刻\r\n 7:05\r\n";
    const std::pair<bool, std::string> cases[] = {
        {false, "定例会議\r\nNULL\r\n[\r\n資料\r\n]\r\n毎年\r\n012/24日\r\n指定の時刻\r\n 7:05\r\n"},
        {true, "定例会議\r\nNULL\r\n[\r\n資料\r\n]\r\n毎年\r\n12/24\r\n指定の時刻\r\n7:5\r\n"},
    };
    for (const auto& [openSchedule, edited] : cases) {
        SCOPED_TRACE(openSchedule);
        Start(meeting);
        HWND sheet = nullptr;
        RunOptions({
            [&] {
                SelectRow(m_list, 0);
                Click(m_page, IDC_ALARM_PROPERTIES, true);
            },
            [&] {
                sheet = OwnedWindow(m_sheet);
                ASSERT_NE(sheet, nullptr);
                EXPECT_EQ(ui::WindowText(sheet), L"会議");
                HWND page = CurrentPage(sheet);
                EXPECT_EQ(Text(page, IDC_ALARM_SOUND), L"");
                Type(page, IDC_ALARM_SUBJECT, L"定例会議");
                EXPECT_EQ(ui::WindowText(sheet), L"定例会議");
                Type(page, IDC_ALARM_MESSAGE, L"");
                EXPECT_FALSE(Enabled(sheet, IDOK));
                Type(page, IDC_ALARM_MESSAGE, L"資料");
                EXPECT_TRUE(Enabled(sheet, IDOK));
                if (openSchedule) SendMessageW(sheet, PSM_SETCURSELID, 0, IDD_SETTING_SCHEDULE);
            },
            [&] {
                if (openSchedule) {
                    EXPECT_EQ(Text(CurrentPage(sheet), IDC_SETTING_SCHEDULE_TEXT), L"12月24日7時5分");
                }
                Click(sheet, IDOK);
            },
            [&] {
                EXPECT_FALSE(IsWindow(sheet));
                EXPECT_EQ(Cell(m_list, 0, 0), L"定例会議");
                Click(m_sheet, IDOK);
            },
        });
        EXPECT_EQ(File(), kUtf8Mark + edited);
    }
}

TEST_F(AlarmPagesTest, TestAndDeleteActOnTheSelectedRowsOwnRecordAndCancelKeepsTheFile) {
    const std::string monday = "朝\r\nNULL\r\n[\r\n起きて\r\n]\r\n毎週\r\n1\r\n指定の時刻\r\n7:30\r\n";
    const std::string tuesday = "朝\r\nNULL\r\n[\r\n起きて\r\n]\r\n毎週\r\n2\r\n指定の時刻\r\n7:30\r\n";
    Start(monday + tuesday);
    m_world.messageBoxAnswers = {IDNO, IDYES};
    RunOptions({[&] { Click(m_page, IDC_ALARM_PROPERTIES, true); },  // no row selected
                [&] {
                    EXPECT_EQ(OwnedWindow(m_sheet), nullptr);
                    EXPECT_TRUE(m_world.messageBoxes.empty());
                    EXPECT_FALSE(Enabled(m_page, IDC_ALARM_DELETE));
                    SelectRow(m_list, FindRow(m_list, 6, L"2"));
                    EXPECT_TRUE(Enabled(m_page, IDC_ALARM_DELETE));
                    Click(m_page, IDC_ALARM_TEST);
                    const std::vector<HWND> windows = FindMessageWindows(L"朝");
                    ASSERT_EQ(windows.size(), 1u);
                    EXPECT_EQ(Text(windows[0], IDC_MESSAGE_TEXT), L"起きて");
                    Click(windows[0], IDOK);
                    Click(m_page, IDC_ALARM_DELETE);
                    EXPECT_EQ(RowCount(m_list), 2);
                    Click(m_page, IDC_ALARM_DELETE);
                    ASSERT_EQ(m_world.messageBoxes.size(), 2u);
                    EXPECT_EQ(m_world.messageBoxes[1].text, L"'朝' を削除しますか?");
                    EXPECT_EQ(m_world.messageBoxes[1].owner, m_sheet);
                    ASSERT_EQ(RowCount(m_list), 1);
                    EXPECT_EQ(Cell(m_list, 0, 6), L"1");
                    EXPECT_FALSE(Enabled(m_page, IDC_ALARM_DELETE));
                    Click(m_sheet, IDOK);
                }});
    EXPECT_EQ(File(), kUtf8Mark + monday);

    m_world.messageBoxAnswers = {IDYES};
    RunOptions({[&] {
        SelectRow(m_list, 0);
        Click(m_page, IDC_ALARM_DELETE);
        EXPECT_EQ(RowCount(m_list), 0);
        Click(m_sheet, IDCANCEL);
    }});
    EXPECT_EQ(File(), kUtf8Mark + monday);
    EXPECT_EQ(ImageList_GetImageCount(static_cast<OptionsHost*>(m_clock->Dialog())->AlarmImages()),
              4);  // lent, not destroyed with the page
}

TEST_F(AlarmPagesTest, WizardAndPropertySheetButtonsCloseUpAtTheRightEdge) {
    Start("散歩\r\nNULL\r\n[\r\n外へ\r\n]\r\n毎日\r\nNULL\r\n毎時\r\n0\r\n");
    RunOptions({
        [&] { Click(m_page, IDC_ALARM_ADD, true); },
        [&] {
            HWND wizard = OwnedWindow(m_sheet);
            ASSERT_NE(wizard, nullptr);
            RECT client{};
            GetClientRect(wizard, &client);
            const RECT back = ChildRectInParent(wizard, ui::kBackButton);
            const RECT next = ChildRectInParent(wizard, ui::kNextButton);
            const RECT finish = ChildRectInParent(wizard, ui::kFinishButton);
            const RECT cancel = ChildRectInParent(wizard, IDCANCEL);
            const RECT page = RectIn(wizard, CurrentPage(wizard));
            EXPECT_FALSE(Shown(wizard, IDHELP));
            EXPECT_EQ(back.right, next.left);
            EXPECT_EQ(finish.left, next.left);
            EXPECT_LT(next.right, cancel.left);
            EXPECT_EQ(client.right - cancel.right, page.left - client.left);
            EXPECT_TRUE(back.top == next.top && next.top == cancel.top);
            Click(wizard, IDCANCEL);
        },
        [&] {
            EXPECT_FALSE(Enabled(m_sheet, ui::kApplyButton));  // a cancelled wizard changes nothing
            SelectRow(m_list, 0);
            Click(m_page, IDC_ALARM_PROPERTIES, true);
        },
        [&] {
            HWND sheet = OwnedWindow(m_sheet);
            ASSERT_NE(sheet, nullptr);
            RECT client{};
            GetClientRect(sheet, &client);
            const RECT ok = ChildRectInParent(sheet, IDOK);
            const RECT cancel = ChildRectInParent(sheet, IDCANCEL);
            const RECT tab = RectIn(sheet, PropSheet_GetTabControl(sheet));
            const RECT page = RectIn(sheet, CurrentPage(sheet));
            EXPECT_FALSE(Shown(sheet, IDHELP) || Shown(sheet, ui::kApplyButton));
            EXPECT_LT(ok.right, cancel.left);
            EXPECT_EQ(ok.top, cancel.top);
            EXPECT_EQ(cancel.right, tab.right);
            EXPECT_EQ(client.right - tab.right, tab.left - client.left);
            EXPECT_TRUE(page.left > tab.left && page.right < tab.right);
            ExpectWhole(sheet, CurrentPage(sheet));
            SendMessageW(sheet, PSM_SETCURSELID, 0, IDD_SETTING_SCHEDULE);
            ExpectWhole(sheet, CurrentPage(sheet));
            Click(sheet, IDCANCEL);
        },
        [&] { Click(m_sheet, IDCANCEL); },
    });
}

// Held by another program at start, Message.ini gives the page no list to edit, so no
// edit can replace the alarms it holds; once free, the options read it again.
TEST_F(AlarmPagesTest, AFileThatCouldNotBeReadOffersNoEditUntilItCanBeRead) {
    const std::string morning = "おはよう\r\nNULL\r\n[\r\n起きて\r\n]\r\n毎日\r\nNULL\r\n指定の時刻\r\n7:0\r\n";
    const std::wstring path = m_world.folder.DataPath(L"Message.ini");
    m_world.folder.WriteData(L"Message.ini", kUtf8Mark + morning);
    HeldFile held(path, 0);
    m_clock = std::make_unique<RunningClock>(m_world);
    RunOptions({[&] {
        for (int id : {IDC_ALARM_LIST, IDC_ALARM_ADD, IDC_ALARM_DELETE, IDC_ALARM_PROPERTIES, IDC_ALARM_TEST})
            EXPECT_FALSE(Shown(m_page, id)) << id;
        bool told = false;
        for (HWND child = nullptr; (child = FindWindowExW(m_page, child, L"Static", nullptr)) != nullptr;)
            told = told || (IsWindowVisible(child) && ui::WindowText(child).find(path) != std::wstring::npos);
        EXPECT_TRUE(told);
        Click(m_sheet, IDOK);
    }});
    held.Release();
    EXPECT_EQ(File(), kUtf8Mark + morning);

    HWND wizard = nullptr;
    RunOptions({
        [&] {
            EXPECT_EQ(RowCount(m_list), 1);
            Click(m_page, IDC_ALARM_ADD, true);
        },
        [&] { PassWizardWelcome(wizard); },
        [&] { FillWizardTexts(wizard, L"歯医者", L"予約"); },
        [&] { Click(wizard, ui::kFinishButton); },
        [&] { Click(m_sheet, IDOK); },
    });
    EXPECT_EQ(File(),
              kUtf8Mark + morning + "歯医者\r\nNULL\r\n[\r\n予約\r\n]\r\n毎年\r\n12/7\r\n指定の時刻\r\n10:30\r\n");
}

// A list of any length shows at once (a guard against work that grows with its square),
// sorted by subject, and its columns fit it: no horizontal scroll bar.
TEST_F(AlarmPagesTest, TenThousandAlarmsShowAtOnceInColumnsThatFitTheList) {
    Start(Records(10000));
    RunOptions({[&] {
        EXPECT_LT(m_pageMilliseconds, 1000u);
        ASSERT_EQ(RowCount(m_list), 10000);
        EXPECT_EQ(Cell(m_list, 0, 0), L"予定1");
        EXPECT_EQ(Cell(m_list, 1, 0), L"予定10");
        EXPECT_EQ(Cell(m_list, 9999, 1), L"毎日7時0分");
        const LONG_PTR style = GetWindowLongPtrW(m_list, GWL_STYLE);
        EXPECT_TRUE((style & WS_VSCROLL) && !(style & WS_HSCROLL));
        Click(m_sheet, IDCANCEL);
    }});
}

// As list views do everywhere: a double click and Enter open the row, Delete deletes it.
TEST_F(AlarmPagesTest, DoubleClickAndEnterOpenTheRowAndDeleteDeletesIt) {
    Start(Records(3));
    m_world.messageBoxAnswers = {IDYES};
    HWND sheet = nullptr;
    auto opened = [&](const wchar_t* subject) {
        sheet = OwnedWindow(m_sheet);
        ASSERT_NE(sheet, nullptr);
        EXPECT_EQ(ui::WindowText(sheet), subject);
        Click(sheet, IDCANCEL);
    };
    RunOptions({
        [&] {
            RECT row{};
            row.left = LVIR_BOUNDS;
            SendMessageW(m_list, LVM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&row));
            PostMessageW(m_list, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(row.left + 4, row.top + 2));
            PostMessageW(m_list, WM_LBUTTONUP, 0, MAKELPARAM(row.left + 4, row.top + 2));
            PostMessageW(m_list, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(row.left + 4, row.top + 2));
        },
        [&] { opened(L"予定2"); },
        [&] {
            SetFocus(m_list);
            PostMessageW(m_list, WM_KEYDOWN, VK_RETURN, 0);
        },
        [&] { opened(L"予定2"); },
        [&] { PostMessageW(m_list, WM_KEYDOWN, VK_DELETE, 0); },
        [&] {
            ASSERT_FALSE(m_world.messageBoxes.empty());
            EXPECT_EQ(m_world.messageBoxes.back().text, L"'予定2' を削除しますか?");
            EXPECT_EQ(RowCount(m_list), 2);
            Click(m_sheet, IDOK);
        },
    });
    EXPECT_EQ(File(), kUtf8Mark + Record(3) + Record(1));
}

// Numbers beyond the arrows' range are kept; a box that holds no number is refused.
TEST_F(AlarmPagesTest, AScheduleBoxThatHoldsNoNumberIsRefused) {
    Start("会議\r\nNULL\r\n[\r\n資料\r\n]\r\n毎日\r\nNULL\r\n指定の時刻\r\n7:5\r\n");
    const std::wstring refusal = L"0 から 2147483647 までの整数を入力してください。";
    HWND sheet = nullptr;
    HWND wizard = nullptr;
    RunOptions({
        [&] {
            SelectRow(m_list, 0);
            Click(m_page, IDC_ALARM_PROPERTIES, true);
        },
        [&] {
            sheet = OwnedWindow(m_sheet);
            ASSERT_NE(sheet, nullptr);
            SendMessageW(sheet, PSM_SETCURSELID, 0, IDD_SETTING_SCHEDULE);
        },
        [&] {
            HWND page = CurrentPage(sheet);
            for (const std::wstring& text : {std::wstring(), std::wstring(L"x9y"), std::wstring(10000, L'9')}) {
                m_world.messageBoxes.clear();
                SetDlgItemTextW(page, IDC_TIME_FIRST, text.c_str());  // as a paste leaves it
                Click(sheet, IDOK);
                ASSERT_EQ(m_world.messageBoxes.size(), 1u);
                EXPECT_EQ(m_world.messageBoxes[0].text, refusal);
                EXPECT_EQ(GetFocus(), GetDlgItem(page, IDC_TIME_FIRST));
            }
            Type(page, IDC_TIME_FIRST, L"30");
            Click(sheet, IDOK);
        },
        [&] {
            EXPECT_FALSE(IsWindow(sheet));
            Click(m_page, IDC_ALARM_ADD, true);
        },
        [&] { PassWizardWelcome(wizard); },
        [&] { FillWizardTexts(wizard, L"歯医者", L"予約"); },
        [&] {
            m_world.messageBoxes.clear();
            Type(CurrentPage(wizard), IDC_DATE_SECOND, L"");
            Click(wizard, ui::kFinishButton);
            ASSERT_EQ(m_world.messageBoxes.size(), 1u);
            EXPECT_EQ(m_world.messageBoxes[0].text, refusal);
            Click(wizard, IDCANCEL);
        },
        [&] { Click(m_sheet, IDOK); },
    });
    EXPECT_EQ(File(),
              std::string(kUtf8Mark) + "会議\r\nNULL\r\n[\r\n資料\r\n]\r\n毎日\r\nNULL\r\n指定の時刻\r\n30:5\r\n");
}

}  // namespace
