#include "controls/ColourPopupRules.h"

#include <gtest/gtest.h>

#include "controls/ColourTable.h"

namespace pokomi {
namespace {

struct Boxes {
    bool automatic;
    bool more;
};

ColourPopupLayout LayoutWith(Boxes boxes) {
    ColourPopupInput input;
    if (boxes.automatic) input.automaticText = Size{30, 12};
    if (boxes.more) input.moreColoursText = Size{90, 13};
    return ColourPopupLayout(input);
}

constexpr Boxes kBoth{true, true};
constexpr Boxes kAutomaticOnly{true, false};
constexpr Boxes kMoreOnly{false, true};
constexpr Boxes kNeither{false, false};
constexpr int kLast = 39;

// ---- The element chosen when the popup opens ---------------------------------------------

TEST(ColourPopupChosen, TheCellOfTheColourOrABox) {
    struct Case {
        const char* name;
        Colour initial;
        Boxes boxes;
        int chosen;
    };
    for (const Case& c : {
             Case{"red", MakeColour(255, 0, 0), kBoth, 16},
             Case{"black, the first cell", MakeColour(0, 0, 0), kNeither, 0},
             Case{"white, the last cell", MakeColour(255, 255, 255), kBoth, kLast},
             Case{"automatic", kAutomaticColour, kBoth, kAutomaticBox},
             Case{"automatic without its box", kAutomaticColour, kMoreOnly, kMoreColoursBox},
             Case{"automatic without either box", kAutomaticColour, kNeither, kNoElement},
             Case{"a colour not in the table", MakeColour(254, 0, 0), kBoth, kMoreColoursBox},
             Case{"not in the table, no more-colours box", MakeColour(254, 0, 0), kAutomaticOnly, kNoElement},
             Case{"red with a palette flag is not red", MakeColour(255, 0, 0) | 0x02000000u, kBoth, kMoreColoursBox},
         }) {
        EXPECT_EQ(ChosenElement(c.initial, LayoutWith(c.boxes)), c.chosen) << c.name;
    }
}

TEST(ColourPopupChosen, TheColourEachElementOffers) {
    const Colour initial = MakeColour(1, 2, 3);
    EXPECT_EQ(ElementColour(kAutomaticBox, initial), kAutomaticColour);
    EXPECT_EQ(ElementColour(kMoreColoursBox, initial), initial);
    EXPECT_EQ(ElementColour(kNoElement, initial), initial);
    EXPECT_EQ(ElementColour(16, initial), MakeColour(255, 0, 0));
    for (int i = 0; i < 40; ++i) EXPECT_EQ(ChosenElement(ElementColour(i, initial), LayoutWith(kBoth)), i);
}

// ---- Arrow keys --------------------------------------------------------------------------

struct Move {
    int from;
    ArrowKey key;
    Boxes boxes;
    int to;
};

void ExpectMoves(std::initializer_list<Move> moves) {
    for (const Move& m : moves)
        EXPECT_EQ(MoveHighlight(m.from, m.key, LayoutWith(m.boxes)), m.to)
            << "from " << m.from << " key " << static_cast<int>(m.key) << " boxes " << m.boxes.automatic
            << m.boxes.more;
}

TEST(ColourPopupKeys, InsideTheGridRowsAndColumnsWrap) {
    ExpectMoves({
        {12, ArrowKey::Down, kBoth, 20},
        {20, ArrowKey::Up, kBoth, 12},
        {7, ArrowKey::Right, kBoth, 8},  // end of a row: first cell of the next
        {8, ArrowKey::Left, kBoth, 7},
        {31, ArrowKey::Down, kNeither, kLast},
    });
}

TEST(ColourPopupKeys, OffTheGridToTheBoxesOrRoundToTheOtherEnd) {
    ExpectMoves({
        // Below the last row and past the last cell: more colours, else automatic, else cell 0.
        {35, ArrowKey::Down, kBoth, kMoreColoursBox},
        {35, ArrowKey::Down, kAutomaticOnly, kAutomaticBox},
        {35, ArrowKey::Down, kNeither, 0},
        {kLast, ArrowKey::Right, kBoth, kMoreColoursBox},
        {kLast, ArrowKey::Right, kAutomaticOnly, kAutomaticBox},
        {kLast, ArrowKey::Right, kNeither, 0},
        // Above the first row and before cell 0: automatic, else more colours, else the last cell.
        {3, ArrowKey::Up, kBoth, kAutomaticBox},
        {3, ArrowKey::Up, kMoreOnly, kMoreColoursBox},
        {3, ArrowKey::Up, kNeither, kLast},
        {0, ArrowKey::Left, kBoth, kAutomaticBox},
        {0, ArrowKey::Left, kMoreOnly, kMoreColoursBox},
        {0, ArrowKey::Left, kNeither, kLast},
    });
}

TEST(ColourPopupKeys, FromTheBoxes) {
    ExpectMoves({
        {kAutomaticBox, ArrowKey::Down, kBoth, 0},
        {kAutomaticBox, ArrowKey::Right, kBoth, 0},
        {kAutomaticBox, ArrowKey::Up, kBoth, kMoreColoursBox},
        {kAutomaticBox, ArrowKey::Left, kBoth, kMoreColoursBox},
        {kAutomaticBox, ArrowKey::Up, kAutomaticOnly, kLast},
        {kAutomaticBox, ArrowKey::Left, kAutomaticOnly, kLast},
        {kMoreColoursBox, ArrowKey::Down, kBoth, kAutomaticBox},
        {kMoreColoursBox, ArrowKey::Right, kBoth, kAutomaticBox},
        {kMoreColoursBox, ArrowKey::Down, kMoreOnly, 0},
        {kMoreColoursBox, ArrowKey::Right, kMoreOnly, 0},
        {kMoreColoursBox, ArrowKey::Up, kBoth, kLast},
        {kMoreColoursBox, ArrowKey::Left, kBoth, kLast},
    });
}

TEST(ColourPopupKeys, WithNothingHighlightedYet) {
    ExpectMoves({
        {kNoElement, ArrowKey::Down, kBoth, kMoreColoursBox},
        {kNoElement, ArrowKey::Right, kBoth, kMoreColoursBox},
        {kNoElement, ArrowKey::Up, kBoth, kAutomaticBox},
        {kNoElement, ArrowKey::Left, kBoth, kAutomaticBox},
        {kNoElement, ArrowKey::Down, kAutomaticOnly, kAutomaticBox},
        {kNoElement, ArrowKey::Up, kMoreOnly, kMoreColoursBox},
        {kNoElement, ArrowKey::Right, kNeither, 0},
        {kNoElement, ArrowKey::Left, kNeither, kLast},
    });
}

}  // namespace
}  // namespace pokomi
