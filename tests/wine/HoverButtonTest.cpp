// The owner-drawn hover button: looks read back as pixels in every state, pointer
// tracking, clicks, keys, tooltips and leaks.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "ClockTestSupport.h"
#include "PixelTestSupport.h"
#include "WineTestSupport.h"
#include "controls/CHoverButton.h"
#include "resource.h"
#include "ui/Dialog.h"
#include "ui/Gdi.h"

namespace {

constexpr COLORREF kOrange = RGB(242, 148, 76);
constexpr COLORREF kLight = RGB(230, 188, 156);
constexpr COLORREF kDark = RGB(182, 124, 30);
constexpr COLORREF kChecked = RGB(230, 188, 156);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kGreen = RGB(0, 160, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);

enum class Edges { None, Raised, Sunken };

// The flat look drawn independently: background, a one-pixel border whose
// bottom and right edges cover the corners they share, then the icon.
Image ExpectedFlat(int width, int height, COLORREF background, Edges edges, HICON icon, POINT iconAt) {
    Canvas canvas(width, height);
    COLORREF topLeft = edges == Edges::Raised ? kLight : kDark;
    COLORREF bottomRight = edges == Edges::Raised ? kDark : kLight;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            COLORREF colour = background;
            if (edges != Edges::None) {
                if (x == width - 1 || y == height - 1)
                    colour = bottomRight;
                else if (x == 0 || y == 0)
                    colour = topLeft;
            }
            SetPixelV(canvas.Dc(), x, y, colour);
        }
    }
    if (icon) DrawIconEx(canvas.Dc(), iconAt.x, iconAt.y, icon, 0, 0, 0, nullptr, DI_NORMAL);
    return canvas.Pixels();
}

HICON LoadTestIcon(UINT id) {
    return static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), IMAGE_ICON, 16, 16, 0));
}

// A plain push button of the host, taken over by a hover button.
HWND AddButton(const ReflectingHost& host, CHoverButton& button, int id, RECT r, DWORD style = BS_PUSHBUTTON,
               const wchar_t* text = L"") {
    HWND hwnd = host.AddChild(L"BUTTON", text, style, r, id);
    EXPECT_TRUE(button.AttachHandle(hwnd));
    return hwnd;
}

void MoveCursorAway() {
    SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 2, GetSystemMetrics(SM_CYSCREEN) - 2);
    ui::PumpMessages();
}

}  // namespace

// ---- The caption buttons as the clock sets them up -------------------------------------

// Three 16 x 13 buttons on an orange strip, set up like the clock's.
class HoverButtonTest : public testing::Test {
protected:
    static constexpr int kMinimize = IDC_CLOCK_MINIMIZE;
    static constexpr int kTopMost = IDC_CLOCK_TOPMOST;
    static constexpr int kClose = IDC_CLOCK_CLOSE;

    void SetUp() override {
        MoveCursorAway();
        m_parent = std::make_unique<ReflectingHost>(SIZE{165, 20}, kOrange);
        Add(m_minimize, kMinimize, 108, IDI_MINIMIZE, IDS_MINIMIZE);
        Add(m_topMost, kTopMost, 124, IDI_TOPMOST_OFF, IDS_TOPMOST);
        Add(m_close, kClose, 140, IDI_CLOSE, IDS_CLOSE);
        ui::PumpMessages();
        ASSERT_EQ(GetActiveWindow(), m_parent->Handle());
    }
    void TearDown() override {
        m_parent.reset();
        ui::PumpMessages();
    }

    void Add(CHoverButton& button, int id, int x, UINT icon, UINT tip) {
        AddButton(*m_parent, button, id, {x, 3, x + 16, 16});
        button.SetIcons(icon);
        button.SetTooltipText(tip, true);
        button.SetNormalBackground(kOrange, false);
        button.SetHoverBackground(kOrange, false);
    }

    static Image Expected(COLORREF background, Edges edges, UINT icon, POINT at) {
        HICON handle = LoadTestIcon(icon);
        Image image = ExpectedFlat(16, 13, background, edges, handle, at);
        DestroyIcon(handle);
        return image;
    }

