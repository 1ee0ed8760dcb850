// The thin Win32 layer: dialogs with data exchange, the exception guard, GDI counting,
// the off-screen buffer.
#include <windows.h>

#include <gtest/gtest.h>

#include <stdexcept>

#include "PixelTestSupport.h"
#include "WineTestSupport.h"
#include "resource.h"
#include "ui/BufferDC.h"
#include "ui/Dialog.h"
#include "ui/Gdi.h"
#include "ui/Resources.h"
#include "ui/Text.h"
#include "ui/Window.h"

namespace {

// A modal dialog on the message window's template that exchanges one text and closes itself.
class ExchangeDialog : public ui::Dialog {
public:
    ExchangeDialog() : ui::Dialog(IDD_MESSAGE) {}
    std::wstring title = L"はじめの題";
    std::wstring shownTitle;
    int exchanges = 0;

protected:
    BOOL OnInitDialog() override {
        ui::Dialog::OnInitDialog();
        shownTitle = ui::WindowText(Item(IDC_MESSAGE_TITLE));
        SetWindowTextW(Item(IDC_MESSAGE_TITLE), L"利用者が変えた題");
        PostMessageW(m_hwnd, WM_COMMAND, IDOK, 0);
        return TRUE;
    }
    void DoDataExchange(ui::DataExchange& exchange) override {
        ++exchanges;
        exchange.Text(IDC_MESSAGE_TITLE, title);
    }
};

TEST(UiLayerTest, AModalDialogExchangesItsFieldsBothWays) {
    ExchangeDialog dialog;
    EXPECT_EQ(dialog.DoModal(nullptr), IDOK);
    EXPECT_EQ(dialog.shownTitle, L"はじめの題");
    EXPECT_EQ(dialog.title, L"利用者が変えた題");  // read back on OK
    EXPECT_EQ(dialog.exchanges, 2);
    EXPECT_EQ(dialog.Handle(), nullptr);
}

class CancelledDialog : public ExchangeDialog {
protected:
    BOOL OnInitDialog() override {
        ui::Dialog::OnInitDialog();
        SetWindowTextW(Item(IDC_MESSAGE_TITLE), L"捨てられる題");
        PostMessageW(m_hwnd, WM_COMMAND, IDCANCEL, 0);
        return TRUE;
    }
};

TEST(UiLayerTest, CancelLeavesTheFieldsAsTheyWere) {
    CancelledDialog dialog;
    EXPECT_EQ(dialog.DoModal(nullptr), IDCANCEL);
    EXPECT_EQ(dialog.title, L"はじめの題");
}

// A modeless dialog that throws from a handler and deletes itself when destroyed.
class ThrowingDialog : public ui::Dialog {
public:
    explicit ThrowingDialog(bool& deleted) : ui::Dialog(IDD_MESSAGE), m_deleted(deleted) {}
    ~ThrowingDialog() override { m_deleted = true; }

protected:
    INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_APP) throw std::runtime_error("handler failed");
        if (message == WM_APP + 1) {
            bool& deleted = m_deleted;
            DestroyWindow(m_hwnd);  // deleting now would pull the object from under this handler
            s_deletedDuringHandler = deleted;
            return TRUE;
        }
        return ui::Dialog::HandleMessage(message, wParam, lParam);
    }
    void OnFinalDestroyed() override { delete this; }

private:
    bool& m_deleted;

public:
    static inline bool s_deletedDuringHandler = true;
};

TEST(UiLayerTest, AnExceptionNeverLeavesAHandlerAndSelfDeletionWaitsForTheHandler) {
    bool deleted = false;
    auto* dialog = new ThrowingDialog(deleted);
    ASSERT_TRUE(dialog->Create(nullptr));
    HWND hwnd = dialog->Handle();
    SendMessageW(hwnd, WM_APP, 0, 0);  // must not terminate the process
    EXPECT_TRUE(IsWindow(hwnd));
    EXPECT_FALSE(deleted);
    SendMessageW(hwnd, WM_APP + 1, 0, 0);
    EXPECT_FALSE(IsWindow(hwnd));
    EXPECT_FALSE(ThrowingDialog::s_deletedDuringHandler);
    EXPECT_TRUE(deleted);
}

