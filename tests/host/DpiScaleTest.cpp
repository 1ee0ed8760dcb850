// Sizes meant for 96 DPI on screens of other DPIs, and the label's font that fits them.
#include <gtest/gtest.h>

#include <algorithm>

#include "clock/ReturnHome.h"
#include "clock/TimeText.h"
#include "common/DpiScale.h"

namespace {

TEST(DpiScaleTest, SizesScaleRoundAndComeBack) {
    struct Case {
        int dpi;
        int px165, px422, px1, pxMinus7, lineWidth;
        bool largeArt;
    };
    for (const Case& c : {Case{96, 165, 422, 1, -7, 1, false}, Case{120, 206, 528, 1, -9, 1, false},
                          Case{144, 248, 633, 2, -11, 1, true}, Case{192, 330, 844, 2, -14, 2, true},
                          Case{288, 495, 1266, 3, -21, 3, true}}) {
        const DpiScale s{c.dpi};
        EXPECT_EQ(s.Px(165), c.px165) << c.dpi;
        EXPECT_EQ(s.Px(422), c.px422) << c.dpi;
        EXPECT_EQ(s.Px(1), c.px1) << c.dpi;  // 1.5 rounds up: no size vanishes
        EXPECT_EQ(s.Px(-7), c.pxMinus7) << c.dpi;
        EXPECT_EQ(s.LineWidth(), c.lineWidth) << c.dpi;
        EXPECT_EQ(s.LargeArt(), c.largeArt) << c.dpi;
        for (int design : {0, 1, 20, 145, 165, 402, 422, -30})  // a pointer over the window maps back
            EXPECT_EQ(s.Design(s.Px(design)), design) << c.dpi << " " << design;
    }
}

TEST(DpiScaleTest, TheLargerWindowIsCentredByItsOwnSize) {
    const Rect work{1920, 0, 1920 + 2880, 1800 - 72};  // a second monitor at 150 %
    EXPECT_EQ(CentreTarget(work, {DpiScale{144}.Px(165), DpiScale{144}.Px(422)}),
              (Point{1920 + 1440 - 124, 864 - 316}));
    EXPECT_EQ(HomeTarget(kHomeCentre, {}, work, {248, 633}), CentreTarget(work, {248, 633}));
}

TEST(DpiScaleTest, TheLabelFontShrinksOnlyAsFarAsTheWidestTextNeeds) {
    // A face whose text is as wide as six times its height.
    auto widestAt = [](int height) { return 6 * height; };
    EXPECT_EQ(FittingFontHeight(17, 10, 120, widestAt), 17);  // fits as designed
    EXPECT_EQ(FittingFontHeight(17, 10, 101, widestAt), 16);
    EXPECT_EQ(FittingFontHeight(17, 10, 96, widestAt), 16);
    EXPECT_EQ(FittingFontHeight(17, 10, 95, widestAt), 15);
    EXPECT_EQ(FittingFontHeight(17, 10, 20, widestAt), 10);  // never smaller than the least
}

TEST(DpiScaleTest, TheLabelSamplesCoverEveryTextItCanShow) {
    const std::vector<std::wstring> samples = LabelTextSamples({L"午前", L"午後"});
    for (const wchar_t* text : {L"午前 11:58:58", L"午前 11:58", L"午後 11:58:58", L"午後 11:58"})
        EXPECT_NE(std::find(samples.begin(), samples.end(), text), samples.end()) << text;
}

}  // namespace