    // A 16 x 16 icon centred in 16 x 13 starts one pixel above the button; pressed,
    // it moves one pixel right and down.
    static constexpr POINT kIconAt{0, -1};
    static constexpr POINT kPressedIconAt{1, 0};

    std::unique_ptr<ReflectingHost> m_parent;
    CHoverButton m_minimize;
    CHoverButton m_topMost;
    CHoverButton m_close;
};

TEST_F(HoverButtonTest, TakingOverMakesTheButtonOwnerDrawnAndLoadsSixteenPixelIcons) {
    LONG_PTR style = GetWindowLongPtrW(m_minimize.Handle(), GWL_STYLE);
    EXPECT_EQ(style & BS_TYPEMASK, BS_OWNERDRAW);
    EXPECT_FALSE(m_minimize.IsDefault());
    EXPECT_EQ(m_minimize.IconSize().cx, 16);
    EXPECT_EQ(m_minimize.IconSize().cy, 16);
    EXPECT_EQ(m_minimize.IconId(), static_cast<UINT>(IDI_MINIMIZE));
    EXPECT_FALSE(m_minimize.IsHover());
    EXPECT_FALSE(m_minimize.IsChecked());
}

TEST_F(HoverButtonTest, NormalLookIsTheIconOnTheBackgroundWithoutBorder) {
    EXPECT_TRUE(SameImage(RepaintedPixels(m_minimize.Handle()), Expected(kOrange, Edges::None, IDI_MINIMIZE, kIconAt)));
    EXPECT_TRUE(
        SameImage(RepaintedPixels(m_topMost.Handle()), Expected(kOrange, Edges::None, IDI_TOPMOST_OFF, kIconAt)));
    EXPECT_TRUE(SameImage(RepaintedPixels(m_close.Handle()), Expected(kOrange, Edges::None, IDI_CLOSE, kIconAt)));
}

TEST_F(HoverButtonTest, PointerOverTheButtonRaisesTheBorderAndTakesTheCapture) {
    HWND button = m_minimize.Handle();
    MouseMove(button, 8, 6);
    EXPECT_TRUE(m_minimize.IsHover());
    EXPECT_EQ(GetCapture(), button);
    Image hovered = RepaintedPixels(button);
    EXPECT_TRUE(SameImage(hovered, Expected(kOrange, Edges::Raised, IDI_MINIMIZE, kIconAt)));
    EXPECT_EQ(hovered.At(0, 5), kLight);  // left edge
    EXPECT_EQ(hovered.At(15, 5), kDark);  // right edge
    EXPECT_EQ(hovered.At(0, 12), kDark);  // the bottom edge covers the corner

    MouseMove(button, 8, 7);  // still inside: nothing changes
    EXPECT_TRUE(m_minimize.IsHover());
    EXPECT_EQ(GetCapture(), button);

    MouseMove(button, -4, 6);  // over the parent
    EXPECT_FALSE(m_minimize.IsHover());
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_TRUE(SameImage(RepaintedPixels(button), Expected(kOrange, Edges::None, IDI_MINIMIZE, kIconAt)));
}

TEST_F(HoverButtonTest, HoverAndNormalBackgroundsAndIconsAreUsedByState) {
    HWND button = m_close.Handle();
    m_close.SetIcons(IDI_CLOSE, IDI_MINIMIZE);
    m_close.SetHoverBackground(kWhite, true);
    EXPECT_TRUE(SameImage(RepaintedPixels(button), Expected(kOrange, Edges::None, IDI_MINIMIZE, kIconAt)));
    MouseMove(button, 3, 3);
    EXPECT_TRUE(SameImage(RepaintedPixels(button), Expected(kWhite, Edges::Raised, IDI_CLOSE, kIconAt)));
    m_close.SetHoverBorder(false);
    EXPECT_TRUE(SameImage(RepaintedPixels(button), Expected(kWhite, Edges::None, IDI_CLOSE, kIconAt)));
}

