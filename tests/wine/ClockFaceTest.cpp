// The clock face as it is drawn: illustration, weekday, date, numerals and hands.
#include <windows.h>

#include <gtest/gtest.h>

#include "ClockShorthands.h"
#include "ClockTestSupport.h"
#include "PixelTestSupport.h"
#include "clock/CClockDialog.h"
#include "resource.h"
#include "ui/Gdi.h"

namespace {

struct Glyph {
    UINT bitmap;
    int x;
    int y;
};

struct DateCase {
    const char* name;
    int month;
    int day;
    std::vector<Glyph> glyphs;
};

class ClockFaceDateTest : public testing::TestWithParam<DateCase> {};

TEST_P(ClockFaceDateTest, DateGlyphsStandWhereTheyBelong) {
    TestWorld world;
    world.time.month = GetParam().month;
    world.time.day = GetParam().day;
    world.time.weekday = 4;
    RunningClock clock(world);
    FaceCanvas canvas;
    clock.Dialog()->PaintFace(canvas.Dc());
    for (const Glyph& glyph : GetParam().glyphs)
        EXPECT_TRUE(canvas.ShowsBitmap(glyph.bitmap, glyph.x, glyph.y)) << glyph.bitmap << " at " << glyph.x;
    EXPECT_TRUE(canvas.ShowsBitmap(IDB_WEEKDAY_THU, 60, 19));
}

INSTANTIATE_TEST_SUITE_P(
    ClockFaceTest, ClockFaceDateTest,
    testing::Values(
        DateCase{"January1", 1, 1, {{IDB_DIGIT_1, 66, 388}, {IDB_DATE_SEPARATOR, 80, 391}, {IDB_DIGIT_1, 89, 388}}},
        DateCase{"December12",
                 12,
                 12,
                 {{IDB_DIGIT_1, 52, 386},
                  {IDB_DIGIT_2, 66, 388},
                  {IDB_DATE_SEPARATOR, 80, 391},
                  {IDB_DIGIT_1, 89, 388},
                  {IDB_DIGIT_2, 103, 386}}},
        DateCase{
            "October3",
            10,
            3,
            {{IDB_DIGIT_1, 59, 387}, {IDB_DIGIT_0, 73, 389}, {IDB_DATE_SEPARATOR, 87, 389}, {IDB_DIGIT_3, 96, 387}}},
        DateCase{
            "March10",
            3,
            10,
            {{IDB_DIGIT_3, 60, 387}, {IDB_DATE_SEPARATOR, 74, 389}, {IDB_DIGIT_1, 83, 389}, {IDB_DIGIT_0, 97, 387}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ClockFaceTest, EachWeekdayHasItsGlyph) {
    const UINT glyphs[] = {IDB_WEEKDAY_SUN, IDB_WEEKDAY_MON, IDB_WEEKDAY_TUE, IDB_WEEKDAY_WED,
                           IDB_WEEKDAY_THU, IDB_WEEKDAY_FRI, IDB_WEEKDAY_SAT};
    TestWorld world;
    RunningClock clock(world);
    for (int weekday = 0; weekday < 7; ++weekday) {
        world.time.weekday = weekday;
        FaceCanvas canvas;
        clock.Dialog()->PaintFace(canvas.Dc());
        EXPECT_TRUE(canvas.ShowsBitmap(glyphs[weekday], 60, 19)) << weekday;
    }
}

TEST(ClockFaceTest, HourHandAtThreeHasItsFillAboveAndItsShadowBelow) {
    TestWorld world;
    With(world, {{L"BrushR", L"240"}, {L"BrushG", L"30"}, {L"BrushB", L"90"}});
    SetTime(world, 15, 0, 40);
    RunningClock clock(world);
    FaceCanvas canvas;
    clock.Dialog()->PaintFace(canvas.Dc());
    // The hand lies along the centre row y = 220, from x = 82 to x = 82 + 319 x 0.165.
    EXPECT_EQ(canvas.Pixel(95, 217), RGB(240, 30, 90));  // counter-clockwise half: the fill
    EXPECT_EQ(canvas.Pixel(95, 223), RGB(80, 10, 30));   // clockwise half: the shadow
    EXPECT_EQ(canvas.Pixel(110, 220), RGB(0, 0, 0));     // the centre line in the line colour
}

TEST(ClockFaceTest, SecondHandStepsWithoutDisturbingTheFace) {
    TestWorld world;
    world.time.second = 40;
    RunningClock clock(world);
    FaceCanvas canvas;
    clock.Dialog()->PaintFace(canvas.Dc());
    auto before = canvas.Pixels();
    clock.Dialog()->StepSecondHand(canvas.Dc(), 40, 41);
    EXPECT_FALSE(SameImage(canvas.Pixels(), before));
    clock.Dialog()->StepSecondHand(canvas.Dc(), 41, 40);
    EXPECT_TRUE(SameImage(canvas.Pixels(), before));
}

TEST(ClockFaceTest, WithoutTheSecondHandNothingIsInverted) {
    TestWorld world;
    RunningClock clock(With(world, {{L"SecondHand", L"0"}}));
    FaceCanvas canvas;
    clock.Dialog()->PaintFace(canvas.Dc());
    auto before = canvas.Pixels();
    clock.Dialog()->StepSecondHand(canvas.Dc(), 15, 16);
    EXPECT_TRUE(SameImage(canvas.Pixels(), before));
}

TEST(ClockFaceTest, MissingDataFolderShowsTheFallbackWithHandsAndDate) {
    TestWorld world;
    RunningClock clock(world);
    FaceCanvas canvas;
    clock.Dialog()->PaintFace(canvas.Dc());
    FaceCanvas fallback;
    fallback.Draw(IDB_FALLBACK_ILLUSTRATION);
    for (auto [x, y] : {std::pair{20, 100}, {140, 300}, {10, 410}, {150, 60}})
        EXPECT_EQ(canvas.Pixel(x, y), fallback.Pixel(x, y)) << x << "," << y;
    EXPECT_TRUE(canvas.ShowsBitmap(IDB_DIGIT_1, 59, 387));  // 12/7: "12" then "7"
    EXPECT_TRUE(canvas.ShowsBitmap(IDB_DIGIT_7, 96, 387));
    EXPECT_FALSE(SameImage(canvas.Pixels(), fallback.Pixels()));  // hands drawn over it
}

// A 2 x 2 blue picture.
const unsigned char kBluePicture[] = {'B', 'M', 70, 0,   0, 0, 0, 0, 0,   0, 54, 0,   0, 0, 40, 0, 0,  0,
                                      2,   0,   0,  0,   2, 0, 0, 0, 1,   0, 24, 0,   0, 0, 0,  0, 16, 0,
                                      0,   0,   0,  0,   0, 0, 0, 0, 0,   0, 0,  0,   0, 0, 0,  0, 0,  0,
                                      255, 0,   0,  255, 0, 0, 0, 0, 255, 0, 0,  255, 0, 0, 0,  0};

TEST(ClockFaceTest, IllustrationFileIsDrawnFromTheDataFolder) {
    TestWorld world;
    // Drawn at its own size at the top-left, the rest is the face's.
    world.folder.WriteData(L"bitmap0.bmp", std::string(std::begin(kBluePicture), std::end(kBluePicture)));
    world.folder.WriteData(L"Illust.ini", "blue\r\n");
    RunningClock clock(world);
    FaceCanvas canvas;
    clock.Dialog()->PaintFace(canvas.Dc());
    EXPECT_EQ(canvas.Pixel(0, 0), RGB(0, 0, 255));
    EXPECT_EQ(canvas.Pixel(1, 1), RGB(0, 0, 255));
}

// Headers that made the system's loader read far past the end of the file.
TEST(ClockFaceTest, APictureWithAnImpossibleHeaderGivesTheFallback) {
    std::string pixelsFarAway(std::begin(kBluePicture), std::end(kBluePicture));
    pixelsFarAway.replace(10, 4, "\xF0\xFF\xFF\x7F");
    std::string enormous(std::begin(kBluePicture), std::end(kBluePicture));
    enormous.replace(18, 12, "\x40\x9C\x00\x00\x40\x9C\x00\x00\x01\x00\x01\x00");  // 40000 x 40000, 1 bit
    FaceCanvas fallback;
    fallback.Draw(IDB_FALLBACK_ILLUSTRATION);
    for (const std::string& picture : {pixelsFarAway, enormous}) {
        TestWorld world;
        world.folder.WriteData(L"bitmap0.bmp", picture);
        world.folder.WriteData(L"Illust.ini", "broken\r\n");
        RunningClock clock(world);
        FaceCanvas canvas;
        clock.Dialog()->PaintFace(canvas.Dc());
        for (auto [x, y] : {std::pair{0, 0}, {1, 1}, {20, 100}, {150, 60}})
            EXPECT_EQ(canvas.Pixel(x, y), fallback.Pixel(x, y)) << x << "," << y;
    }
}

TEST(ClockFaceTest, NumeralsAreDrawnOnlyWithTheDialFace) {
    TestWorld world;
    SetTime(world, 6, 30, 30);  // every hand points down, away from XII
    FaceCanvas plain;
    FaceCanvas numbered;
    {
        RunningClock clock(world);
        clock.Dialog()->PaintFace(plain.Dc());
    }
    world.WriteProfile(L"TitleFace", L"1");
    {
        RunningClock clock(world);
        clock.Dialog()->PaintFace(numbered.Dc());
    }
    // XII sits on the top of the dial: about 74 px above the centre (82, 220).
    int changed = 0;
    for (int y = 140; y < 165; ++y)
        for (int x = 70; x < 95; ++x) changed += plain.Pixel(x, y) != numbered.Pixel(x, y) ? 1 : 0;
    EXPECT_GT(changed, 20);
}

TEST(ClockFaceTest, EveryPaintDrawsTheSamePixels) {
    TestWorld world;
    world.WriteProfile(L"TitleFace", L"1");
    SetTime(world, 10, 8, 37);
    RunningClock clock(world);
    FaceCanvas first;
    clock.Dialog()->PaintFace(first.Dc());
    FaceCanvas again;
    clock.Dialog()->PaintFace(again.Dc());
    EXPECT_TRUE(SameImage(again.Pixels(), first.Pixels()));
}

TEST(ClockFaceTest, PaintingLeaksNoGdiObject) {
    TestWorld world;
    RunningClock clock(With(world, {{L"TitleFace", L"1"}}));
    FaceCanvas canvas;
    clock.Dialog()->PaintFace(canvas.Dc());
    long live = ui::gdi::LiveObjects();
    for (int i = 0; i < 50; ++i) {
        clock.Dialog()->PaintFace(canvas.Dc());
        clock.Dialog()->StepSecondHand(canvas.Dc(), i % 60, (i + 1) % 60);
    }
    EXPECT_EQ(ui::gdi::LiveObjects(), live);
}

}  // namespace
