// The label control: its own background, text colour, font and DrawText format.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "ClockTestSupport.h"
#include "PixelTestSupport.h"
#include "WineTestSupport.h"
#include "clock/CClockDialog.h"
#include "controls/CTextLabel.h"
#include "resource.h"
#include "ui/Gdi.h"

namespace {

constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr wchar_t kLongText[] =
    L"ぽこみのラベルは長い文章を折り返して表示します。ぽこみのラベルは長い文章を折り返して表示します。";

int LineHeight(HFONT font) {
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    return metrics.tmHeight;
}

// A top-level window holding one static control taken over by a CTextLabel.
class TextLabelTest : public testing::Test {
protected:
    void SetUp() override {
        m_static = m_host.AddChild(L"STATIC", L"", SS_LEFT, {10, 10, 130, 90}, 1011);
        m_font = CreateFontW(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, NONANTIALIASED_QUALITY, 0,
                             L"IPAPGothic");
        SendMessageW(m_static, WM_SETFONT, reinterpret_cast<WPARAM>(m_font), FALSE);
        ASSERT_TRUE(m_label.AttachHandle(m_static));
    }
    void TearDown() override {
        DestroyWindow(m_static);
        DeleteObject(m_font);
    }
    void SetText(const wchar_t* text) { SetWindowTextW(m_static, text); }