TEST_F(HoverButtonTest, PressingSinksTheBorderAndShiftsTheIconThenClicksOnRelease) {
    HWND button = m_minimize.Handle();
    MouseMove(button, 8, 6);
    SendMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(8, 6));
    EXPECT_TRUE(SendMessageW(button, BM_GETSTATE, 0, 0) & BST_PUSHED);
    EXPECT_EQ(GetCapture(), button);
    EXPECT_TRUE(m_minimize.IsHover());
    Image pressed = RepaintedPixels(button);
    EXPECT_TRUE(SameImage(pressed, Expected(kOrange, Edges::Sunken, IDI_MINIMIZE, kPressedIconAt)));
    EXPECT_EQ(pressed.At(0, 5), kDark);
    EXPECT_EQ(pressed.At(15, 5), kLight);
    // The icon's own pixels, one to the right and one down.
    Image hovered = Expected(kOrange, Edges::None, IDI_MINIMIZE, kIconAt);
    EXPECT_TRUE(SameImage(pressed.Part({2, 2, 15, 12}), hovered.Part({1, 1, 14, 11})));

    MouseMove(button, 9, 6, MK_LBUTTON);
    EXPECT_TRUE(m_minimize.IsHover());
    EXPECT_EQ(m_parent->Commands(kMinimize, BN_CLICKED), 0);
    SendMessageW(button, WM_LBUTTONUP, 0, MAKELPARAM(9, 6));
    EXPECT_EQ(m_parent->Commands(kMinimize, BN_CLICKED), 1);
    EXPECT_FALSE(SendMessageW(button, BM_GETSTATE, 0, 0) & BST_PUSHED);
}

TEST_F(HoverButtonTest, PressedStateFromOutsideUsesTheHoverBackground) {
    HWND button = m_minimize.Handle();
    m_minimize.SetHoverBackground(kWhite, false);
    SendMessageW(button, BM_SETSTATE, TRUE, 0);
    EXPECT_TRUE(SameImage(RepaintedPixels(button), Expected(kWhite, Edges::Sunken, IDI_MINIMIZE, kPressedIconAt)));
    SendMessageW(button, BM_SETSTATE, FALSE, 0);
    EXPECT_TRUE(SameImage(RepaintedPixels(button), Expected(kOrange, Edges::None, IDI_MINIMIZE, kIconAt)));
}

TEST_F(HoverButtonTest, DraggingOffThePressedButtonDropsTheHoverButKeepsTheCapture) {
    HWND button = m_close.Handle();
    MouseMove(button, 8, 6);
    SendMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(8, 6));
    MouseMove(button, 40, 6, MK_LBUTTON);
    EXPECT_FALSE(m_close.IsHover());
    EXPECT_EQ(GetCapture(), button);
    EXPECT_FALSE(SendMessageW(button, BM_GETSTATE, 0, 0) & BST_PUSHED);
    SendMessageW(button, WM_LBUTTONUP, 0, MAKELPARAM(40, 6));
    EXPECT_EQ(m_parent->Commands(kClose, BN_CLICKED), 0);
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(HoverButtonTest, CheckedButtonIsSunkenOnTheCheckedColourAndNeverHovers) {
    HWND button = m_topMost.Handle();
    m_topMost.SetIcons(IDI_TOPMOST_ON);
    m_topMost.SetChecked(true);
    EXPECT_TRUE(m_topMost.IsChecked());
    Image checked = RepaintedPixels(button);
    EXPECT_TRUE(SameImage(checked, Expected(kChecked, Edges::Sunken, IDI_TOPMOST_ON, kPressedIconAt)));
    EXPECT_EQ(checked.At(0, 5), kDark);

    MouseMove(button, 8, 6);
    EXPECT_FALSE(m_topMost.IsHover());
    EXPECT_EQ(GetCapture(), button);  // still tracked, so that leaving is noticed
    EXPECT_TRUE(SameImage(RepaintedPixels(button), Expected(kChecked, Edges::Sunken, IDI_TOPMOST_ON, kPressedIconAt)));
    MouseMove(button, 30, 6);
    EXPECT_EQ(GetCapture(), nullptr);

    m_topMost.SetIcons(IDI_TOPMOST_OFF);
    m_topMost.SetChecked(false);
    EXPECT_TRUE(SameImage(RepaintedPixels(button), Expected(kOrange, Edges::None, IDI_TOPMOST_OFF, kIconAt)));
}

