// The about box: its texts, fonts, colours and sizes, the two links to the manual,
// the white background, topmost; and opening the manual on F1.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "LinkTestSupport.h"
#include "PixelTestSupport.h"
#include "WineTestSupport.h"
#include "controls/CLinkShell.h"
#include "controls/CAboutDialog.h"
#include "resource.h"
#include "ui/Text.h"

namespace {

constexpr wchar_t kFolder[] = L"C:\\pokomi-about-test\\";
constexpr wchar_t kManual[] = L"C:\\pokomi-about-test\\manual.html";
constexpr COLORREF kWhite = RGB(255, 255, 255);

int Dpi() {
    HDC screen = GetDC(nullptr);
    int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi;
}

class AboutDialogTest : public testing::Test {
protected:
    void SetUp() override { m_savedColours = CHyperLink::Colours(); }
    void Open(int topMost = 0) {
        m_about.m_topMost = topMost;
        m_about.m_programFolder = kFolder;
        m_about.m_shell = m_shell.Make();
        ASSERT_TRUE(m_about.Create(nullptr));
        ShowWindow(m_about.Handle(), SW_SHOWNOACTIVATE);
        UpdateWindow(m_about.Handle());
    }
    void TearDown() override {
        if (m_about.Handle()) DestroyWindow(m_about.Handle());
        ui::PumpMessages();
        CHyperLink::SetColours(m_savedColours);
    }
    HWND Item(int id) const { return m_about.Item(id); }
    template <class Control>
    Control* ControlOf(int id) const {
        return dynamic_cast<Control*>(ui::Control::FromHandle(Item(id)));
    }

