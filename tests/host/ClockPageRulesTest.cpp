// The hand colours the clock page keeps for what a colour picker reports.
#include <gtest/gtest.h>

#include "options/ClockPageRules.h"

namespace {

constexpr std::uint32_t kAutomatic = 0xFF000000u;
// Colours the page held before the choice: neither part standard.
constexpr HandColours kBefore{MakeColour(10, 20, 30), MakeColour(40, 50, 60), MakeColour(13, 16, 20)};

struct ColourCase {
    const char* name;
    HandPart part;
    std::uint32_t chosen;
    Colour kept;    // the other part stays as it was
    Colour shadow;  // for the fill
};

class ClockPageRulesTest : public testing::TestWithParam<ColourCase> {};

TEST_P(ClockPageRulesTest, ChosenColourIsKeptWithItsShadow) {
    const ColourCase& c = GetParam();
    const HandColours expected = c.part == HandPart::Fill ? HandColours{kBefore.line, c.kept, c.shadow}
                                                          : HandColours{c.kept, kBefore.fill, kBefore.shadow};
    EXPECT_EQ(TakeChosenColour(kBefore, c.part, c.chosen), expected);
}

INSTANTIATE_TEST_SUITE_P(
    ClockPageRulesTest, ClockPageRulesTest,
    testing::Values(
        ColourCase{"RedFill", HandPart::Fill, MakeColour(255, 0, 0), MakeColour(255, 0, 0), MakeColour(85, 0, 0)},
        ColourCase{"ShadowDropsRemainders", HandPart::Fill, MakeColour(100, 101, 2), MakeColour(100, 101, 2),
                   MakeColour(33, 33, 0)},
        ColourCase{"BlackFill", HandPart::Fill, 0, MakeColour(179, 158, 93), MakeColour(59, 52, 31)},
        ColourCase{"AutomaticFill", HandPart::Fill, kAutomatic, MakeColour(179, 158, 93), MakeColour(59, 52, 31)},
        ColourCase{"AutomaticLineIsBlack", HandPart::Line, kAutomatic, 0, 0},
        ColourCase{"TopByteOfALineDropped", HandPart::Line, 0x01FFFFFFu, MakeColour(255, 255, 255), 0}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