TEST_F(HoverButtonTest, DragStartedElsewhereDoesNotLightTheButton) {
    HWND button = m_minimize.Handle();
    MouseMove(button, 8, 6, MK_LBUTTON);
    EXPECT_FALSE(m_minimize.IsHover());
    EXPECT_NE(GetCapture(), button);
    EXPECT_TRUE(SameImage(RepaintedPixels(button), Expected(kOrange, Edges::None, IDI_MINIMIZE, kIconAt)));
    MouseMove(button, 8, 6);  // the button is released: now it lights
    EXPECT_TRUE(m_minimize.IsHover());
}

TEST_F(HoverButtonTest, DoubleClickCountsAsTwoClicks) {
    HWND button = m_close.Handle();
    SendMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(8, 6));
    SendMessageW(button, WM_LBUTTONUP, 0, MAKELPARAM(8, 6));
    SendMessageW(button, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(8, 6));
    SendMessageW(button, WM_LBUTTONUP, 0, MAKELPARAM(8, 6));
    EXPECT_EQ(m_parent->Commands(kClose, BN_CLICKED), 2);
    EXPECT_EQ(m_parent->Commands(kClose, BN_DOUBLECLICKED), 0);
}

TEST_F(HoverButtonTest, SpaceBarDoesNothingOnAFocusedButton) {
    HWND button = m_close.Handle();
    SetFocus(button);
    ASSERT_EQ(GetFocus(), button);
    PostMessageW(button, WM_KEYDOWN, VK_SPACE, 0x00390001);
    ui::PumpMessages();
    EXPECT_FALSE(SendMessageW(button, BM_GETSTATE, 0, 0) & BST_PUSHED);
    PostMessageW(button, WM_KEYUP, VK_SPACE, 0xC0390001);
    ui::PumpMessages();
    EXPECT_EQ(m_parent->Commands(kClose, BN_CLICKED), 0);
}

TEST_F(HoverButtonTest, LosingTheCaptureEndsTheHoverWithoutTakingItBack) {
    HWND button = m_minimize.Handle();
    MouseMove(button, 8, 6);
    ASSERT_TRUE(m_minimize.IsHover());
    SetCapture(m_parent->Handle());
    EXPECT_FALSE(m_minimize.IsHover());
    EXPECT_EQ(GetCapture(), m_parent->Handle());
    EXPECT_TRUE(SameImage(RepaintedPixels(button), Expected(kOrange, Edges::None, IDI_MINIMIZE, kIconAt)));
    ReleaseCapture();
}

TEST_F(HoverButtonTest, LosingTheFocusEndsTheHover) {
    HWND button = m_minimize.Handle();
    SetFocus(button);
    MouseMove(button, 8, 6);
    ASSERT_TRUE(m_minimize.IsHover());
    SetFocus(m_parent->Handle());
    EXPECT_FALSE(m_minimize.IsHover());
}

TEST_F(HoverButtonTest, PointerFoundOverTheButtonWhenPaintingLightsIt) {
    HWND button = m_close.Handle();
    POINT centre{8, 6};
    ClientToScreen(button, &centre);
    ASSERT_TRUE(SetCursorPos(centre.x, centre.y));
    EXPECT_TRUE(SameImage(RepaintedPixels(button), Expected(kOrange, Edges::Raised, IDI_CLOSE, kIconAt)));
    EXPECT_TRUE(m_close.IsHover());
    MoveCursorAway();
}

