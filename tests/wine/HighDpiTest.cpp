// The clock on a screen of the prefix's DPI: the test command runs this file in prefixes of
// 96, 144 and 192 DPI. Shape, controls and face are those of 96 DPI, scaled; at 96 DPI they
// are exactly those.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>

#include "ClockTestSupport.h"
#include "PixelTestSupport.h"
#include "WineTestSupport.h"
#include "alarms/CMessageDialog.h"
#include "clock/CClockDialog.h"
#include "clock/FaceGeometry.h"
#include "clock/TimeText.h"
#include "resource.h"
#include "ui/Dpi.h"
#include "ui/Gdi.h"
#include "ui/Text.h"

namespace {

RECT Scaled(const RECT& r, DpiScale s) { return {s.Px(r.left), s.Px(r.top), s.Px(r.right), s.Px(r.bottom)}; }

// Whether the 96-DPI window shape covers the pixel.
bool DesignRegionCovers(int x, int y) {
    for (const RegionPiece& piece : kWindowRegionPieces) {
        const Rect& b = piece.bounds;
        ui::gdi::Region region(piece.shape == RegionShape::Ellipse ? CreateEllipticRgn(b.left, b.top, b.right, b.bottom)
                                                                   : CreateRectRgn(b.left, b.top, b.right, b.bottom));
        if (PtInRegion(region.Get(), x, y)) return true;
    }
    return false;
}

// The 96-DPI picture enlarged to the screen's size with the smooth filter the face uses.
Image Enlarged(const Image& design, int width, int height) {
    Canvas small(design.width, design.height), large(width, height);
    for (int y = 0; y < design.height; ++y)
        for (int x = 0; x < design.width; ++x) SetPixelV(small.Dc(), x, y, design.At(x, y));
    SetStretchBltMode(large.Dc(), HALFTONE);
    SetBrushOrgEx(large.Dc(), 0, 0, nullptr);
    StretchBlt(large.Dc(), 0, 0, width, height, small.Dc(), 0, 0, design.width, design.height, SRCCOPY);
    return large.Pixels();
}

// The mean difference of the colour channels, 0 to 255.
double MeanDifference(const Image& a, const Image& b) {
    double sum = 0;
    for (size_t i = 0; i < a.pixels.size(); ++i)
        for (int shift : {0, 8, 16})
            sum += std::abs(static_cast<int>((a.pixels[i] >> shift) & 0xFF) -
                            static_cast<int>((b.pixels[i] >> shift) & 0xFF));
    return sum / (3.0 * static_cast<double>(a.pixels.size()));
}

Image Face(const RunningClock& clock) {
    RECT client{};
    GetClientRect(clock.Hwnd(), &client);
    Canvas canvas(client.right, client.bottom);
    clock.Dialog()->PaintFace(canvas.Dc());
    return canvas.Pixels();
}

void MoveToDpi(const RunningClock& clock, int dpi) {
    RECT window = WindowRectOf(clock.Hwnd());
    SendMessageW(clock.Hwnd(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&window));
    clock.Pump();
}

TEST(HighDpiTest, WindowShapeAndControlsAreThoseOf96DpiScaled) {
    const DpiScale s = ui::SystemDpi();
    TestWorld world;
    RunningClock clock(world);
    HWND hwnd = clock.Hwnd();
    const RECT window = WindowRectOf(hwnd);
    EXPECT_EQ(window.right - window.left, s.Px(165));
    EXPECT_EQ(window.bottom - window.top, s.Px(422));
    // Every pixel whose 96-DPI neighbours all agree lies on the same side of the scaled shape.
    int checked = 0;
    for (int y = 0; y < 422; y += 3) {
        for (int x = 0; x < 165; x += 3) {
            const bool inside = DesignRegionCovers(x, y);
            if (DesignRegionCovers(x - 1, y - 1) != inside || DesignRegionCovers(x + 1, y + 1) != inside ||
                DesignRegionCovers(x - 1, y + 1) != inside || DesignRegionCovers(x + 1, y - 1) != inside)
                continue;
            ++checked;
            ASSERT_EQ(InRegion(hwnd, s.Px(x), s.Px(y)), inside) << x << "," << y;
        }
    }
    EXPECT_GT(checked, 7000);
    EXPECT_FALSE(InRegion(hwnd, s.Px(165), s.Px(211)));

    struct Expected {
        int id;
        RECT at96;
    };
    for (const Expected& c :
         {Expected{IDC_CLOCK_MINIMIZE, {108, 3, 124, 16}}, Expected{IDC_CLOCK_TOPMOST, {124, 3, 140, 16}},
          Expected{IDC_CLOCK_CLOSE, {140, 3, 156, 16}}, Expected{IDC_CLOCK_LABEL, {10, 1, 106, 15}}}) {
        const RECT expected = Scaled(c.at96, s);
        const RECT r = ChildRectInParent(hwnd, c.id);
        EXPECT_TRUE(EqualRect(&r, &expected))
            << c.id << ": " << r.left << "," << r.top << "," << r.right << "," << r.bottom;
    }
}

TEST(HighDpiTest, TheFaceIsThe96DpiFaceScaledAndComesBackAfterAMove) {
    const DpiScale s = ui::SystemDpi();
    TestWorld world;
    world.WriteProfile(L"SecondHand", L"1");
    RunningClock clock(world);
    const Image shown = Face(clock);
    ASSERT_EQ(shown.width, s.Px(165));
    ASSERT_EQ(shown.height, s.Px(422));
    ASSERT_GT(shown.CountOther(shown.At(82, 211)), shown.width * shown.height / 2);  // a picture, not a blank

    MoveToDpi(clock, kDesignDpi);  // onto a 100 % monitor
    const Image design = Face(clock);
    ASSERT_EQ(design.width, 165);
    ASSERT_EQ(design.height, 422);
    EXPECT_EQ(WindowRectOf(clock.Hwnd()).right - WindowRectOf(clock.Hwnd()).left, 165);

    MoveToDpi(clock, s.dpi);  // and back
    EXPECT_TRUE(SameImage(Face(clock), shown));

    if (s.IsDesign()) return;  // the comparison below is the one above then
    // Sharper art and lines make single pixels differ (by 1.5 to 3.5 on average here); the
    // picture may not, in any quarter of it.
    const Image expected = Enlarged(design, shown.width, shown.height);
    for (int band = 0; band < 4; ++band) {
        const RECT part{0, shown.height * band / 4, shown.width, shown.height * (band + 1) / 4};
        EXPECT_LT(MeanDifference(shown.Part(part), expected.Part(part)), 8.0) << band;
    }
}

// The scale changed while the clock sat in the notification area: it comes back whole.
TEST(HighDpiTest, AClockMinimisedThroughAScaleChangeComesBackAtTheNewSize) {
    StandInTaskbar taskbar;
    TestWorld world;
    world.taskbar = taskbar.Handle();
    world.WriteProfile(L"Minimize", L"1");
    RunningClock clock(world);
    const DpiScale large{2 * kDesignDpi};
    MoveToDpi(clock, large.dpi);
    SendMessageW(clock.Hwnd(), WM_COMMAND, ID_CMD_RESTORE, 0);
    clock.Pump();
    const RECT window = WindowRectOf(clock.Hwnd());
    EXPECT_EQ(window.right - window.left, large.Px(165));
    EXPECT_EQ(window.bottom - window.top, large.Px(422));
    EXPECT_TRUE(InRegion(clock.Hwnd(), large.Px(82), large.Px(421)));  // the shape reaches the bottom
}

TEST(HighDpiTest, TheLabelShowsEveryTextWhole) {
    TestWorld world;
    world.WriteProfile(L"CaptionClock", L"1");
    world.WriteProfile(L"SecondHand", L"1");
    RunningClock clock(world);
    HWND label = GetDlgItem(clock.Hwnd(), IDC_CLOCK_LABEL);
    RECT client{};
    GetClientRect(label, &client);
    ui::gdi::ClientDC dc(label);
    ui::gdi::Select font(dc.Get(), reinterpret_cast<HGDIOBJ>(SendMessageW(label, WM_GETFONT, 0, 0)));
    std::vector<std::wstring> texts = LabelTextSamples({L"午前", L"午後"});
    texts.push_back(ui::WindowText(label));
    for (const std::wstring& text : texts) {
        SIZE size{};
        GetTextExtentPoint32W(dc.Get(), text.c_str(), static_cast<int>(text.size()), &size);
        EXPECT_LE(size.cx, client.right) << text.size();
    }
}

TEST(HighDpiTest, TheMessageWindowDrawsForItsMonitorAndFollowsAMove) {
    TestWorld world;
    AlarmEntry entry;
    entry.Subject = L"会議";
    entry.Message = L"十時から会議室で";
    AlarmList entries;
    entries.Append(entry);
    HWND hwnd = CMessageDialog::Open(entries, {nullptr, {}, world.MakeEnvironment()});
    ASSERT_TRUE(hwnd);
    ui::PumpMessages();
    auto expectDrawnFor = [hwnd](DpiScale s) {
        RECT client{};
        GetClientRect(hwnd, &client);
        const RECT close = ChildRectInParent(hwnd, IDR_MESSAGE_TOOLBAR);
        EXPECT_EQ(close.right - close.left, s.Px(16)) << s.dpi;
        EXPECT_EQ(client.right - close.right, s.Px(6)) << s.dpi;
        EXPECT_EQ(std::abs(FontOf(GetDlgItem(hwnd, IDC_MESSAGE_TITLE)).lfHeight), s.Px(14)) << s.dpi;
        EXPECT_FALSE(InRegion(hwnd, s.Px(1), s.Px(1))) << s.dpi;  // the rounded corner
        EXPECT_TRUE(InRegion(hwnd, s.Px(6), 0)) << s.dpi;
        const RECT button = ChildRectInParent(hwnd, IDOK);
        EXPECT_EQ(client.bottom - button.top, s.Px(CMessageDialog::kWindowExtra - CMessageDialog::kButtonOffset))
            << s.dpi;
    };
    expectDrawnFor(ui::SystemDpi());
    RECT window = WindowRectOf(hwnd);
    SendMessageW(hwnd, WM_DPICHANGED, MAKEWPARAM(kDesignDpi, kDesignDpi), reinterpret_cast<LPARAM>(&window));
    expectDrawnFor(DpiScale{});
    DestroyWindow(hwnd);
    ui::PumpMessages();
}

}  // namespace
