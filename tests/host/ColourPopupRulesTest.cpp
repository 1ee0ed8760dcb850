#include "controls/ColourPopupRules.h"

#include <gtest/gtest.h>

#include "controls/ColourTable.h"

namespace {

enum Boxes { kNeither, kAutomaticOnly, kMoreOnly, kBoth };

ColourPopupLayout LayoutWith(Boxes boxes) {
    ColourPopupInput input;
    if (boxes == kAutomaticOnly || boxes == kBoth) input.automaticText = Size{30, 12};
    if (boxes == kMoreOnly || boxes == kBoth) input.moreColoursText = Size{90, 13};
    return ColourPopupLayout(input);
}

constexpr int kLast = 39;
constexpr int kAuto = kAutomaticBox;
constexpr int kMore = kMoreColoursBox;

TEST(ColourPopupChosen, TheCellOfTheColourOrABox) {
    struct Case {
        Colour initial;
        Boxes boxes;
        int chosen;
    };
    for (const Case& c : {
             Case{MakeColour(255, 0, 0), kBoth, 16}, Case{MakeColour(0, 0, 0), kNeither, 0},
             Case{MakeColour(255, 255, 255), kBoth, kLast}, Case{kAutomaticColour, kBoth, kAuto},
             Case{kAutomaticColour, kMoreOnly, kMore}, Case{kAutomaticColour, kNeither, kNoElement},
             Case{MakeColour(254, 0, 0), kBoth, kMore}, Case{MakeColour(254, 0, 0), kAutomaticOnly, kNoElement},
             Case{MakeColour(255, 0, 0) | 0x02000000u, kBoth, kMore},  // a palette-relative red is not red
         }) {
        EXPECT_EQ(ChosenElement(c.initial, LayoutWith(c.boxes)), c.chosen) << std::hex << c.initial;
    }
    const Colour initial = MakeColour(1, 2, 3);
    EXPECT_EQ(ElementColour(kAuto, initial), kAutomaticColour);
    EXPECT_EQ(ElementColour(kMore, initial), initial);
    for (int i = 0; i < 40; ++i) EXPECT_EQ(ChosenElement(ElementColour(i, initial), LayoutWith(kBoth)), i);
}

TEST(ColourPopupKeys, WithinTheGridOffItsEdgesFromTheBoxesAndFromNothing) {
    using enum ArrowKey;
    struct Move {
        int from;
        ArrowKey key;
        Boxes boxes;
        int to;
    };
    for (const Move& m : {
             Move{12, Down, kBoth, 20},
             Move{7, Right, kBoth, 8},
             Move{8, Left, kBoth, 7},  // rows wrap
             Move{35, Down, kBoth, kMore},
             Move{35, Down, kAutomaticOnly, kAuto},
             Move{kLast, Right, kBoth, kMore},
             Move{kLast, Right, kAutomaticOnly, kAuto},
             Move{kLast, Right, kNeither, 0},
             Move{3, Up, kBoth, kAuto},
             Move{3, Up, kMoreOnly, kMore},
             Move{0, Left, kBoth, kAuto},
             Move{0, Left, kMoreOnly, kMore},
             Move{0, Left, kNeither, kLast},
             Move{kAuto, Down, kBoth, 0},
             Move{kAuto, Up, kBoth, kMore},
             Move{kAuto, Left, kAutomaticOnly, kLast},
             Move{kMore, Down, kBoth, kAuto},
             Move{kMore, Up, kBoth, kLast},
             Move{kNoElement, Down, kBoth, kMore},
             Move{kNoElement, Up, kBoth, kAuto},
             Move{kNoElement, Down, kAutomaticOnly, kAuto},
             Move{kNoElement, Up, kMoreOnly, kMore},
             Move{kNoElement, Right, kNeither, 0},
             Move{kNoElement, Left, kNeither, kLast},
         }) {
        EXPECT_EQ(MoveHighlight(m.from, m.key, LayoutWith(m.boxes)), m.to)
            << "from " << m.from << " key " << static_cast<int>(m.key) << " boxes " << m.boxes;
    }
}

}  // namespace