TEST_F(HoverButtonTest, TooltipsComeFromTheStringTableWithOneToolOverTheButton) {
    struct Case {
        CHoverButton* button;
        const wchar_t* text;
    };
    for (const Case& c :
         {Case{&m_minimize, L"最小化"}, Case{&m_topMost, L"常に手前に表示"}, Case{&m_close, L"閉じる"}}) {
        HWND tip = c.button->Tooltip();
        ASSERT_NE(tip, nullptr);
        EXPECT_EQ(c.button->TooltipText(), c.text);
        EXPECT_EQ(SendMessageW(tip, TTM_GETTOOLCOUNT, 0, 0), 1);
        TOOLINFOW info{};
        info.cbSize = sizeof(info);
        ASSERT_TRUE(SendMessageW(tip, TTM_ENUMTOOLSW, 0, reinterpret_cast<LPARAM>(&info)));
        EXPECT_EQ(info.hwnd, c.button->Handle());
        EXPECT_EQ(info.uId, 1u);
        EXPECT_EQ(info.rect.right - info.rect.left, 16);
        EXPECT_EQ(info.rect.bottom - info.rect.top, 13);
    }
    m_close.SetTooltipText(IDS_MINIMIZE, false);  // replaces the text of the one tool
    EXPECT_EQ(SendMessageW(m_close.Tooltip(), TTM_GETTOOLCOUNT, 0, 0), 1);
    EXPECT_EQ(m_close.TooltipText(), L"最小化");
    m_close.SetTooltipText(std::wstring(L"とじる"), true);
    EXPECT_EQ(m_close.TooltipText(), L"とじる");
}

TEST_F(HoverButtonTest, ToolFollowsTheButtonSize) {
    SetWindowPos(m_close.Handle(), nullptr, 0, 0, 30, 10, SWP_NOMOVE | SWP_NOZORDER);
    TOOLINFOW info{};
    info.cbSize = sizeof(info);
    ASSERT_TRUE(SendMessageW(m_close.Tooltip(), TTM_ENUMTOOLSW, 0, reinterpret_cast<LPARAM>(&info)));
    EXPECT_EQ(info.rect.right, 30);
    EXPECT_EQ(info.rect.bottom, 10);
}

TEST_F(HoverButtonTest, EmptyTooltipTextChangesNothing) {
    CHoverButton fresh;
    AddButton(*m_parent, fresh, 200, {0, 0, 16, 13});
    fresh.SetTooltipText(9999u, true);  // no such string
    EXPECT_EQ(fresh.Tooltip(), nullptr);
    m_close.SetTooltipText(std::wstring(), true);
    EXPECT_EQ(m_close.TooltipText(), L"閉じる");
}

TEST_F(HoverButtonTest, CursorIsShownOnlyWhenOneIsSet) {
    HWND button = m_close.Handle();
    HCURSOR hand = LoadCursorW(nullptr, IDC_HAND);
    HCURSOR arrow = LoadCursorW(nullptr, IDC_ARROW);
    SetCursor(arrow);
    SendMessageW(button, WM_SETCURSOR, reinterpret_cast<WPARAM>(button), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_NE(GetCursor(), hand);
    m_close.SetButtonCursor(hand);
    EXPECT_EQ(SendMessageW(button, WM_SETCURSOR, reinterpret_cast<WPARAM>(button), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)),
              TRUE);
    EXPECT_EQ(GetCursor(), hand);
    SetCursor(arrow);
}

TEST_F(HoverButtonTest, DisabledIconIsDrawnGreyed) {
    HWND button = m_close.Handle();
    EnableWindow(button, FALSE);
    Image disabled = RepaintedPixels(button);
    COLORREF highlight = GetSysColor(COLOR_3DHILIGHT), shadow = GetSysColor(COLOR_3DSHADOW);
    int shape = 0;
    for (COLORREF pixel : disabled.pixels) {
        EXPECT_TRUE(pixel == kOrange || pixel == highlight || pixel == shadow) << std::hex << pixel;
        shape += pixel != kOrange;
    }
    EXPECT_GT(shape, 10);
}

