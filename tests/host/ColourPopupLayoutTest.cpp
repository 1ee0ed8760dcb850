#include "controls/ColourPopupLayout.h"

#include <gtest/gtest.h>

#include "controls/ColourPickerLayout.h"

namespace {

// Captions as the message font measures them; margin 2, the common edge width.
constexpr Size kAutomaticText{30, 12};
constexpr Size kMoreText{90, 13};

ColourPopupLayout Layout(std::optional<Size> automatic, std::optional<Size> more, int margin = 2) {
    return ColourPopupLayout({40, margin, automatic, more});
}

TEST(ColourPopupLayout, GridAloneIsEightByFiveCellsInsideAMargin) {
    const ColourPopupLayout layout = Layout(std::nullopt, std::nullopt);
    EXPECT_EQ(layout.WindowSize(), (Size{8 * 18 + 4, 5 * 18 + 4}));
    EXPECT_EQ(layout.Cell(0), (Rect{2, 2, 20, 20}));
    EXPECT_EQ(layout.Cell(39), (Rect{7 * 18 + 2, 4 * 18 + 2, 8 * 18 + 2, 5 * 18 + 2}));
    EXPECT_EQ(layout.Element(kAutomaticBox), Rect{});
    EXPECT_EQ(Layout(std::nullopt, std::nullopt, 6).Cell(0), (Rect{6, 6, 25, 25}));  // cells of 2 x 6 + 7 at least
}

TEST(ColourPopupLayout, BoxesTakeTheTallerCaptionAboveAndBelowTheGrid) {
    const ColourPopupLayout layout = Layout(kAutomaticText, kMoreText);
    const int box = 13 + 4 * 2 + 2 + 2;  // caption, four margins and 2, then a margin
    const int gridTop = 2 + box + 2;
    const int gridBottom = gridTop + 5 * 18;
    EXPECT_EQ(layout.AutomaticBox(), (Rect{2, 2, 146, 2 + box}));
    EXPECT_EQ(layout.Cell(9), (Rect{20, gridTop + 18, 38, gridTop + 36}));
    EXPECT_EQ(layout.MoreColoursBox(), (Rect{2, gridBottom, 146, gridBottom + box}));
    EXPECT_EQ(layout.WindowSize(), (Size{148, 5 * 18 + 4 + 2 * (box + 4)}));
    EXPECT_EQ(Layout(std::nullopt, kMoreText).MoreColoursBox().top, 2 + 5 * 18);
}

TEST(ColourPopupLayout, AWideCaptionWidensTheWindowAndBothBoxesNotTheGrid) {
    const ColourPopupLayout layout = Layout(kAutomaticText, Size{200, 13});
    EXPECT_EQ(layout.WindowSize().width, 204);
    EXPECT_EQ(layout.AutomaticBox().right, 202);
    EXPECT_EQ(layout.MoreColoursBox().right, 202);
    EXPECT_EQ(layout.Cell(7).right, 8 * 18 + 2);
}

TEST(ColourPopupHitTest, EveryCellCornerToCornerBoxesMarginsAndOutside) {
    for (const auto& layout : {Layout(kAutomaticText, kMoreText), Layout(std::nullopt, std::nullopt)}) {
        for (int i = 0; i < 40; ++i) {
            const Rect cell = layout.Cell(i);
            EXPECT_EQ(layout.HitTest({cell.left, cell.top}), i);
            EXPECT_EQ(layout.HitTest({cell.right - 1, cell.bottom - 1}), i);
        }
    }
    const ColourPopupLayout layout = Layout(kAutomaticText, kMoreText);
    const Rect a = layout.AutomaticBox(), m = layout.MoreColoursBox();
    const Size window = layout.WindowSize();
    const std::pair<Point, int> cases[] = {
        {{a.left, a.top}, kAutomaticBox},
        {{a.right - 1, a.bottom - 1}, kAutomaticBox},
        {{m.left, m.top}, kMoreColoursBox},
        {{m.right - 1, m.bottom - 1}, kMoreColoursBox},
        {{0, 0}, kNoElement},
        {{10, a.bottom}, kNoElement},  // between box and grid
        {{1, layout.Cell(8).top}, kNoElement},
        {{window.width - 1, layout.Cell(15).top}, kNoElement},
        {{10, m.bottom}, kNoElement},
        {{-5, 40}, kNoElement},  // a captured pointer outside
    };
    for (const auto& [point, element] : cases) EXPECT_EQ(layout.HitTest(point), element) << point;
}

TEST(ColourPopupPlacement, BelowTheButtonUnlessAnEdgeOfTheWorkAreaIsInTheWay) {
    constexpr Size popup{148, 152};
    constexpr Rect screen{0, 0, 1024, 738};
    struct Case {
        const char* name;
        Point below;
        Rect workArea;
        Point expected;
    };
    for (const Case& c : {
             Case{"fits", {100, 200}, screen, {100, 200}},
             Case{"past the right edge", {950, 200}, screen, {1024 - 148, 200}},
             Case{"bottom-right corner", {1000, 700}, screen, {1024 - 148, 700 - 152 - 21}},
             Case{"no room above either", {100, 600}, Rect{0, 500, 1024, 738}, {100, 500}},
             Case{"second monitor", {1000, 100}, Rect{1024, 0, 2304, 1024}, {1024, 100}},
         }) {
        EXPECT_EQ(PlaceColourPopup(popup, c.below, 21, c.workArea), MovedTo({0, 0, 148, 152}, c.expected)) << c.name;
    }
}

TEST(ColourPickerLayout, ArrowSquareFromThumbOrFiveEdgesSwatchBesideIt) {
    const std::pair<PickerMetrics, int> sides[] = {
        {{2, 2, 17, 17}, 17}, {{2, 2, 8, 8}, 10}, {{1, 3, 12, 14}, 15}, {{2, 2, 16, 19}, 19}};
    for (const auto& [metrics, side] : sides) EXPECT_EQ(PickerArrowSide(metrics), side);
    const PickerMetrics metrics{2, 2, 17, 17};
    EXPECT_EQ(PickerSize(metrics, 80), (Size{80, 21}));
    EXPECT_EQ(PickerSize(metrics, 10), (Size{2 * 2 + 2 * 17, 21}));
    EXPECT_EQ(PickerArrow(metrics, {80, 21}), (Rect{61, 2, 78, 19}));
    EXPECT_EQ(PickerSwatch(metrics, {80, 21}), (Rect{2, 2, 61, 19}));
}

}  // namespace