// The label control: its own background, text colour, font and DrawText format.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "ClockTestSupport.h"
#include "clock/CClockDialog.h"
#include "controls/CTextLabel.h"
#include "resource.h"
#include "ui/Gdi.h"

namespace {

constexpr wchar_t kHostClass[] = L"PokomiTextLabelTestHost";
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr wchar_t kLongText[] =
    L"ぽこみのラベルは長い文章を折り返して表示します。ぽこみのラベルは長い文章を折り返して表示します。";

// Captured pixels of a window's client area, painted through WM_PRINTCLIENT.
struct Pixels {
    int width = 0;
    int height = 0;
    std::vector<COLORREF> values;
    COLORREF At(int x, int y) const { return values[static_cast<size_t>(y * width + x)]; }
    int CountNot(COLORREF colour) const {
        int count = 0;
        for (COLORREF value : values) count += value != colour ? 1 : 0;
        return count;
    }
    int CountOf(COLORREF colour) const { return static_cast<int>(values.size()) - CountNot(colour); }
};

Pixels Capture(HWND hwnd) {
    RECT client{};
    GetClientRect(hwnd, &client);
    Pixels pixels{client.right, client.bottom, {}};
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = pixels.width;
    info.bmiHeader.biHeight = -pixels.height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HDC memory = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, bitmap);
    SendMessageW(hwnd, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory), PRF_CLIENT);
    GdiFlush();
    const auto* bgra = static_cast<const BYTE*>(bits);
    for (int i = 0; i < pixels.width * pixels.height; ++i)
        pixels.values.push_back(RGB(bgra[i * 4 + 2], bgra[i * 4 + 1], bgra[i * 4]));
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    return pixels;
}

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
        WNDCLASSW wc{};
        wc.lpfnWndProc = DefWindowProcW;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = kHostClass;
        RegisterClassW(&wc);
        m_host = CreateWindowExW(WS_EX_TOPMOST, kHostClass, L"", WS_POPUP | WS_VISIBLE, 20, 20, 300, 200, nullptr,
                                 nullptr, GetModuleHandleW(nullptr), nullptr);
        m_static = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE | SS_LEFT, 10, 10, 120, 80, m_host,
                                   reinterpret_cast<HMENU>(1011), GetModuleHandleW(nullptr), nullptr);
        m_font = CreateFontW(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, NONANTIALIASED_QUALITY, 0,
                             L"IPAPGothic");
        SendMessageW(m_static, WM_SETFONT, reinterpret_cast<WPARAM>(m_font), FALSE);
        ASSERT_TRUE(m_label.AttachHandle(m_static));
    }
    void TearDown() override {
        DestroyWindow(m_host);
        DeleteObject(m_font);
    }
    void SetText(const wchar_t* text) { SetWindowTextW(m_static, text); }

    HWND m_host = nullptr;
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
    Capture(m_static);
    ASSERT_GT(m_label.TextHeight(), 0);
    SetText(L"");
    Pixels pixels = Capture(m_static);
    EXPECT_EQ(pixels.width, 120);
    EXPECT_EQ(pixels.CountNot(RGB(10, 200, 30)), 0);
    EXPECT_EQ(m_label.TextHeight(), 0);
}

TEST_F(TextLabelTest, DrawsTheTextInItsColoursOverItsBackground) {
    SetText(L"■■■ Label");
    m_label.SetBackgroundColour(kBlue);
    m_label.SetTextColour(kRed);
    Pixels pixels = Capture(m_static);
    int lineHeight = LineHeight(m_font);
    EXPECT_EQ(m_label.TextHeight(), lineHeight);
    EXPECT_GT(pixels.CountOf(kRed), 20);  // the solid squares at least
    // Below the one line of text only the background shows, and so does the far right.
    for (int y = lineHeight; y < pixels.height; ++y)
        for (int x = 0; x < pixels.width; ++x) ASSERT_EQ(pixels.At(x, y), kBlue) << x << "," << y;
    EXPECT_EQ(pixels.At(pixels.width - 1, 0), kBlue);
    // Every pixel is the text colour, the background or an edge between them.
    EXPECT_EQ(pixels.CountOf(kRed) + pixels.CountOf(kBlue), pixels.width * pixels.height);
}