class PlainWindow : public ui::Window {
public:
    bool Create() {
        ui::WindowCreateArgs args;
        args.className = L"PokomiUiLayerTest";
        args.style = WS_POPUP;
        return CreateWindowObject(args);
    }
    int created = 0;

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        switch (message) {
        case WM_CREATE: ++created; return 0;
        case WM_APP: throw std::logic_error("window handler failed");
        default: return Default(message, wParam, lParam);
        }
    }
};

TEST(UiLayerTest, AWindowIsBoundBeforeItsCreateMessage) {
    PlainWindow window;
    ASSERT_TRUE(window.Create());
    EXPECT_EQ(window.created, 1);
    EXPECT_EQ(SendMessageW(window.Handle(), WM_APP, 0, 0), 0);
    EXPECT_TRUE(IsWindow(window.Handle()));
}

TEST(UiLayerTest, GdiOwnersCountWhatTheyHold) {
    long before = ui::gdi::LiveObjects();
    {
        ui::gdi::Brush brush = ui::gdi::MakeSolidBrush(RGB(1, 2, 3));
        ui::gdi::Pen pen = ui::gdi::MakePen(PS_SOLID, 1, RGB(4, 5, 6));
        ui::gdi::Icon icon = ui::LoadIconResource(IDI_TRAY_NORMAL, 16);
        EXPECT_TRUE(icon);
        EXPECT_EQ(ui::gdi::LiveObjects(), before + 3);
        ui::gdi::Brush moved = std::move(brush);
        EXPECT_FALSE(brush);
        EXPECT_EQ(ui::gdi::LiveObjects(), before + 3);
        moved.Reset();
        EXPECT_EQ(ui::gdi::LiveObjects(), before + 2);
    }
    EXPECT_EQ(ui::gdi::LiveObjects(), before);
}

TEST(UiLayerTest, ABufferDrawsOffScreenInTheTargetsCoordinatesAndCopiesTheClipBoxWhenDone) {
    constexpr COLORREF kWhite = RGB(255, 255, 255), kRed = RGB(255, 0, 0), kBlue = RGB(0, 0, 255);
    Canvas target(40, 30);
    PatBlt(target.Dc(), 0, 0, 40, 30, WHITENESS);
    IntersectClipRect(target.Dc(), 10, 5, 30, 25);
    long before = ui::gdi::LiveObjects();
    {
        ui::gdi::BufferDC buffer(target.Dc());
        ASSERT_TRUE(buffer.IsBuffered());
        EXPECT_NE(buffer.Get(), target.Dc());
        EXPECT_EQ(Sides(buffer.Bounds()), Sides({10, 5, 30, 25}));
        RECT all{0, 0, 40, 30};
        HBRUSH red = CreateSolidBrush(kRed);
        FillRect(buffer.Get(), &all, red);
        DeleteObject(red);
        SetPixelV(buffer.Get(), 12, 7, kBlue);
        EXPECT_EQ(target.Pixel(12, 7), kWhite);  // nothing reaches the target yet
        EXPECT_EQ(GetPixel(buffer.Get(), 12, 7), kBlue);
    }
    EXPECT_EQ(ui::gdi::LiveObjects(), before);
    EXPECT_EQ(target.Pixel(12, 7), kBlue);
    EXPECT_EQ(target.Pixel(29, 24), kRed);
    EXPECT_EQ(target.Pixel(9, 7), kWhite);  // outside the clip box: untouched
    EXPECT_EQ(target.Pixel(12, 4), kWhite);
    EXPECT_EQ(target.Pixel(30, 24), kWhite);
}

TEST(UiLayerTest, StringsAndTextConversions) {
    EXPECT_EQ(ui::LoadStringResource(IDS_CLOSE_TIP), L"\n閉じる");
    EXPECT_EQ(ui::LoadStringResource(IDS_TOPMOST), L"常に手前に表示");
    EXPECT_EQ(ui::LoadStringResource(9999), L"");
    EXPECT_EQ(ui::Widen("\x82\xDB\x82\xB1\x82\xDD", ui::kJapaneseCodePage), L"ぽこみ");
    EXPECT_EQ(ui::NarrowExact(L"ぽこみ", ui::kJapaneseCodePage), std::string("\x82\xDB\x82\xB1\x82\xDD"));
    EXPECT_FALSE(ui::NarrowExact(L"한국어", ui::kJapaneseCodePage).has_value());
    EXPECT_EQ(ui::Format(L"bitmap%d.bmp", 12), L"bitmap12.bmp");
    EXPECT_EQ(ui::Format(L"%ls", std::wstring(600, L'x').c_str()).size(), 600u);
}

}  // namespace
