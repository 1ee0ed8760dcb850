#include "controls/ColourPopupLayout.h"

#include <gtest/gtest.h>

#include "controls/ColourPickerLayout.h"

namespace pokomi {
namespace {

// Captions as the message font measures them; margin 2, the common edge width.
constexpr Size kAutomaticText{30, 12};
constexpr Size kMoreText{90, 13};

ColourPopupLayout Layout(std::optional<Size> automatic, std::optional<Size> more, int margin = 2) {
    return ColourPopupLayout({40, margin, automatic, more});
}

// ---- Window, boxes and cells -------------------------------------------------------------

TEST(ColourPopupLayout, GridAloneIsEightBySixWithAMarginAround) {
    const ColourPopupLayout layout = Layout(std::nullopt, std::nullopt);
    EXPECT_EQ(layout.Rows(), 5);
    EXPECT_EQ(layout.WindowSize(), (Size{8 * 18 + 4, 5 * 18 + 4}));
    EXPECT_EQ(layout.Cell(0), (Rect{2, 2, 20, 20}));
    EXPECT_EQ(layout.Cell(39), (Rect{7 * 18 + 2, 4 * 18 + 2, 8 * 18 + 2, 5 * 18 + 2}));
    EXPECT_FALSE(layout.HasAutomaticBox());
    EXPECT_FALSE(layout.HasMoreColoursBox());
    EXPECT_EQ(layout.Element(kAutomaticBox), Rect{});
}

TEST(ColourPopupLayout, BothBoxesAddTheTallerCaptionWithMarginsAboveAndBelowTheGrid) {
    const ColourPopupLayout layout = Layout(kAutomaticText, kMoreText);
    // Box height: 13 + 4 margins + 2, plus a margin = 25; each box adds 25 + 2 margins.
    const int box = 13 + 4 * 2 + 2 + 2;
    EXPECT_EQ(layout.AutomaticBox(), (Rect{2, 2, 146, 2 + box}));
    const int gridTop = 2 + box + 2;
    EXPECT_EQ(layout.Cell(0), (Rect{2, gridTop, 20, gridTop + 18}));
    EXPECT_EQ(layout.Cell(9).top, gridTop + 18);
    const int gridBottom = gridTop + 5 * 18;
    EXPECT_EQ(layout.MoreColoursBox(), (Rect{2, gridBottom, 146, gridBottom + box}));
    EXPECT_EQ(layout.WindowSize(), (Size{148, 5 * 18 + 4 + 2 * (box + 4)}));
}

TEST(ColourPopupLayout, OnlyTheMoreColoursBoxLeavesTheGridAtTheTop) {
    const ColourPopupLayout layout = Layout(std::nullopt, kMoreText);
    EXPECT_EQ(layout.Cell(0).top, 2);
    EXPECT_EQ(layout.MoreColoursBox().top, 2 + 5 * 18);
    EXPECT_EQ(layout.AutomaticBox(), Rect{});
}

TEST(ColourPopupLayout, AWideCaptionWidensTheWindowAndBothBoxes) {
    const ColourPopupLayout layout = Layout(kAutomaticText, Size{200, 13});
    EXPECT_EQ(layout.WindowSize().width, 204);
    EXPECT_EQ(layout.AutomaticBox().right, 202);
    EXPECT_EQ(layout.MoreColoursBox().right, 202);
    EXPECT_EQ(layout.Cell(7).right, 8 * 18 + 2);  // the grid keeps its place
}

TEST(ColourPopupLayout, CellsNeverShrinkBelowTheirMarginsAndSwatch) {
    EXPECT_EQ(Layout(std::nullopt, std::nullopt, 5).Cell(0), (Rect{5, 5, 23, 23}));
    EXPECT_EQ(Layout(std::nullopt, std::nullopt, 6).Cell(0), (Rect{6, 6, 25, 25}));  // 2 x 6 + 7
}

// ---- Hit-testing -------------------------------------------------------------------------

TEST(ColourPopupHitTest, EveryCellFromCornerToCorner) {
    for (const auto& layout : {Layout(kAutomaticText, kMoreText), Layout(std::nullopt, std::nullopt)}) {
        for (int i = 0; i < 40; ++i) {
            const Rect cell = layout.Cell(i);
            EXPECT_EQ(layout.HitTest({cell.left, cell.top}), i);
            EXPECT_EQ(layout.HitTest({cell.right - 1, cell.bottom - 1}), i);
            EXPECT_EQ(layout.HitTest({(cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2}), i);
        }
    }
}

TEST(ColourPopupHitTest, BoxesMarginsAndOutside) {
    const ColourPopupLayout layout = Layout(kAutomaticText, kMoreText);
    const Rect automatic = layout.AutomaticBox();
    const Rect more = layout.MoreColoursBox();
    const Size window = layout.WindowSize();
    struct Case {
        Point point;
        int element;
    };
    for (const Case& c : {
             Case{{automatic.left, automatic.top}, kAutomaticBox},
             Case{{automatic.right - 1, automatic.bottom - 1}, kAutomaticBox},
             Case{{more.left, more.top}, kMoreColoursBox},
             Case{{more.right - 1, more.bottom - 1}, kMoreColoursBox},
             Case{{0, 0}, kNoElement},                                   // the outer margin
             Case{{10, automatic.bottom}, kNoElement},                   // between the box and the grid
             Case{{1, layout.Cell(8).top}, kNoElement},                  // left of the grid
             Case{{window.width - 1, layout.Cell(15).top}, kNoElement},  // right of the grid
             Case{{10, more.bottom}, kNoElement},                        // below the last box
             Case{{-5, 40}, kNoElement},                                 // outside (a captured pointer)
             Case{{window.width + 3, window.height + 3}, kNoElement},
         }) {
        EXPECT_EQ(layout.HitTest(c.point), c.element) << c.point;
    }
}

// ---- Placement on the screen -------------------------------------------------------------

TEST(ColourPopupPlacement, BelowTheButtonUnlessAnEdgeIsInTheWay) {
    constexpr Size popup{148, 152};
    constexpr int button = 21;
    constexpr Rect screen{0, 0, 1024, 738};
    constexpr Rect secondMonitor{1024, 0, 2304, 1024};
    struct Case {
        const char* name;
        Point below;
        Rect workArea;
        Point expected;
    };
    for (const Case& c : {
             Case{"fits", {100, 200}, screen, {100, 200}},
             Case{"past the right edge", {950, 200}, screen, {1024 - 148, 200}},
             Case{"left of the left edge", {-30, 200}, screen, {0, 200}},
             Case{"below the bottom: above the button", {100, 600}, screen, {100, 600 - 152 - 21}},
             Case{"bottom-right corner", {1000, 700}, screen, {1024 - 148, 700 - 152 - 21}},
             Case{"no room above either", {100, 600}, Rect{0, 500, 1024, 738}, {100, 500}},
             Case{"second monitor's left edge", {1000, 100}, secondMonitor, {1024, 100}},
         }) {
        EXPECT_EQ(PlaceColourPopup(popup, c.below, button, c.workArea), MovedTo({0, 0, 148, 152}, c.expected))
            << c.name;
    }
}

// ---- The picker button -------------------------------------------------------------------

TEST(ColourPickerLayout, ArrowIsTheLargerOfThumbAndFiveEdgesEitherWay) {
    struct Case {
        PickerMetrics metrics;
        int side;
    };
    for (const Case& c : {Case{{2, 2, 17, 17}, 17}, Case{{2, 2, 8, 8}, 10}, Case{{1, 3, 16, 14}, 16},
                          Case{{1, 3, 12, 14}, 15}, Case{{2, 2, 16, 19}, 19}}) {
        EXPECT_EQ(PickerArrowSide(c.metrics), c.side);
    }
}

TEST(ColourPickerLayout, ButtonKeepsAWideEnoughWidthAndTakesTheArrowsHeight) {
    const PickerMetrics metrics{2, 2, 17, 17};
    EXPECT_EQ(PickerSize(metrics, 80), (Size{80, 21}));
    EXPECT_EQ(PickerSize(metrics, 10), (Size{2 * 2 + 2 * 17, 21}));
    EXPECT_EQ(PickerArrow(metrics, {80, 21}), (Rect{61, 2, 78, 19}));
    EXPECT_EQ(PickerSwatch(metrics, {80, 21}), (Rect{2, 2, 61, 19}));
}

}  // namespace
}  // namespace pokomi
