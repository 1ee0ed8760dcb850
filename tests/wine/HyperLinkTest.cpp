// The link control: its colours under the pointer, pressed and after a visit, the
// error box when nothing opens the address, Space, sizing, a picture link.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "LinkTestSupport.h"
#include "PixelTestSupport.h"
#include "WineTestSupport.h"
#include "controls/CHyperLink.h"
#include "resource.h"
#include "ui/Resources.h"

namespace {

constexpr wchar_t kText[] = L"■ぽこみのページ■";
constexpr wchar_t kAddress[] = L"http://example.invalid/pokomi/";
constexpr COLORREF kLink = RGB(0, 0, 255);
constexpr COLORREF kPressed = RGB(0, 128, 128);
constexpr COLORREF kVisited = RGB(128, 0, 128);
constexpr COLORREF kHover = RGB(255, 0, 0);
constexpr COLORREF kAllColours[] = {kLink, kPressed, kVisited, kHover};

// A link on a white parent that reflects its colour message to it, as dialogs do.
class HyperLinkTest : public testing::Test {
protected:
    void SetUp() override {
        m_static = m_host.AddChild(L"STATIC", kText, SS_LEFT, {10, 10, 310, 70}, 1010);
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
        DestroyWindow(m_static);
        DeleteObject(m_font);
        CHyperLink::SetColours(m_savedColours);
    }

    void MoveTo(int x, int y) { MouseMove(m_static, x, y); }
    void Click() { ClickAt(m_static, 3, 3); }
    // The text shows in exactly one of the four link colours.
    void ExpectShownIn(COLORREF shown, const char* when) {
        for (COLORREF colour : kAllColours) {
            int count = PrintedPixels(m_static).Count(colour);
            if (colour == shown)
                EXPECT_GT(count, 20) << when;
            else
                EXPECT_EQ(count, 0) << when << ": colour " << std::hex << colour;
        }
    }

    ReflectingHost m_host{{400, 200}};
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
        {"focus elsewhere", [&] { SetFocus(m_host.Handle()); }, kVisited, false},
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
    SetFocus(m_host.Handle());
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
    HWND picture = m_host.AddChild(L"STATIC", L"", SS_BITMAP, {10, 100, 20, 110}, 1022);
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
    ClickAt(picture, 5, 5);
    EXPECT_EQ(m_shell.opened, std::vector<std::wstring>{kAddress});
    DestroyWindow(picture);
}

}  // namespace