TEST_F(HoverButtonTest, RepaintsLeakNoGdiObjects) {
    RepaintedPixels(m_minimize.Handle());
    long before = ui::gdi::LiveObjects();
    for (int i = 0; i < 50; ++i) {
        MouseMove(m_minimize.Handle(), 8, 6);
        RepaintedPixels(m_minimize.Handle());
        SendMessageW(m_minimize.Handle(), BM_SETSTATE, TRUE, 0);
        RepaintedPixels(m_minimize.Handle());
        SendMessageW(m_minimize.Handle(), BM_SETSTATE, FALSE, 0);
        MouseMove(m_minimize.Handle(), -5, 6);
        m_topMost.SetChecked(i % 2 == 0);
        m_topMost.SetIcons(i % 2 == 0 ? IDI_TOPMOST_ON : IDI_TOPMOST_OFF);
        RepaintedPixels(m_topMost.Handle());
        RepaintedPixels(m_close.Handle());
    }
    EXPECT_EQ(ui::gdi::LiveObjects(), before);
}

// ---- The general button: 3D look, text, transparent background ---------------------

class HoverButtonTestGeneral : public testing::Test {
protected:
    void SetUp() override {
        MoveCursorAway();
        m_parent = std::make_unique<ReflectingHost>(SIZE{200, 120});
        ui::PumpMessages();
    }
    void TearDown() override {
        m_parent.reset();
        ui::PumpMessages();
    }

    std::unique_ptr<ReflectingHost> m_parent;
};

// The 3D edges: outer light top-left and dark-shadow bottom-right, inner light
// top-left and dark bottom-right, inside r.
COLORREF Expected3D(const RECT& r, int x, int y, COLORREF background) {
    int w = r.right, h = r.bottom;
    x -= r.left;
    y -= r.top;
    w -= r.left;
    h -= r.top;
    if (x == w - 1 || y == h - 1) return GetSysColor(COLOR_3DDKSHADOW);
    if ((x == w - 2 && y >= 1) || (y == h - 2 && x >= 1)) return kDark;
    if (x <= 1 || y <= 1) return kLight;
    return background;
}

TEST_F(HoverButtonTestGeneral, ThreeDLookDrawsItsEdgesWithoutHoverAndAFrameWhenPressed) {
    CHoverButton button;
    HWND hwnd = AddButton(*m_parent, button, 300, {10, 10, 40, 30});
    button.SetFlat(false, false);
    button.SetNormalBackground(kWhite, false);
    button.SetHoverBackground(kGreen, false);
    Image normal = RepaintedPixels(hwnd);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 30; ++x)
            EXPECT_EQ(normal.At(x, y), Expected3D({0, 0, 30, 20}, x, y, kWhite)) << x << "," << y;

    MouseMove(hwnd, 15, 10);  // the 3D look does not track the pointer
    EXPECT_FALSE(button.IsHover());
    EXPECT_NE(GetCapture(), hwnd);

    SendMessageW(hwnd, BM_SETSTATE, TRUE, 0);
    Image pressed = RepaintedPixels(hwnd);
    for (int y = 0; y < 20; ++y) {
        for (int x = 0; x < 30; ++x) {
            bool frame = x == 0 || y == 0 || x == 29 || y == 19;
            EXPECT_EQ(pressed.At(x, y), frame ? kDark : kGreen) << x << "," << y;
        }
    }
}

TEST_F(HoverButtonTestGeneral, ThreeDDefaultOrFocusedButtonHasABlackFrameAndFocusRectangle) {
    CHoverButton button;
    HWND hwnd = AddButton(*m_parent, button, 301, {10, 10, 50, 34}, BS_DEFPUSHBUTTON);
    EXPECT_TRUE(button.IsDefault());
    EXPECT_EQ(GetWindowLongPtrW(hwnd, GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW);
    button.SetFlat(false, false);
    button.SetNormalBackground(kWhite, false);
    Image image = RepaintedPixels(hwnd);
    const int w = 40, h = 24;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            bool frame = x == 0 || y == 0 || x == w - 1 || y == h - 1;
            EXPECT_EQ(image.At(x, y), frame ? kBlack : Expected3D({1, 1, w - 1, h - 1}, x, y, kWhite)) << x << "," << y;
        }
    }
    // Focus: a dotted rectangle three pixels inside the frame.
    SetFocus(hwnd);
    Image focused = RepaintedPixels(hwnd);
    EXPECT_GT(focused.Part({4, 4, w - 4, 5}).CountOther(kWhite), 5);
    EXPECT_EQ(focused.At(w / 2, h / 2), kWhite);
}

