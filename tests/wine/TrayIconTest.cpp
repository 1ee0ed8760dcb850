// The notification-area icon window: the icon calls and the click mapping.
#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "app/CTrayIconWnd.h"
#include "ui/Dialog.h"

namespace {

struct Recorded {
    DWORD message;
    NOTIFYICONDATAW data;
};

class CountingTrayWnd : public CTrayIconWnd {
public:
    explicit CountingTrayWnd(std::vector<Recorded>& calls)
        : CTrayIconWnd([&calls](DWORD message, NOTIFYICONDATAW* data) {
              calls.push_back({message, *data});
              return TRUE;
          }) {}

    int leftUps = 0;
    int rightUps = 0;
    int doubleClicks = 0;

protected:
    void OnTrayLButtonUp() override { ++leftUps; }
    void OnTrayRButtonUp() override { ++rightUps; }
    void OnTrayLButtonDblClk() override { ++doubleClicks; }
    void OnFinalDestroyed() override {}  // owned by the test
};

class TrayIconTest : public testing::Test {
protected:
    void SetUp() override {
        CTrayIconWnd::ForgetLastIcon();
        ASSERT_TRUE(tray.CreateTrayWnd());
    }
    void TearDown() override {
        DestroyWindow(tray.Handle());
        CTrayIconWnd::ForgetLastIcon();
    }
    void Mouse(UINT mouseMessage, WPARAM iconId = CTrayIconWnd::kIconId) {
        SendMessageW(tray.Handle(), CTrayIconWnd::kCallbackMessage, iconId, mouseMessage);
        ui::PumpMessages();
    }

    std::vector<Recorded> calls;
    CountingTrayWnd tray{calls};
};

TEST_F(TrayIconTest, TheWindowIsAnInvisibleToolWindowNamedAfterTheProgram) {
    HWND hwnd = tray.Handle();
    EXPECT_FALSE(IsWindowVisible(hwnd));
    EXPECT_TRUE(GetWindowLongW(hwnd, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
    wchar_t title[16] = {};
    GetWindowTextW(hwnd, title, 16);
    EXPECT_STREQ(title, L"ぽこみ");
}

TEST_F(TrayIconTest, TheSameIconIsSentOnlyOnce) {
    HICON icon = LoadIconW(nullptr, IDI_APPLICATION);
    HICON other = LoadIconW(nullptr, IDI_INFORMATION);
    tray.NotifyIcon(NIM_ADD, icon, L"ぽこみ");
    tray.NotifyIcon(NIM_MODIFY, icon, L"ぽこみ");
    tray.NotifyIcon(NIM_MODIFY, other, nullptr);
    tray.NotifyIcon(NIM_DELETE, nullptr, nullptr);
    ASSERT_EQ(calls.size(), 4u);
    EXPECT_EQ(calls[0].data.uFlags, static_cast<UINT>(NIF_MESSAGE | NIF_ICON | NIF_TIP));
    EXPECT_EQ(calls[0].data.hIcon, icon);
    EXPECT_EQ(calls[1].data.uFlags, static_cast<UINT>(NIF_MESSAGE | NIF_TIP));
    EXPECT_EQ(calls[2].data.uFlags, static_cast<UINT>(NIF_MESSAGE | NIF_ICON));
    EXPECT_EQ(calls[3].data.uFlags, static_cast<UINT>(NIF_MESSAGE));
    for (const Recorded& call : calls) {
        EXPECT_EQ(call.data.uID, CTrayIconWnd::kIconId);
        EXPECT_EQ(call.data.uCallbackMessage, CTrayIconWnd::kCallbackMessage);
        EXPECT_EQ(call.data.hWnd, tray.Handle());
    }
    EXPECT_STREQ(calls[0].data.szTip, L"ぽこみ");
}

TEST_F(TrayIconTest, ANewTaskbarGetsTheIconShownNowWithItsImage) {
    SendMessageW(tray.Handle(), CTrayIconWnd::TaskbarCreatedMessage(), 0, 0);
    EXPECT_TRUE(calls.empty());  // nothing was added yet
    HICON icon = LoadIconW(nullptr, IDI_APPLICATION);
    HICON other = LoadIconW(nullptr, IDI_INFORMATION);
    tray.NotifyIcon(NIM_ADD, icon, L"ぽこみ");
    tray.NotifyIcon(NIM_MODIFY, other, L"ぽこみ");
    SendMessageW(tray.Handle(), CTrayIconWnd::TaskbarCreatedMessage(), 0, 0);
    ASSERT_EQ(calls.size(), 3u);
    EXPECT_EQ(calls[2].message, static_cast<DWORD>(NIM_ADD));
    EXPECT_EQ(calls[2].data.uFlags, static_cast<UINT>(NIF_MESSAGE | NIF_ICON | NIF_TIP));
    EXPECT_EQ(calls[2].data.hIcon, other);
    EXPECT_STREQ(calls[2].data.szTip, L"ぽこみ");
    tray.NotifyIcon(NIM_DELETE, nullptr, nullptr);
    SendMessageW(tray.Handle(), CTrayIconWnd::TaskbarCreatedMessage(), 0, 0);
    EXPECT_EQ(calls.size(), 4u);  // removed: not added again
}

TEST_F(TrayIconTest, AnOverlongTipIsCutTo63Characters) {
    std::wstring tip(100, L'あ');
    tray.NotifyIcon(NIM_ADD, nullptr, tip.c_str());
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(std::wstring(calls[0].data.szTip), std::wstring(63, L'あ'));
}

TEST_F(TrayIconTest, LeftPressActsOnceEvenForADoubleClick) {
    Mouse(WM_LBUTTONDOWN);
    EXPECT_EQ(tray.leftUps, 1);
    Mouse(WM_LBUTTONUP);
    Mouse(WM_LBUTTONDBLCLK);
    Mouse(WM_LBUTTONUP);
    EXPECT_EQ(tray.leftUps, 1);
    EXPECT_EQ(tray.doubleClicks, 0);
    EXPECT_EQ(tray.rightUps, 0);
}

TEST_F(TrayIconTest, RightButtonActsOnReleaseOnly) {
    Mouse(WM_RBUTTONDOWN);
    EXPECT_EQ(tray.rightUps, 0);
    Mouse(WM_RBUTTONUP);
    EXPECT_EQ(tray.rightUps, 1);
    EXPECT_EQ(tray.leftUps, 0);
}

TEST_F(TrayIconTest, OtherIconsAndMovesAreIgnored) {
    Mouse(WM_LBUTTONDOWN, CTrayIconWnd::kIconId + 1);
    Mouse(WM_MOUSEMOVE);
    Mouse(WM_RBUTTONDBLCLK);
    EXPECT_EQ(tray.leftUps + tray.rightUps + tray.doubleClicks, 0);
}

}  // namespace