    LinkColours m_savedColours;
    RecordedShell m_shell;
    CAboutDialog m_about;
};

TEST_F(AboutDialogTest, ShowsTheVersionAndCreditsInTheirFonts) {
    Open();
    EXPECT_EQ(ui::WindowText(m_about.Handle()), L"バージョン情報");
    auto* version = ControlOf<CTextLabel>(IDC_ABOUT_VERSION);
    ASSERT_NE(version, nullptr);
    EXPECT_EQ(ui::WindowText(Item(IDC_ABOUT_VERSION)), L"Version 1.0");
    EXPECT_EQ(version->TextColour(), RGB(0, 0, 255));
    LOGFONTW font = FontOf(Item(IDC_ABOUT_VERSION));
    EXPECT_EQ(std::wstring(font.lfFaceName), L"Arial");
    EXPECT_EQ(font.lfHeight, -MulDiv(20, Dpi(), 72));
    // The big version text fits its label.
    EXPECT_LE(version->MeasureTextHeight(), ClientSize(Item(IDC_ABOUT_VERSION)).cy);

    for (int i = 0; i < CAboutDialog::kRoleCount; ++i) {
        auto* role = ControlOf<CTextLabel>(IDC_ABOUT_ROLE_ILLUST + i);
        auto* name = ControlOf<CTextLabel>(IDC_ABOUT_NAME_ILLUST + i);
        ASSERT_TRUE(role && name) << i;
        EXPECT_EQ(role->Format(), static_cast<UINT>(DT_RIGHT));
        font = FontOf(Item(IDC_ABOUT_ROLE_ILLUST + i));
        EXPECT_EQ(font.lfWeight, FW_BOLD);
        EXPECT_EQ(font.lfHeight, MulDiv(9, Dpi(), 72));
        EXPECT_FALSE(ui::WindowText(Item(IDC_ABOUT_NAME_ILLUST + i)).empty());
        EXPECT_LE(role->MeasureTextHeight(), ClientSize(Item(IDC_ABOUT_ROLE_ILLUST + i)).cy);
    }
    auto* notice = ControlOf<CTextLabel>(IDC_ABOUT_NOTICE);
    ASSERT_NE(notice, nullptr);
    EXPECT_EQ(notice->Format(), static_cast<UINT>(DT_WORDBREAK));
    EXPECT_LE(notice->MeasureTextHeight(), ClientSize(Item(IDC_ABOUT_NOTICE)).cy);  // its two lines fit
}

TEST_F(AboutDialogTest, HasTheTemplatesSizeAndItsPicturesWithoutOverlaps) {
    Open();
    RECT expected{0, 0, 247, 191};
    MapDialogRect(m_about.Handle(), &expected);
    SIZE client = ClientSize(m_about.Handle());
    EXPECT_EQ(client.cx, expected.right);
    EXPECT_EQ(client.cy, expected.bottom);
    EXPECT_EQ(ClientSize(Item(IDC_ABOUT_PICTURE_LINK)).cx, 88);
    EXPECT_EQ(ClientSize(Item(IDC_ABOUT_PICTURE_LINK)).cy, 31);

    std::vector<HWND> children;
    for (HWND child = GetWindow(m_about.Handle(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        children.push_back(child);
    ASSERT_EQ(children.size(), 16u);
    RECT whole{0, 0, client.cx, client.cy};
    for (size_t i = 0; i < children.size(); ++i) {
        RECT a = ChildRectInParent(m_about.Handle(), GetDlgCtrlID(children[i]));
        if (GetDlgCtrlID(children[i]) == -1) {  // the title picture
            EXPECT_EQ(a.right - a.left, 340);
            EXPECT_EQ(a.bottom - a.top, 60);
        }
        RECT inside{};
        IntersectRect(&inside, &a, &whole);
        EXPECT_TRUE(EqualRect(&inside, &a)) << GetDlgCtrlID(children[i]);
        for (size_t j = i + 1; j < children.size(); ++j) {
            RECT b = ChildRectInParent(m_about.Handle(), GetDlgCtrlID(children[j])), overlap{};
            EXPECT_FALSE(IntersectRect(&overlap, &a, &b))
                << GetDlgCtrlID(children[i]) << " overlaps " << GetDlgCtrlID(children[j]);
        }
    }
}

TEST_F(AboutDialogTest, BothLinksOpenTheManual) {
    Open();
    auto* text = ControlOf<CHyperLink>(IDC_ABOUT_TEXT_LINK);
    auto* picture = ControlOf<CHyperLink>(IDC_ABOUT_PICTURE_LINK);
    ASSERT_TRUE(text && picture);
    EXPECT_EQ(ui::WindowText(Item(IDC_ABOUT_TEXT_LINK)), L"ぽこみ オフィシャルページ");
    EXPECT_EQ(text->TooltipText(), kManual);
    EXPECT_EQ(picture->TooltipText(), kManual);
    EXPECT_TRUE(text->LinkStyle() & kLinkUseHover);
    EXPECT_FALSE(picture->LinkStyle() & kLinkUseHover);
    EXPECT_EQ(CHyperLink::Colours().pressed, RGB(255, 0, 0));

    for (int id : {IDC_ABOUT_PICTURE_LINK, IDC_ABOUT_TEXT_LINK}) ClickAt(Item(id), 4, 4);
    EXPECT_EQ(m_shell.opened, (std::vector<std::wstring>{kManual, kManual}));
    SetFocus(Item(IDOK));
    EXPECT_TRUE(text->IsVisited());
    EXPECT_GT(PrintedPixels(Item(IDC_ABOUT_TEXT_LINK)).Count(RGB(128, 0, 128)), 20);
}

// Keys go through the dialog manager, as in the box's modal loop.
TEST_F(AboutDialogTest, TabReachesTheTextLinkAndSpaceOpensIt) {
    Open();
    HWND link = Item(IDC_ABOUT_TEXT_LINK);
    ASSERT_EQ(GetFocus(), Item(IDOK));
    PostMessageW(Item(IDOK), WM_KEYDOWN, VK_TAB, 0);
    ui::PumpMessages();
    ASSERT_EQ(GetFocus(), link);
    EXPECT_GT(PrintedPixels(link).Count(RGB(255, 0, 0)), 20);  // focused: the pressed colour
    PostMessageW(link, WM_KEYDOWN, VK_SPACE, 0);
    ui::PumpMessages();
    EXPECT_EQ(m_shell.opened, std::vector<std::wstring>{kManual});
    EXPECT_TRUE(IsWindow(m_about.Handle()));
}

TEST_F(AboutDialogTest, StandsOnWhite) {
    Open();
    RECT version = ChildRectInParent(m_about.Handle(), IDC_ABOUT_VERSION);
    const Image shown = ShownPixels(m_about.Handle());
    EXPECT_EQ(shown.At(2, shown.height - 3), kWhite);  // the margin
    EXPECT_EQ(shown.At(version.right - 2, version.bottom - 2), kWhite);
    // The text link: blue letters on white and nothing else.
    const Image link = PrintedPixels(Item(IDC_ABOUT_TEXT_LINK));
    EXPECT_GT(link.Count(RGB(0, 0, 255)), 20);
    EXPECT_GT(link.Count(kWhite), link.width * link.height / 2);
}

TEST_F(AboutDialogTest, OpensTopmostWhenTheClockIs) {
    for (int topMost : {0, 1}) {
        Open(topMost);
        EXPECT_EQ((GetWindowLongPtrW(m_about.Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0, topMost == 1);
        DestroyWindow(m_about.Handle());
    }
}

TEST(AboutDialogTestManual, OpensTheManualOrSaysWhichFileIsMissing) {
    RecordedShell shell;
    shell.filesExist = false;
    EXPECT_FALSE(OpenManual(nullptr, kFolder, shell.Make()));
    ASSERT_EQ(shell.boxes.size(), 1u);
    EXPECT_NE(shell.boxes[0].text.find(kManual), std::wstring::npos);
    EXPECT_TRUE(shell.opened.empty());

    shell.filesExist = true;
    EXPECT_TRUE(OpenManual(nullptr, kFolder, shell.Make()));
    EXPECT_EQ(shell.opened, std::vector<std::wstring>{kManual});
    EXPECT_EQ(shell.boxes.size(), 1u);

    shell.shellResult = {false, 5};
    EXPECT_FALSE(OpenManual(nullptr, L"C:\\pokomi-about-test", shell.Make()));
    ASSERT_EQ(shell.boxes.size(), 2u);
    EXPECT_EQ(shell.boxes[1].text, L"Can't open link:\n\nThe operating system denied\naccess to the specified file.");
}

}  // namespace