TEST_F(HoverButtonTestGeneral, FlatLookDrawsTheFocusRectangleOnlyWhenAskedTo) {
    CHoverButton button;
    HWND hwnd = AddButton(*m_parent, button, 302, {10, 10, 50, 34});
    button.SetNormalBackground(kWhite, false);
    SetFocus(hwnd);
    ASSERT_EQ(GetFocus(), hwnd);
    auto dotsOnRow3 = [&] { return RepaintedPixels(hwnd).Part({3, 3, 37, 4}).CountOther(kWhite); };
    EXPECT_EQ(dotsOnRow3(), 0);
    button.SetFocusInFlat(true);
    EXPECT_GT(dotsOnRow3(), 5);
}

TEST_F(HoverButtonTestGeneral, TextIsCentredInItsColoursAndMovesWhenPressed) {
    CHoverButton button;
    HWND hwnd = AddButton(*m_parent, button, 303, {10, 10, 90, 34}, BS_PUSHBUTTON, L"Ab");
    SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    button.SetNormalBackground(kWhite, false);
    button.SetHoverBackground(kWhite, false);
    button.SetNormalTextColour(kBlue, false);
    button.SetHoverTextColour(kRed, false);
    button.SetHoverBorder(false, false);

    Image normal = RepaintedPixels(hwnd);
    EXPECT_GT(normal.Count(kBlue), 5);
    EXPECT_EQ(normal.Count(kRed), 0);
    RECT ink = normal.InkBox(kWhite);
    ASSERT_GT(ink.right, ink.left);
    EXPECT_LE(std::abs(ink.left - (80 - ink.right)), 3);
    EXPECT_LE(std::abs(ink.top - (24 - ink.bottom)), 4);

    MouseMove(hwnd, 40, 12);
    Image hovered = RepaintedPixels(hwnd);
    EXPECT_GT(hovered.Count(kRed), 5);
    EXPECT_EQ(hovered.Count(kBlue), 0);
    MouseMove(hwnd, -20, 12);

    SendMessageW(hwnd, BM_SETSTATE, TRUE, 0);
    Image pressed = RepaintedPixels(hwnd);
    RECT moved = pressed.InkBox(kWhite);
    EXPECT_EQ(moved.left, ink.left + 1);
    EXPECT_EQ(moved.top, ink.top + 1);
    EXPECT_GT(pressed.Count(kRed), 5);
    SendMessageW(hwnd, BM_SETSTATE, FALSE, 0);

    button.SetShowText(false);
    EXPECT_EQ(RepaintedPixels(hwnd).Count(kWhite), 80 * 24);
}

TEST_F(HoverButtonTestGeneral, IconLeftOfTheTextOrAboveIt) {
    CHoverButton button;
    HWND hwnd = AddButton(*m_parent, button, 304, {10, 10, 90, 50}, BS_PUSHBUTTON, L"Ab");
    SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    button.SetNormalBackground(kWhite, false);
    button.SetNormalTextColour(kBlue, false);
    button.SetIcons(IDI_CLOSE);
    HICON icon = LoadTestIcon(IDI_CLOSE);
    Image reference = ExpectedFlat(80, 40, kWhite, Edges::None, icon, {3, 12});
    DestroyIcon(icon);

    // Layout 0: the icon three pixels from the left, centred vertically; the
    // text centred in what is left to the right of it.
    Image left = RepaintedPixels(hwnd);
    EXPECT_TRUE(SameImage(left.Part({3, 12, 19, 28}), reference.Part({3, 12, 19, 28})));
    RECT ink = left.Part({19, 0, 80, 40}).InkBox(kWhite);  // right of the icon
    ASSERT_LT(ink.left, ink.right);
    EXPECT_LE(std::abs(ink.left - (61 - ink.right)), 3);

    // Layout 1: the icon centred at the top, the text below it.
    button.SetLayout(CHoverButton::kIconAbove);
    Image above = RepaintedPixels(hwnd);
    HICON again = LoadTestIcon(IDI_CLOSE);
    Image top = ExpectedFlat(80, 40, kWhite, Edges::None, again, {32, 0});
    DestroyIcon(again);
    EXPECT_TRUE(SameImage(above.Part({32, 0, 48, 16}), top.Part({32, 0, 48, 16})));
    EXPECT_GT(above.Part({0, 16, 80, 40}).Count(kBlue), 5);  // the text below it
}

