// The link control: its colours under the pointer, pressed and after a visit, the
// error box when nothing opens the address, Space, sizing, a picture link.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "LinkTestSupport.h"
#include "controls/CHyperLink.h"
#include "resource.h"
#include "ui/Resources.h"

namespace {

constexpr wchar_t kHostClass[] = L"PokomiHyperLinkTestHost";
constexpr wchar_t kText[] = L"■ぽこみのページ■";
constexpr wchar_t kAddress[] = L"http://example.invalid/pokomi/";
constexpr COLORREF kLink = RGB(0, 0, 255);
constexpr COLORREF kPressed = RGB(0, 128, 128);
constexpr COLORREF kVisited = RGB(128, 0, 128);
constexpr COLORREF kHover = RGB(255, 0, 0);
constexpr COLORREF kAllColours[] = {kLink, kPressed, kVisited, kHover};

// A parent that reflects the static's colour message to its control, as dialogs do, on white.
LRESULT CALLBACK HostProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_CTLCOLORSTATIC) return DefWindowProcW(hwnd, message, wParam, lParam);
    LRESULT result = 0;
    ui::Control* control = ui::Control::FromHandle(reinterpret_cast<HWND>(lParam));
    if (control && control->OnReflected(message, wParam, lParam, result)) return result;
    SetBkColor(reinterpret_cast<HDC>(wParam), RGB(255, 255, 255));
    return reinterpret_cast<LRESULT>(GetStockObject(WHITE_BRUSH));
}

class HyperLinkTest : public testing::Test {
protected:
    void SetUp() override {
        WNDCLASSW wc{};
        wc.lpfnWndProc = HostProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = kHostClass;
        RegisterClassW(&wc);
        m_host = CreateWindowExW(WS_EX_TOPMOST, kHostClass, L"", WS_POPUP | WS_VISIBLE, 20, 20, 400, 200, nullptr,
                                 nullptr, GetModuleHandleW(nullptr), nullptr);
        m_static = CreateWindowExW(0, L"STATIC", kText, WS_CHILD | WS_VISIBLE | SS_LEFT, 10, 10, 300, 60, m_host,
                                   reinterpret_cast<HMENU>(1010), GetModuleHandleW(nullptr), nullptr);
        m_font = CreateFontW(-16, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, NONANTIALIASED_QUALITY, 0,
                             L"IPAPGothic");
        SendMessageW(m_static, WM_SETFONT, reinterpret_cast<WPARAM>(m_font), FALSE);
        m_savedColours = CHyperLink::Colours();
        CHyperLink::SetColours(kLink, kPressed, kVisited, kHover);
        m_link.SetAddress(kAddress);
        m_link.SetShell(m_shell.Make());
        ASSERT_TRUE(m_link.AttachHandle(m_static));
    }
    void TearDown() override {
        DestroyWindow(m_host);
        DeleteObject(m_font);
        CHyperLink::SetColours(m_savedColours);
    }