    ReflectingHost m_host{{300, 200}};
    HWND m_static = nullptr;
    HFONT m_font = nullptr;
    CTextLabel m_label;
};

TEST_F(TextLabelTest, StartsWithTheDefaults) {
    CTextLabel fresh;
    EXPECT_EQ(fresh.Format(), 0u);
    EXPECT_EQ(fresh.TextColour(), GetSysColor(COLOR_BTNTEXT));
    EXPECT_EQ(fresh.BackgroundColour(), RGB(255, 255, 255));
    EXPECT_EQ(fresh.TextHeight(), 0);
}

TEST_F(TextLabelTest, EmptyTextPaintsOnlyTheBackground) {
    SetText(L"前の文");
    m_label.SetBackgroundColour(RGB(10, 200, 30));
    PrintedPixels(m_static);
    ASSERT_GT(m_label.TextHeight(), 0);
    SetText(L"");
    Image pixels = PrintedPixels(m_static);
    EXPECT_EQ(pixels.width, 120);
    EXPECT_EQ(pixels.CountOther(RGB(10, 200, 30)), 0);
    EXPECT_EQ(m_label.TextHeight(), 0);
}

TEST_F(TextLabelTest, DrawsTheTextInItsColoursOverItsBackground) {
    SetText(L"■■■ Label");
    m_label.SetBackgroundColour(kBlue);
    m_label.SetTextColour(kRed);
    Image pixels = PrintedPixels(m_static);
    int lineHeight = LineHeight(m_font);
    EXPECT_EQ(m_label.TextHeight(), lineHeight);
    EXPECT_GT(pixels.Count(kRed), 20);  // the solid squares at least
    // Below the one line of text only the background shows, and so does the far right.
    EXPECT_EQ(pixels.Part({0, lineHeight, pixels.width, pixels.height}).CountOther(kBlue), 0);
    EXPECT_EQ(pixels.At(pixels.width - 1, 0), kBlue);
    // Every pixel is the text colour, the background or an edge between them.
    EXPECT_EQ(pixels.Count(kRed) + pixels.Count(kBlue), pixels.width * pixels.height);
}

TEST_F(TextLabelTest, WithoutWordBreakALongTextStaysOneLineCutAtTheRightEdge) {
    SetText(kLongText);
    m_label.SetBackgroundColour(kBlue);
    m_label.SetTextColour(kRed);
    Image pixels = PrintedPixels(m_static);
    int lineHeight = LineHeight(m_font);
    EXPECT_EQ(m_label.TextHeight(), lineHeight);
    // The line runs on to the edge.
    EXPECT_GT(pixels.Part({pixels.width - 10, 0, pixels.width, lineHeight}).CountOther(kBlue), 0);
    EXPECT_EQ(pixels.Part({0, lineHeight, pixels.width, pixels.height}).CountOther(kBlue), 0);
}

TEST_F(TextLabelTest, WordBreakWrapsAndTheHeightGrowsWithTheLines) {
    int lineHeight = LineHeight(m_font);
    m_label.SetFormat(DT_WORDBREAK | DT_NOPREFIX);
    SetText(L"短い");
    PrintedPixels(m_static);
    EXPECT_EQ(m_label.TextHeight(), lineHeight);
    SetText(kLongText);
    m_label.SetBackgroundColour(kBlue);
    Image pixels = PrintedPixels(m_static);
    EXPECT_GE(m_label.TextHeight(), 3 * lineHeight);
    EXPECT_EQ(m_label.TextHeight() % lineHeight, 0);
    int linesWithText = 0;
    for (int top = 0; top < pixels.height; top += lineHeight)
        linesWithText +=
            pixels.Part({0, top, pixels.width, std::min(pixels.height, top + lineHeight)}).CountOther(kBlue) > 0;
    EXPECT_GE(linesWithText, 3);
}

TEST_F(TextLabelTest, CalcRectMeasuresWithoutDrawing) {
    SetText(kLongText);
    m_label.SetBackgroundColour(kBlue);
    m_label.SetFormat(DT_WORDBREAK | DT_NOPREFIX | DT_CALCRECT);
    Image pixels = PrintedPixels(m_static);
    EXPECT_EQ(pixels.CountOther(kBlue), 0);
    int measured = m_label.TextHeight();
    EXPECT_GE(measured, 3 * LineHeight(m_font));

    m_label.SetFormat(DT_WORDBREAK | DT_NOPREFIX);
    PrintedPixels(m_static);
    EXPECT_EQ(m_label.TextHeight(), measured);
}

TEST_F(TextLabelTest, MeasureTextHeightAgreesWithThePaintAndKeepsTheHeight) {
    m_label.SetFormat(DT_WORDBREAK | DT_NOPREFIX);
    SetText(kLongText);
    int measured = m_label.MeasureTextHeight();
    EXPECT_EQ(m_label.TextHeight(), measured);
    EXPECT_EQ(m_label.Format(), static_cast<UINT>(DT_WORDBREAK | DT_NOPREFIX));  // the format is left alone
    PrintedPixels(m_static);
    EXPECT_EQ(m_label.TextHeight(), measured);

    SetText(L"一行目\r\n二行目");
    EXPECT_EQ(m_label.MeasureTextHeight(), 2 * LineHeight(m_font));
    SetText(L"");
    EXPECT_EQ(m_label.MeasureTextHeight(), 0);
}

TEST_F(TextLabelTest, UsesTheFontSetOnTheControl) {
    SetText(L"大きな文字");
    HFONT big = CreateFontW(-40, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"IPAPGothic");
    m_label.SetFont(big, false);
    EXPECT_EQ(m_label.MeasureTextHeight(), LineHeight(big));
    EXPECT_GT(LineHeight(big), LineHeight(m_font));
    m_label.SetFont(m_font, false);
    DeleteObject(big);
}

TEST_F(TextLabelTest, PrefixCharactersAreShownOnlyWithNoPrefix) {
    m_label.SetBackgroundColour(kBlue);
    m_label.SetTextColour(kRed);
    SetText(L"&&&&&&&&&&");
    int withoutPrefix = PrintedPixels(m_static).Count(kRed);
    m_label.SetFormat(DT_NOPREFIX);
    int withPrefix = PrintedPixels(m_static).Count(kRed);
    EXPECT_GT(withPrefix, withoutPrefix);  // ten ampersands drawn instead of five
}

TEST_F(TextLabelTest, ARealPaintDrawsOnScreenAndLeaksNothing) {
    SetText(L"■■■■");
    m_label.SetBackgroundColour(kBlue);
    m_label.SetTextColour(kRed);
    long live = ui::gdi::LiveObjects();
    RedrawWindow(m_static, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    EXPECT_EQ(ui::gdi::LiveObjects(), live);
    EXPECT_EQ(m_label.TextHeight(), LineHeight(m_font));
    EXPECT_EQ(ShownPixels(m_static).At(119, 79), kBlue);
    EXPECT_GT(ShownPixels(m_static, {0, 5, 60, 6}).Count(kRed), 10);
}

TEST(TextLabelTestClock, TheClockLabelHasItsColourAndFont) {
    TestWorld world;
    world.WriteProfile(L"CaptionClock", L"1");
    RunningClock clock(world);
    ASSERT_TRUE(clock.Alive());
    world.time.second += 1;
    clock.Tick();
    HWND hwnd = GetDlgItem(clock.Hwnd(), IDC_CLOCK_LABEL);
    auto* label = dynamic_cast<CTextLabel*>(ui::Control::FromHandle(hwnd));
    ASSERT_NE(label, nullptr);
    EXPECT_TRUE(IsWindowVisible(hwnd));
    EXPECT_EQ(label->BackgroundColour(), RGB(242, 148, 76));
    const LOGFONTW font = FontOf(hwnd);
    EXPECT_EQ(font.lfHeight, 17);
    EXPECT_EQ(font.lfWeight, 700);
    EXPECT_EQ(std::wstring(font.lfFaceName), L"Times New Roman");
    Image pixels = PrintedPixels(hwnd);
    EXPECT_EQ(pixels.At(pixels.width - 1, pixels.height - 1), RGB(242, 148, 76));
    EXPECT_GT(pixels.CountOther(RGB(242, 148, 76)), 0);  // the time text
}

}  // namespace