TEST_F(HoverButtonTestGeneral, TransparentBackgroundShowsTheParentUnderTheButton) {
    m_parent->SetStripes(4, kRed, kGreen);
    CHoverButton button;
    HWND hwnd = AddButton(*m_parent, button, 305, {13, 10, 37, 26});
    button.SetTransparent(true, false);
    RedrawWindow(m_parent->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    Image image = RepaintedPixels(hwnd);
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 24; ++x) {
            COLORREF stripe = ((13 + x) / 4) % 2 ? kGreen : kRed;
            EXPECT_EQ(image.At(x, y), stripe) << x << "," << y;
        }
    }
    MouseMove(hwnd, 5, 5);  // the hover border is drawn over the copy
    Image hovered = RepaintedPixels(hwnd);
    EXPECT_EQ(hovered.At(0, 5), kLight);
    EXPECT_EQ(hovered.At(23, 5), kDark);
    EXPECT_EQ(hovered.At(5, 5), ((13 + 5) / 4) % 2 ? kGreen : kRed);
}

TEST_F(HoverButtonTestGeneral, ReleasingTheButtonReturnsEveryGdiObject) {
    long before = ui::gdi::LiveObjects();
    {
        CHoverButton button;
        HWND hwnd = AddButton(*m_parent, button, 306, {10, 10, 60, 40}, BS_PUSHBUTTON, L"Ab");
        button.SetIcons(IDI_CLOSE, IDI_MINIMIZE);
        button.SetTransparent(true);
        for (int i = 0; i < 20; ++i) {
            button.SetFlat(i % 2 == 0, false);
            MouseMove(hwnd, 5, 5);
            RepaintedPixels(hwnd);
            MouseMove(hwnd, -5, 5);
            SendMessageW(hwnd, BM_SETSTATE, i % 3 == 0, 0);
            RepaintedPixels(hwnd);
        }
        EXPECT_GT(ui::gdi::LiveObjects(), before);  // two icons and the background copy
        DestroyWindow(hwnd);
    }
    EXPECT_EQ(ui::gdi::LiveObjects(), before);
}

// ---- The clock's own caption buttons -----------------------------------------------

TEST(HoverButtonTestInClock, CaptionButtonsHaveTheirTooltipsAndLightOnTheOrangeStrip) {
    TestWorld world;
    RunningClock clock(world);
    ASSERT_TRUE(clock.Alive());
    struct Case {
        int id;
        const wchar_t* tip;
    };
    for (const Case& c : {Case{IDC_CLOCK_MINIMIZE, L"最小化"}, Case{IDC_CLOCK_TOPMOST, L"常に手前に表示"},
                          Case{IDC_CLOCK_CLOSE, L"閉じる"}}) {
        auto* button = dynamic_cast<CHoverButton*>(ui::Control::FromHandle(GetDlgItem(clock.Hwnd(), c.id)));
        ASSERT_NE(button, nullptr) << c.id;
        EXPECT_EQ(button->TooltipText(), c.tip);
    }
    HWND minimize = GetDlgItem(clock.Hwnd(), IDC_CLOCK_MINIMIZE);
    Image normal = RepaintedPixels(minimize);
    EXPECT_EQ(normal.At(0, 12), kOrange);
    SetActiveWindow(clock.Hwnd());
    MouseMove(minimize, 8, 6);
    Image hovered = RepaintedPixels(minimize);
    EXPECT_EQ(hovered.At(0, 5), kLight);
    EXPECT_EQ(hovered.At(15, 5), kDark);
    EXPECT_EQ(hovered.At(0, 12), kDark);
    MouseMove(minimize, -20, 6);
}