    void MoveTo(int x, int y) { SendMessageW(m_static, WM_MOUSEMOVE, 0, MAKELPARAM(x, y)); }
    void Click() {
        SendMessageW(m_static, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
        SendMessageW(m_static, WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
    }
    // The text shows in exactly one of the four link colours.
    void ExpectShownIn(COLORREF shown, const char* when) {
        for (COLORREF colour : kAllColours) {
            int count = CountClientPixels(m_static, colour);
            if (colour == shown)
                EXPECT_GT(count, 20) << when;
            else
                EXPECT_EQ(count, 0) << when << ": colour " << std::hex << colour;
        }
    }

    HWND m_host = nullptr;
    HWND m_static = nullptr;
    HFONT m_font = nullptr;
    LinkColours m_savedColours;
    RecordedShell m_shell;
    CHyperLink m_link;
};

TEST_F(HyperLinkTest, ColourFollowsThePointerTheFocusAndTheVisit) {
    m_link.ModifyLinkStyle(0, kLinkUseHover);
    struct Step {
        const char* what;
        std::function<void()> act;
        COLORREF shown;
        bool captured;
    };
    const Step steps[] = {
        {"at rest", [] {}, kLink, false},
        {"pointer over it", [&] { MoveTo(3, 3); }, kHover, true},
        {"pointer gone", [&] { MoveTo(3, 300); }, kLink, false},
        {"clicked, so focused", [&] { Click(); }, kPressed, false},
        {"focus elsewhere", [&] { SetFocus(m_host); }, kVisited, false},
        {"pointer over the visited link", [&] { MoveTo(3, 3); }, kHover, true},
        {"pointer gone to the left", [&] { MoveTo(-4, 3); }, kVisited, false},
    };
    for (const Step& step : steps) {
        step.act();
        ExpectShownIn(step.shown, step.what);
        EXPECT_EQ(GetCapture() == m_static, step.captured) << step.what;
    }
    EXPECT_EQ(m_shell.opened, std::vector<std::wstring>{kAddress});
}

TEST_F(HyperLinkTest, NothingToOpenTheAddressBeepsAndNamesTheReason) {
    m_shell.shellResult = {false, 31};
    Click();
    ASSERT_EQ(m_shell.boxes.size(), 1u);
    EXPECT_EQ(m_shell.boxes[0].text,
              L"Can't open link:\n\nThere is no application associated\nwith the given filename extension.");
    EXPECT_TRUE(m_shell.boxes[0].type & MB_ICONEXCLAMATION);
    EXPECT_EQ(m_shell.beeps, std::vector<UINT>{MB_ICONEXCLAMATION});
    EXPECT_TRUE(m_shell.commands.empty());
    SetFocus(m_host);
    EXPECT_FALSE(m_link.IsVisited());
    ExpectShownIn(kLink, "after the failure");
}

TEST_F(HyperLinkTest, SpaceOpensTheFocusedLinkOtherKeysDoNot) {
    SetFocus(m_static);
    EXPECT_TRUE(m_link.IsPressed());
    for (WPARAM key : {WPARAM{VK_RETURN}, WPARAM{'A'}, WPARAM{VK_SPACE}}) SendMessageW(m_static, WM_KEYDOWN, key, 0);
    EXPECT_EQ(m_shell.opened, std::vector<std::wstring>{kAddress});
    EXPECT_TRUE(m_link.IsVisited());
}

TEST_F(HyperLinkTest, SizedToItsUnderlinedTextWithTheAddressAsTooltip) {
    LOGFONTW font{};
    GetObjectW(m_link.LinkFont(), sizeof(font), &font);
    EXPECT_TRUE(font.lfUnderline);
    HDC dc = GetDC(m_static);
    HGDIOBJ old = SelectObject(dc, m_link.LinkFont());
    SIZE text{};
    GetTextExtentPoint32W(dc, kText, lstrlenW(kText), &text);
    SelectObject(dc, old);
    ReleaseDC(m_static, dc);
    RECT client{};
    GetClientRect(m_static, &client);
    EXPECT_EQ(client.right, text.cx);
    EXPECT_EQ(client.bottom, text.cy);
    EXPECT_EQ(m_link.TooltipText(), kAddress);

    const std::wstring longAddress = L"http://example.invalid/" + std::wstring(400, L'p');
    m_link.SetAddress(longAddress);
    EXPECT_EQ(m_link.TooltipText(), longAddress);

    EXPECT_FALSE(m_link.ModifyLinkStyle(kLinkUnderline, kLinkUnderline));
    EXPECT_TRUE(m_link.ModifyLinkStyle(kLinkUnderline, 0));
    GetObjectW(m_link.LinkFont(), sizeof(font), &font);
    EXPECT_FALSE(font.lfUnderline);
}

TEST_F(HyperLinkTest, APictureLinkKeepsItsPicture) {
    HWND picture = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE | SS_BITMAP, 10, 100, 10, 10, m_host,
                                   reinterpret_cast<HMENU>(1022), GetModuleHandleW(nullptr), nullptr);
    ui::gdi::Bitmap bitmap = ui::LoadBitmapResource(IDB_ABOUT_LINK);
    SendMessageW(picture, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap.Get()));
    CHyperLink link;
    link.SetShell(m_shell.Make());
    ASSERT_TRUE(link.AttachHandle(picture));
    link.SetAddress(kAddress);
    EXPECT_EQ(SendMessageW(picture, STM_GETIMAGE, IMAGE_BITMAP, 0), reinterpret_cast<LRESULT>(bitmap.Get()));
    RECT client{};
    GetClientRect(picture, &client);
    EXPECT_EQ(client.right, 88);
    EXPECT_EQ(client.bottom, 31);
    SendMessageW(picture, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageW(picture, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(m_shell.opened, std::vector<std::wstring>{kAddress});
    DestroyWindow(picture);
}

}  // namespace