TEST_F(TextLabelTest, WithoutWordBreakALongTextStaysOneLineCutAtTheRightEdge) {
    SetText(kLongText);
    m_label.SetBackgroundColour(kBlue);
    m_label.SetTextColour(kRed);
    Pixels pixels = Capture(m_static);
    int lineHeight = LineHeight(m_font);
    EXPECT_EQ(m_label.TextHeight(), lineHeight);
    int textInLastColumns = 0;
    for (int y = 0; y < lineHeight; ++y)
        for (int x = pixels.width - 10; x < pixels.width; ++x) textInLastColumns += pixels.At(x, y) != kBlue ? 1 : 0;
    EXPECT_GT(textInLastColumns, 0);  // the line runs on to the edge
    for (int y = lineHeight; y < pixels.height; ++y)
        for (int x = 0; x < pixels.width; ++x) ASSERT_EQ(pixels.At(x, y), kBlue) << x << "," << y;
}

TEST_F(TextLabelTest, WordBreakWrapsAndTheHeightGrowsWithTheLines) {
    int lineHeight = LineHeight(m_font);
    m_label.SetFormat(DT_WORDBREAK | DT_NOPREFIX);
    SetText(L"短い");
    Capture(m_static);
    EXPECT_EQ(m_label.TextHeight(), lineHeight);
    SetText(kLongText);
    m_label.SetBackgroundColour(kBlue);
    Pixels pixels = Capture(m_static);
    EXPECT_GE(m_label.TextHeight(), 3 * lineHeight);
    EXPECT_EQ(m_label.TextHeight() % lineHeight, 0);
    int linesWithText = 0;
    for (int line = 0; line * lineHeight < pixels.height; ++line) {
        bool any = false;
        for (int y = line * lineHeight; y < std::min(pixels.height, (line + 1) * lineHeight); ++y)
            for (int x = 0; x < pixels.width; ++x) any = any || pixels.At(x, y) != kBlue;
        linesWithText += any ? 1 : 0;
    }
    EXPECT_GE(linesWithText, 3);
}

TEST_F(TextLabelTest, CalcRectMeasuresWithoutDrawing) {
    SetText(kLongText);
    m_label.SetBackgroundColour(kBlue);
    m_label.SetFormat(DT_WORDBREAK | DT_NOPREFIX | DT_CALCRECT);
    Pixels pixels = Capture(m_static);
    EXPECT_EQ(pixels.CountNot(kBlue), 0);
    int measured = m_label.TextHeight();
    EXPECT_GE(measured, 3 * LineHeight(m_font));

    m_label.SetFormat(DT_WORDBREAK | DT_NOPREFIX);
    Capture(m_static);
    EXPECT_EQ(m_label.TextHeight(), measured);
}

TEST_F(TextLabelTest, MeasureTextHeightAgreesWithThePaintAndKeepsTheHeight) {
    m_label.SetFormat(DT_WORDBREAK | DT_NOPREFIX);
    SetText(kLongText);
    int measured = m_label.MeasureTextHeight();
    EXPECT_EQ(m_label.TextHeight(), measured);
    EXPECT_EQ(m_label.Format(), static_cast<UINT>(DT_WORDBREAK | DT_NOPREFIX));  // the format is left alone
    Capture(m_static);
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
    int withoutPrefix = Capture(m_static).CountOf(kRed);
    m_label.SetFormat(DT_NOPREFIX);
    int withPrefix = Capture(m_static).CountOf(kRed);
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
    HDC dc = GetDC(m_static);
    COLORREF corner = GetPixel(dc, 119, 79);
    int red = 0;
    for (int x = 0; x < 60; ++x) red += GetPixel(dc, x, 5) == kRed ? 1 : 0;
    ReleaseDC(m_static, dc);
    EXPECT_EQ(corner, kBlue);
    EXPECT_GT(red, 10);
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
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(hwnd, WM_GETFONT, 0, 0)), sizeof(font), &font);
    EXPECT_EQ(font.lfHeight, 17);
    EXPECT_EQ(font.lfWeight, 700);
    EXPECT_EQ(std::wstring(font.lfFaceName), L"Times New Roman");
    Pixels pixels = Capture(hwnd);
    EXPECT_EQ(pixels.At(pixels.width - 1, pixels.height - 1), RGB(242, 148, 76));
    EXPECT_GT(pixels.CountNot(RGB(242, 148, 76)), 0);  // the time text
}

}  // namespace
